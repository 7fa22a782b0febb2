#include "reports/ReportLauncher.h"

#include "common/DateTimeText.h"
#include "common/Prompter.h"
#include "db/Query.h"
#include "db/ServerClock.h"
#include "reports/AccountReport.h"
#include "reports/InventoryReport.h"
#include "reports/TDTRangeForm.h"
#include "reports/TReportPreviewForm.h"
#include "reports/TSplitRangeForm.h"
#include "ui/BusyCursor.h"
#include "ui/FormOpener.h"
#include "ui/GeneralError.h"

namespace pelora {

void ReportLauncher::openPeriodDialog(ReportKind kind) {
    const bool narrow = kind == ReportKind::Receipt || kind == ReportKind::Recline || kind == ReportKind::Exceptions;
    if (auto form = makeFilledForm<TDTRangeForm>(context_.prompter(), [&] {
            return std::make_unique<TDTRangeForm>(context_, kind, narrow);
        }))
        showModal(*form);
}

bool ReportLauncher::anyTabActive(db::Connection& db) {
    db::Query query(db);
    query.setSql(QStringLiteral("SELECT l.tabid, t.ref FROM tabline1 l LEFT JOIN tab t ON l.tabid = t.id"
                                " UNION SELECT l.tabid, t.ref FROM tabline2 l LEFT JOIN tab t ON l.tabid = t.id"
                                " ORDER BY 2"));
    query.open();
    return !query.isEmpty();
}

void ReportLauncher::openXReport() {
    bool active = false;
    try {
        BusyCursor busy;
        active = anyTabActive(context_.db());
    } catch (const std::exception& failure) {
        reportFailure(context_.prompter(), failure);
        return;
    }
    if (active && !context_.prompter().confirm(QStringLiteral("At least one tab is still active. Continue?")))
        return;
    openPeriodDialog(ReportKind::X);
}

void ReportLauncher::openSplitReport() {
    if (auto form = makeFilledForm<TSplitRangeForm>(context_.prompter(),
                                                    [&] { return std::make_unique<TSplitRangeForm>(context_); }))
        showModal(*form);
}

void ReportLauncher::openAccountReport() {
    Prompter& prompter = context_.prompter();
    const Prompter::Answer answer = prompter.confirmWithCancel(
        QStringLiteral("Recalculate Accounts using every receipt?") + kLineBreak + kLineBreak +
        QStringLiteral("Yes: All receipts will be included.") + kLineBreak +
        QStringLiteral("No: An incremental calculation will be used."));
    if (answer == Prompter::Answer::Cancel)
        return;
    bool counted = false;
    runReportingFailures(prompter, [&] {
        BusyCursor busy;
        recountAccounts(context_.db(), answer == Prompter::Answer::Yes ? Recount::Full : Recount::Incremental);
        counted = true;
    });
    if (!counted)
        return;
    previewReport<TTabCrRptForm>(prompter, context_.parent, [&] {
        const QString title = QStringLiteral("Account Balance Report : ") + dateTimeDisplay(context_.clock.now());
        return accountReport(title, readAccountRows(context_.db()));
    });
}

void ReportLauncher::openInventoryReport() {
    previewReport<TInventoryRptForm>(context_.prompter(), context_.parent, [&] {
        return inventoryReport(context_.db(), QStringLiteral("Inventory Report : ") + dateTimeDisplay(context_.clock.now()));
    });
}

} // namespace pelora
