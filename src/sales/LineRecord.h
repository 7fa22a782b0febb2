#pragma once

#include "sales/LineMath.h"

#include <QString>
#include <QStringList>

namespace pelora {

namespace db {
class Query;
class RowSet;
} // namespace db

// The columns that the open-line tables `tabline1` and `tabline2` share, and how the line
// arithmetic reads and writes them on a row.
namespace LineRecord {

// "opt3choice" and the like: option slot `n` (1 to 10) and the column's suffix.
QString optionColumn(int n, QStringView suffix);

// The columns a line keeps when it moves between the two lists, in insert order (everything but
// `itemqty` and the time stamp).
const QStringList& movedColumns();

// The arithmetic's input from the current row of a list.
LineMath::LineInput input(const db::Query& line);
// Writes the adjusted and extended amounts and the discount into the row being edited.
void write(db::RowSet& line, const LineMath::LineAmounts& amounts);

} // namespace LineRecord

} // namespace pelora
