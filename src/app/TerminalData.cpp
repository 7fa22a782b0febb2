#include "app/TerminalData.h"

#include "app/StaffList.h"
#include "common/Flag.h"
#include "common/Mode.h"
#include "db/ServerClock.h"
#include "payment/MopList.h"
#include "sales/SalesCaches.h"

namespace pelora {

TerminalData TerminalData::load(db::Connection& db, db::ServerClock& clock, QString& pcRef,
                                int previousCharsetCode) {
    TerminalData d;
    d.settings = loadTerminalSettings(db, pcRef, previousCharsetCode);
    d.master = loadMasterFlags(db);
    if (modeIs(d.settings.glyphMode, '1'))
        d.pictureRows =
            db::TextTable::load(db, QStringLiteral("SELECT id, filename FROM image ORDER BY id"));
    d.staff = loadStaffList(db);
    if (!isTrue(d.master.linkRequery))
        d.buttons.load(db);
    if (!isTrue(d.master.optRequery))
        d.optionChoices = loadOptionChoices(db);
    if (!isTrue(d.master.tabRequery)) {
        d.tabMap = loadTabMap(db);
        d.maps = loadMaps(db);
    }
    if (!isTrue(d.master.mopRequery))
        d.mops = loadMopList(db);
    if (!isTrue(d.master.discRequery))
        d.discounts = loadDiscounts(db);
    d.outputDevices.load(db, pcRef);
    d.lastRefresh = clock.now();
    return d;
}

} // namespace pelora
