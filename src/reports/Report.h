#pragma once

#include "common/Money.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace pelora {

// A printed report as data: a title, the column header repeated at the top of every page, and
// the bands of its body in order. Every place is in millimetres from the left margin; the page
// is A4 with 10 mm margins. The preview, the printer, the PDF and the spreadsheet all read the
// same bands, so what a test checks here is what the manager sees.
namespace report {

inline constexpr double kMarginMm = 10.0;
inline constexpr double kLineMm = 5.0;   // one band line
inline constexpr double kTitleMm = 12.0; // the title band, first page only
inline constexpr double kFooterMm = 7.0; // the page number line

enum class Orientation { Portrait, Landscape };
enum class Align { Left, Right, Centre };

// What a band is for. Group headers are kept with the band after them across a page break.
enum class BandKind { Detail, SubDetail, GroupHeader, GroupFooter, Summary };

// One text on a line: its field (left edge and width in millimetres) and alignment. An amount
// keeps its value beside its text so that a spreadsheet gets a number; `sheetColumn` says under
// which heading of the spreadsheet the cell goes (-1: not exported).
struct Cell {
    QString text;
    double leftMm = 0;
    double widthMm = 0; // 0: to the right edge
    Align align = Align::Left;
    int sheetColumn = -1;
    std::optional<Money> amount;
    bool ruleAbove = false; // a rule over the field (a subtotal)
    bool bold = false;
    bool exportOnly = false; // in the spreadsheet only (a row's date beside its breakdown)
};

struct Band {
    BandKind kind = BandKind::Detail;
    std::vector<Cell> cells;
};

struct Report {
    QString title;
    Orientation orientation = Orientation::Landscape;
    std::vector<Cell> columnHeader;
    // The spreadsheet's headings, one per sheet column.
    QStringList sheetColumns;
    std::vector<Band> bands;

    // The width between the margins.
    double bodyWidthMm() const;
    // The sum of the amounts of the bands of a kind under a spreadsheet column.
    Money sum(BandKind kind, int sheetColumn) const;
};

// A left-aligned text field.
Cell text(const QString& value, double leftMm, double widthMm = 0, int sheetColumn = -1);
// An amount right-aligned in its field, shown with the money mask "0.00##".
Cell amount(Money value, double leftMm, double widthMm, int sheetColumn = -1);
// A text right-aligned in its field (a heading over amounts).
Cell rightText(const QString& value, double leftMm, double widthMm, int sheetColumn = -1);
// A cell that goes to the spreadsheet only (a line's receipt id beside the line).
Cell exportOnly(const QString& value, int sheetColumn);
// A text centred in its field.
Cell centredText(const QString& value, double leftMm, double widthMm, int sheetColumn = -1);

} // namespace report
} // namespace pelora
