#pragma once

#include "db/TextTable.h"

#include <QString>

#include <functional>

namespace pelora {

class Prompter;
namespace db {
class Connection;
}

// The sales screen's fast find: a bar code or stock number typed or scanned into the find box
// names the item to add. Codes are compared in upper case, so that "abc12" finds "ABC12", and
// the search uses the indexes on the upper-cased codes.
namespace FastFind {

enum class By { Barcode, StockNo, Both };

// The rows found, as the result list shows them: id, name, stockno, barcode1, barcode2, stopline.
enum Column { Id, Name, StockNo, Barcode1, Barcode2, Stop };

// The items whose code (as `by` chooses) equals the text in any letter case, by id.
db::TextTable search(db::Connection& db, const QString& text, By by);

// Picks one of several items found; returns its id, or 0 when the operator takes none.
using Chooser = std::function<int(const db::TextTable& rows)>;

// The item to add for the text, or 0 for none. An empty text asks for a bar code or stock
// number ("Both" asks nothing); one item found is taken unless it is stopped; several go to
// `choose`, whose choice is taken even when stopped. A database failure is thrown.
int find(db::Connection& db, Prompter& prompter, const QString& text, By by, const Chooser& choose);

} // namespace FastFind

} // namespace pelora
