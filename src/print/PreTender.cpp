#include "print/PreTender.h"

#include "common/Mode.h"
#include "db/Connection.h"
#include "print/CashDrawer.h"

namespace pelora {

void savePreTender(db::Connection& db, int tabId, const CheckScope& scope, Money amount) {
    if (scope.wholeTab) {
        if (tabId > 1)
            db.run(QStringLiteral("UPDATE tab SET tendered = ? WHERE id = ?"), {amount, tabId});
    } else if (!scope.split.isEmpty()) {
        db.run(QStringLiteral("UPDATE split SET tendered = ? WHERE ref = ?"), {amount, scope.split});
    }
}

void printPreTenderCheck(const Printing& printing, db::ServerClock& clock, QStringView checkMode,
                         QStringView drawerMode, const CheckHeading& heading, const CheckLines& check) {
    if (modeIs(checkMode, '2') || modeIs(checkMode, '3'))
        openDrawer(printing.spooler, printing.outputs, drawerMode, printing.prompter);
    if (modeIs(checkMode, '1') || modeIs(checkMode, '2'))
        printCheck(printing, clock, heading, check);
}

} // namespace pelora
