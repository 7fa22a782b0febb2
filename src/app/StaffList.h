#pragma once

#include "db/TextTable.h"

namespace pelora {

namespace db {
class Connection;
}

// The staff who log in on this till: id, ref and the password in lower case; by id.
db::TextTable loadStaffList(db::Connection& db);
enum StaffColumn { StaffId, StaffRef, StaffPassword };

} // namespace pelora
