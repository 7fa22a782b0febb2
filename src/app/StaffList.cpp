#include "app/StaffList.h"

namespace pelora {

db::TextTable loadStaffList(db::Connection& db) {
    db::TextTable staff =
        db::TextTable::load(db, QStringLiteral("SELECT id, ref, pword FROM staff ORDER BY id"));
    for (int r = 0; r < staff.rowCount(); ++r)
        staff.set(r, StaffPassword, staff.at(r, StaffPassword).toLower());
    return staff;
}

} // namespace pelora
