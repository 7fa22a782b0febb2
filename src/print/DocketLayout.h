#pragma once

#include "common/Money.h"

#include <QString>
#include <QStringList>

namespace pelora::docket {

// The column layout of the receipt docket and the check. W is the output's characters per
// body line; the name column is W - 15 wide, the quantity column 5 and the amount column 10.
// Below 16 there is no room for a name column: names then take their length and a blank, and a
// detail text is not broken into pieces.
int nameWidth(int width);

// "Qty  Item ...    Price ": W characters (more when W - 15 is below 5).
QString columnHeader(int width);
// The quantity as text cut to 5 characters, the name padded to the name column (never cut),
// and the amount right-aligned in 10 with "*" after it when the line carries tax.
QString itemLine(double qty, const QString& name, Money amount, bool taxed, int width);
// A text in pieces of W - 15 characters, each indented by five blanks; none for an empty text.
QStringList detailLines(const QString& text, int width);
// A text in pieces of `piece` characters (one piece when `piece` is not above 0), each
// indented by five blanks; none for an empty text.
QStringList indentedPieces(const QString& text, int piece);
// The amount followed by one blank, right-aligned in at least 10.
QString summaryAmount(Money amount);
// A label and its amount, right-aligned in at least W.
QString summaryLine(const QString& label, Money amount, int width);
// Any text right-aligned in at least W, with at least one blank in front.
QString rightAligned(const QString& text, int width);

// The quantity as the till writes it ("2", "1.5", "-1"), and as its column: cut or padded to 5.
QString quantityText(double qty);
QString quantityColumn(double qty);

} // namespace pelora::docket
