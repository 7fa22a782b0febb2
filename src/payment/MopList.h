#pragma once

#include "db/TextTable.h"

namespace pelora {

namespace db {
class Connection;
}

// The payment methods the chooser offers: id, name; by name.
db::TextTable loadMopList(db::Connection& db);

} // namespace pelora
