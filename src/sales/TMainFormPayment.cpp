// The sales screen's payments: "Payment", "Refund" and "A/C Cr", and what the screen does after
// each receipt.
#include "sales/TMainForm.h"

#include "app/TMainDataModule.h"
#include "common/Flag.h"
#include "common/Mode.h"
#include "common/Prompter.h"
#include "payment/AccountBalance.h"
#include "payment/MopList.h"
#include "payment/ReceiptCommit.h"
#include "payment/TMopChoiceForm.h"
#include "payment/Tendering.h"
#include "print/ReceiptDocket.h"
#include "sales/ItemPage.h"
#include "sales/LineLists.h"
#include "sales/StatusLine.h"
#include "ui/FormOpener.h"
#include "ui/GeneralError.h"

#include <QPushButton>
#include <QScreen>
#include <QTabWidget>

namespace pelora {

namespace {
const QString kAddALine = QStringLiteral("Add a line to the tab.");
} // namespace

db::Connection& TMainForm::paymentDatabase() { return module_->db1; }

db::TextTable TMainForm::paymentMethods() {
    return isTrue(data_.master.mopRequery) ? loadMopList(module_->db1) : data_.mops;
}

ReceiptCommit TMainForm::receiptCommit() {
    return ReceiptCommit(module_->db1, prompter_,
                         {module_->session().pcRef, module_->session().staffRef, data_.settings.countMode, approver_});
}

void TMainForm::btnTenderedClick() { openMopChoice(false); }

void TMainForm::btnRefundClick() { openMopChoice(true); }

void TMainForm::openMopChoice(bool refund) {
    int list = LineLists::kSplit;
    if (!lines_->hasLines(list))
        list = LineLists::kMain;
    if (!lines_->hasLines(list)) {
        prompter_.warning(kAddALine);
        return;
    }
    const Money total = list == LineLists::kSplit ? total2_ : total1_;
    showMopChoice(total.toString(), Tendering::kSale, LineLists::tableName(list), refund, !refund);
}

void TMainForm::btnCreditClick() {
    const int tab = state_.currentTab;
    if (tab < 2) {
        prompter_.information(QStringLiteral("Select a tab.") + kLineBreak +
                              QStringLiteral("Note: The selected tab cannot be \"Unknown\" or \"NonTab\"."));
        return;
    }
    QString mode = Tendering::kCredit;
    const Money balance = readAccountCredit(module_->db1, tab).balance;
    if (balance < Money()) {
        const Prompter::Answer answer = prompter_.confirmWithCancel(
            QStringLiteral("The Tab is already in credit. Increase Credit?") + kLineBreak + kLineBreak +
            QStringLiteral("Yes: the customer wants to pay for more credit.") + kLineBreak +
            QStringLiteral("No: the customer wants money paid out."));
        if (answer == Prompter::Answer::Cancel)
            return;
        if (answer == Prompter::Answer::No)
            mode = Tendering::kDebit;
    }
    showMopChoice(balance.toString(), mode, QStringLiteral("Source"), false, true);
}

void TMainForm::showMopChoice(const QString& total, const QString& creditMode, const QString& source, bool refund,
                              bool overPages) {
    std::unique_ptr<TMopChoiceForm> form;
    try {
        form = std::make_unique<TMopChoiceForm>(*this, prompter_, this);
        form->total = total;
        form->creditMode = creditMode;
        form->source = source;
        form->refund = refund ? QStringLiteral("T") : QStringLiteral("F");
        form->BuildMopButtons(paymentMethods());
    } catch (const std::exception& failure) {
        reportFailureAs(prompter_, failure, cannotOpenMessage(TMopChoiceForm::staticMetaObject.className()));
        return;
    }
    const QSize size = form->sizeHint();
    if (overPages) {
        // Centred over the page area, the odd pixel to the right, a little below the middle.
        const auto half = [](int d) { return (d + (d & 1)) / 2; };
        const QPoint pages = pgcMain->mapToGlobal(QPoint(0, 0));
        form->move(pages.x() + half(pgcMain->width() - size.width()),
                   pages.y() + half(pgcMain->height() - size.height()) + 14);
    } else if (const QScreen* s = screen()) {
        form->move(s->availableGeometry().center() - QPoint(size.width() / 2, size.height() / 2));
    }
    showModal(*form);
}

int TMainForm::CommitReceipt(const QString& source, const QString& mop, Money total, Money tendered, Money credit,
                             bool refund) {
    const int list = source == LineLists::tableName(LineLists::kSplit) ? LineLists::kSplit : LineLists::kMain;
    const db::RowSet& second = lines_->list(LineLists::kSplit);
    const int receiptId = receiptCommit().CommitReceipt(state_.currentTab, lines_->list(list), source, mop, total,
                                                        tendered, credit, refund, second.isOpen() ? &second : nullptr);
    if (receiptId == ReceiptCommit::kTabChanged)
        showTabChangedElsewhere();
    return receiptId;
}

void TMainForm::showTabChangedElsewhere() {
    ReadLineLists();
    ShowOccupiedTabs();
    prompter_.warning(QStringLiteral("The tab was changed on another till. Its lines have been read again:"
                                     " check them and take the payment again."));
}

int TMainForm::CommitCredit(const QString& mop, Money amount) {
    const int receiptId = receiptCommit().CommitCredit(state_.currentTab, mop, amount);
    ShowTabBalance();
    return receiptId;
}

int TMainForm::CommitDebit(const QString& mop, Money amount) {
    const int receiptId = receiptCommit().CommitDebit(state_.currentTab, mop, amount);
    ShowTabBalance();
    return receiptId;
}

bool TMainForm::processOrdersAtPayment() {
    return !modeIs(data_.settings.processMode, '2') || processOrdersTelling();
}

void TMainForm::PrintReceiptOutputs(int receiptId) {
    const TerminalSettings& s = data_.settings;
    try {
        printReceiptOutputs(printing(), s.docketMode, s.drawerMode, receiptId);
    } catch (const std::exception& failure) {
        reportFailure(prompter_, failure);
    }
}

// After each commit the screen is brought up to date before the docket prints: a printer
// failure then finds the paid lines already gone from the lists, so they cannot be paid twice.

void TMainForm::receiptFromChooser(int receiptId, const QString& source) {
    if (state_.currentTab != SalesState::kNonTab && source == LineLists::tableName(LineLists::kMain))
        ResetTabState();
    ReadLineLists();
    ShowTabBalance();
    if (!lines_->hasLines(LineLists::kMain) && !lines_->hasLines(LineLists::kSplit)) {
        pgeItem->btnReset->click();
        ShowStartPage();
    } else if (modeIs(data_.settings.countMode, '1')) {
        ShowLink(state_.currentLink);
    }
    ShowOccupiedTabs();
    PrintReceiptOutputs(receiptId);
}

void TMainForm::receiptFromTender(int receiptId, Money change) {
    const TerminalSettings& s = data_.settings;
    ReadLineLists();
    statusLine_->setText(2, QStringLiteral("Change: ") + change.toString());
    if (!lines_->hasLines(LineLists::kMain) && !lines_->hasLines(LineLists::kSplit)) {
        if (state_.currentTab != SalesState::kNonTab) {
            ResetTabState();
            ShowTabBalance();
        }
        showFirstPages();
    } else if (modeIs(s.countMode, '1')) {
        ShowLink(state_.currentLink);
    }
    ShowOccupiedTabs();
    PrintReceiptOutputs(receiptId);
}

void TMainForm::accountMoved(int receiptId) {
    pgeItem->btnReset->click();
    PrintReceiptOutputs(receiptId);
}

} // namespace pelora
