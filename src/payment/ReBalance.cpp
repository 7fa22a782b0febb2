#include "payment/ReBalance.h"

#include "common/Money.h"
#include "common/Prompter.h"
#include "payment/AccountBalance.h"
#include "ui/BusyCursor.h"

namespace pelora {

void reBalanceTab(db::Connection& db, Prompter& prompter, int tabId, const QString& ref) {
    if (tabId < 2) {
        prompter.information(QStringLiteral("First select a Tab."));
        return;
    }
    const Prompter::Answer answer = prompter.confirmWithCancel(
        QStringLiteral("Recalculate balance for Tab:") + ref + QStringLiteral(" from receipts?") + kLineBreak +
        kLineBreak + QStringLiteral("Yes: All receipts will be recalculated.") + kLineBreak +
        QStringLiteral("No: An incremental calculation will be used."));
    if (answer == Prompter::Answer::Cancel)
        return;
    Money expected;
    {
        BusyCursor busy;
        if (answer == Prompter::Answer::Yes)
            RecalcReceiptBalance(db, tabId);
        else
            UpdateReceiptBalance(db, tabId);
        expected = expectedReceiptBalance(db, tabId);
    }
    prompter.information(QStringLiteral("Expected Receipt Balance : ") + moneyText(expected.toDouble()));
}

} // namespace pelora
