#include "reports/Report.h"

namespace pelora::report {

double Report::bodyWidthMm() const {
    const double pageWidth = orientation == Orientation::Landscape ? 297.0 : 210.0;
    return pageWidth - 2 * kMarginMm;
}

Money Report::sum(BandKind kind, int sheetColumn) const {
    Money total;
    for (const Band& band : bands) {
        if (band.kind != kind)
            continue;
        for (const Cell& cell : band.cells)
            if (cell.sheetColumn == sheetColumn && cell.amount)
                total += *cell.amount;
    }
    return total;
}

Cell text(const QString& value, double leftMm, double widthMm, int sheetColumn) {
    Cell cell;
    cell.text = value;
    cell.leftMm = leftMm;
    cell.widthMm = widthMm;
    cell.sheetColumn = sheetColumn;
    return cell;
}

Cell amount(Money value, double leftMm, double widthMm, int sheetColumn) {
    Cell cell = rightText(value.toString(), leftMm, widthMm, sheetColumn);
    cell.amount = value;
    return cell;
}

Cell rightText(const QString& value, double leftMm, double widthMm, int sheetColumn) {
    Cell cell = text(value, leftMm, widthMm, sheetColumn);
    cell.align = Align::Right;
    return cell;
}

Cell exportOnly(const QString& value, int sheetColumn) {
    Cell cell = text(value, 0, 0, sheetColumn);
    cell.exportOnly = true;
    return cell;
}

Cell centredText(const QString& value, double leftMm, double widthMm, int sheetColumn) {
    Cell cell = text(value, leftMm, widthMm, sheetColumn);
    cell.align = Align::Centre;
    return cell;
}

} // namespace pelora::report
