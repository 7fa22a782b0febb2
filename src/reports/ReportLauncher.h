#pragma once

#include "reports/ReportContext.h"
#include "reports/ReportPeriod.h"

namespace pelora {

// The console's way into the reports: each opens its window over the console and reports its
// own failures.
class ReportLauncher {
public:
    explicit ReportLauncher(const ReportContext& context) : context_(context) {}

    // The period dialog for a kind; the receipt and exception reports show it without its options.
    void openPeriodDialog(ReportKind kind);
    // Asks first when a tab still holds lines: "At least one tab is still active. Continue?"
    void openXReport();
    void openSplitReport();
    // Recounts every account from all receipts (Yes) or from the last counted (No), then
    // previews the balances.
    void openAccountReport();
    void openInventoryReport();

    // Whether any tab holds open lines on any till.
    static bool anyTabActive(db::Connection& db);

private:
    ReportContext context_;
};

} // namespace pelora
