#include "payment/MopList.h"

#include "common/Placeholders.h"

namespace pelora {

db::TextTable loadMopList(db::Connection& db) {
    // A method still named as the editor's placeholder was never finished: no till takes money by it.
    return db::TextTable::load(db,
                               QStringLiteral("SELECT id, name FROM mop WHERE ") + placeholder::leftOut(QStringLiteral("name")) +
                                   QStringLiteral(" ORDER BY name"),
                               {placeholder::comparedAs(placeholder::kMop)});
}

} // namespace pelora
