#pragma once

#include "common/Money.h"
#include "print/CheckPaper.h"

#include <QStringView>

namespace pelora {

namespace db {
class Connection;
}

// Keeps what the guests handed over against their check until the tab is paid: on the split
// (by its reference) or, for the whole tab, on the tab. The amount replaces any earlier one.
// Nothing is kept for the lines in no split, nor for the NonTab, which has no row to keep it.
void savePreTender(db::Connection& db, int tabId, const CheckScope& scope, Money amount);

// What a pre-tender prints, by the terminal's `checkmode`: "1" the check, "2" the drawer and
// then the check, "3" the drawer alone, anything else nothing. The drawer opens as its
// `drawermode` says. Printer errors are thrown.
void printPreTenderCheck(const Printing& printing, db::ServerClock& clock, QStringView checkMode,
                         QStringView drawerMode, const CheckHeading& heading, const CheckLines& check);

} // namespace pelora
