// The sales screen's fast find: a bar code scanned or typed into the find box adds its item.

#include "sales/TMainForm.h"

#include "app/TMainDataModule.h"
#include "common/Mode.h"
#include "sales/FastFind.h"
#include "sales/LinePanel.h"
#include "sales/TSearchForm.h"
#include "ui/BusyCursor.h"
#include "ui/FormOpener.h"
#include "ui/GeneralError.h"
#include "ui/TKeyBoardForm.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

namespace pelora {

void TMainForm::setUpFastFind() {
    LinePanel& right = *pnlRight;
    wire(right.btnSearch, &TMainForm::btnSearchClick);
    // What the box holds: read at each search; the box keeps the focus for the next scan.
    for (QRadioButton* choice : {right.rbBarcode, right.rbStockNo, right.rbBoth})
        wire(choice, [this] { pnlRight->edtFind->setFocus(); });
    // F9 in the find box is "Search F9"; the Return a scanner ends its code with searches at once.
    auto* f9 = new QShortcut(QKeySequence(Qt::Key_F9), right.edtFind, nullptr, nullptr, Qt::WidgetShortcut);
    connect(f9, &QShortcut::activated, this, [this] { runReportingFailures(prompter_, [this] { btnSearchClick(); }); });
    connect(right.edtFind, &QLineEdit::returnPressed, this, [this] {
        if (!pnlRight->edtFind->isReadOnly())
            runReportingFailures(prompter_, [this] { FastFindSearch(); });
    });
    fastFindMode_ = keyboardModes_.addSearch(QStringLiteral("fastfind"), [this](const QString& text) {
        pnlRight->edtFind->setText(text);
        FastFindSearch();
    });
}

void TMainForm::applyFindMode(bool on) {
    LinePanel& right = *pnlRight;
    right.edtFind->setEnabled(on);
    // Filled from the on-screen keyboard only.
    right.edtFind->setReadOnly(modeIs(data_.settings.findMode, '2'));
    setAvailable(right.btnSearch, on);
    for (QRadioButton* choice : {right.rbBarcode, right.rbStockNo, right.rbBoth})
        setAvailable(choice, on);
}

void TMainForm::btnSearchClick() {
    if (modeIs(data_.settings.findMode, '2'))
        openKeyboard(this, prompter_, keyboardModes_, {QStringLiteral("fastfind"), QString(), QString(), false});
    else
        FastFindSearch();
}

void TMainForm::FastFindSearch() {
    LinePanel& right = *pnlRight;
    FastFind::By by = FastFind::By::Barcode;
    if (right.rbStockNo->isChecked())
        by = FastFind::By::StockNo;
    else if (right.rbBoth->isChecked())
        by = FastFind::By::Both;
    const auto choose = [this](const db::TextTable& found) {
        TSearchForm list(found, this);
        showModal(list);
        return list.chosenId();
    };
    int itemId = 0;
    try {
        BusyCursor busy;
        itemId = FastFind::find(module_->db1, prompter_, right.edtFind->text(), by, choose);
    } catch (const std::exception& failure) {
        reportFailureAs(prompter_, failure, cannotOpenMessage(TSearchForm::staticMetaObject.className()));
        return;
    }
    if (itemId == 0)
        return;
    bool added = false;
    {
        BusyCursor busy;
        added = AddItem(itemId, true);
    }
    if (!added)
        return;
    // Ready for the next scan.
    right.edtFind->clear();
    right.edtFind->setFocus();
}

} // namespace pelora
