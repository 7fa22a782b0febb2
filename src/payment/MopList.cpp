#include "payment/MopList.h"

namespace pelora {

db::TextTable loadMopList(db::Connection& db) {
    return db::TextTable::load(db, QStringLiteral("SELECT id, name FROM mop ORDER BY name"));
}

} // namespace pelora
