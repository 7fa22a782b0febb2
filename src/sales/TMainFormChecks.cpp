// The sales screen's "Check": the bill for the whole tab or one split, and pre-tenders.
#include "sales/TMainForm.h"

#include "app/TMainDataModule.h"
#include "common/Mode.h"
#include "common/Prompter.h"
#include "print/TCheckChoiceForm.h"
#include "sales/LineLists.h"
#include "sales/LinePanel.h"
#include "ui/BusyCursor.h"
#include "ui/FormOpener.h"

#include <QLabel>
#include "ui/GeneralError.h"

namespace pelora {

void TMainForm::btnCheckClick() {
    if (!lines_->hasLines(LineLists::kMain) && !lines_->hasLines(LineLists::kSplit)) {
        prompter_.information(QStringLiteral("Add an item to the tab."));
        return;
    }
    // A check of lines this screen does not show would not be the bill the waiter sees.
    if (!lines_->showTheTabAsItStands()) {
        showTabChangedElsewhere();
        return;
    }
    const TerminalSettings& s = data_.settings;
    std::unique_ptr<TCheckChoiceForm> form;
    try {
        BusyCursor busy;
        form = std::make_unique<TCheckChoiceForm>(
            *this, printing(), module_->clock(),
            CheckWindowSettings{{state_.currentTab, module_->session().pcRef}, s.splitMode, s.checkMode, s.drawerMode},
            this);
        form->lblTabRef->setText(pnlRight->lblTabRef->text());
        if (!modeIs(s.splitMode, '0')) {
            form->CollectSplits();
            form->BuildSplitButtons();
        }
    } catch (const std::exception& failure) {
        reportFailureAs(prompter_, failure, cannotOpenMessage(TCheckChoiceForm::staticMetaObject.className()));
        return;
    }
    showModal(*form);
}

} // namespace pelora
