#pragma once

#include <QString>

namespace pelora {

class Prompter;

namespace db {
class Connection;
}

// "Re-Bal" on the sales screen and "Re-Balance" in the tab account editor: asks whether the
// receipt balance of the tab is counted from every receipt (Yes) or from the last one counted
// (No), counts it under the hourglass and shows what the receipts say the tab owes. Tabs below
// 2 are refused with "First select a Tab.".
void reBalanceTab(db::Connection& db, Prompter& prompter, int tabId, const QString& ref);

} // namespace pelora
