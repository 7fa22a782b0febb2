#pragma once

#include "db/TextTable.h"

#include <optional>

namespace pelora {

namespace db {
class Connection;
}

// The staff who log in on this till: id, ref and the password in lower case; by id.
db::TextTable loadStaffList(db::Connection& db);
enum StaffColumn { StaffId, StaffRef, StaffPassword };

// The ref of the first staff member whose password was typed, in any letter case. A blank
// password matches nobody, also a staff member who has none.
std::optional<QString> staffRefForPassword(const db::TextTable& staff, const QString& typed);

// Tries the typed password for the database users SYSDBA, admin1_pelora and admin2_pelora in
// turn on `probe` (each try connects and at once disconnects), always with the role app. The
// staff reference of the first the server accepts: "SYSDBA", "admin1" or "admin2".
std::optional<QString> databaseUserForPassword(db::Connection& probe, const QString& databasePath,
                                               const QString& typed);

} // namespace pelora
