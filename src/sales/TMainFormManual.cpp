// The manual register: a cash-register keypad over the Item page for free-priced lines.

#include "sales/TMainForm.h"

#include "app/TMainDataModule.h"
#include "common/Prompter.h"
#include "sales/ItemPage.h"
#include "sales/LineLists.h"
#include "sales/ManRegisterPanel.h"
#include "ui/TKeyBoardForm.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace pelora {

void TMainForm::wireManualRegister() {
    ManRegisterPanel& panel = *pgeItem->manRegister;
    wire(pgeItem->btnManual, &TMainForm::btnManualClick);
    for (QPushButton* key : panel.keys) {
        const QChar character = key->text().at(0);
        wire(key, [this, character] { manualKeyClick(character); });
    }
    wire(panel.btnTimes, &TMainForm::btnManTimesClick);
    wire(panel.btnAdd, &TMainForm::btnManAddClick);
    wire(panel.btnPayment, &TMainForm::btnManPaymentClick);
    wire(panel.btnKeyboard, &TMainForm::btnManKeyboardClick);
    manualNameMode_ = keyboardModes_.add(QStringLiteral("manregister"), [this](const QString& name, TKeyBoardForm&) {
        pgeItem->manRegister->edtItemName->setText(name);
        return true;
    });
}

void TMainForm::btnManualClick() { setManualRegisterOpen(pgeItem->btnManual->isChecked()); }

void TMainForm::showManualDisplay() { pgeItem->manRegister->lblManRegPrice->setText(manualRegister_.display()); }

void TMainForm::manualKeyClick(QChar key) {
    manualRegister_.key(key);
    showManualDisplay();
}

void TMainForm::btnManTimesClick() {
    manualRegister_.times();
    showManualDisplay();
}

void TMainForm::btnManAddClick() {
    manualRegister_.completeForAdd();
    showManualDisplay();
    const TerminalSettings& s = data_.settings;
    const ManualRegister::Context context{module_->db1,
                                          module_->storedProc1,
                                          prompter_,
                                          module_->session().pcRef,
                                          module_->session().staffRef,
                                          state_.currentTab,
                                          pgeItem->manRegister->edtItemName->text(),
                                          s.manRegCostRate,
                                          s.manRegTaxRate,
                                          s.outputName,
                                          approver_};
    if (!manualRegister_.add(context))
        return;
    showManualDisplay();
    ReadLineLists(); // list 1 ends on its last line, the totals follow
}

void TMainForm::btnManPaymentClick() {
    if (!lines_->hasLines(LineLists::kMain) && !lines_->hasLines(LineLists::kSplit)) {
        prompter_.information(QStringLiteral("Add a line to the Tab."));
        return;
    }
    btnTenderedClick();
}

void TMainForm::btnManKeyboardClick() {
    openKeyboard(this, prompter_, keyboardModes_, {QStringLiteral("manregister"), QString(), QString(), false});
}

} // namespace pelora
