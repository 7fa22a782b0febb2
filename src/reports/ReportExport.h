#pragma once

#include "reports/Report.h"

#include <QString>
#include <QStringList>

#include <stdexcept>
#include <vector>

namespace pelora::report {

// A report's rows as a spreadsheet takes them: the title, the headings, then one row per band
// that has a cell under a heading. Amounts stay numbers.
struct SheetCell {
    QString text;
    std::optional<Money> amount;
};
using SheetRow = std::vector<SheetCell>;

std::vector<SheetRow> sheetRows(const Report& report);

class ExportError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Comma-separated, UTF-8, fields quoted where they must be. A text a spreadsheet would take for
// a formula (an item named "=SUM(...)") is written with a leading apostrophe, so opening the
// file never runs what someone typed into a name. Throws ExportError when the file cannot be
// written.
void writeCsv(const Report& report, const QString& path);
// An XLSX workbook of one sheet: the title in bold, the headings in bold, amounts as numbers
// shown "0.00##". Throws ExportError when the file cannot be written.
void writeXlsx(const Report& report, const QString& path);

// The field of a CSV row as written (exposed for the tests of its quoting).
QString csvField(const SheetCell& cell);

} // namespace pelora::report
