#include "reports/ReportExport.h"

#include <QFile>
#include <QSaveFile>

#include <xlsxwriter.h>

#include <algorithm>

namespace pelora::report {

std::vector<SheetRow> sheetRows(const Report& report) {
    const int columns = static_cast<int>(report.sheetColumns.size());
    std::vector<SheetRow> rows;
    rows.push_back({SheetCell{report.title, {}}});
    SheetRow headings;
    for (const QString& heading : report.sheetColumns)
        headings.push_back({heading, {}});
    rows.push_back(headings);
    for (const Band& band : report.bands) {
        SheetRow row(static_cast<std::size_t>(columns));
        bool any = false;
        for (const Cell& cell : band.cells) {
            if (cell.sheetColumn < 0 || cell.sheetColumn >= columns)
                continue;
            SheetCell& into = row[static_cast<std::size_t>(cell.sheetColumn)];
            into.text = cell.text;
            into.amount = cell.amount;
            any = true;
        }
        if (any)
            rows.push_back(std::move(row));
    }
    return rows;
}

QString csvField(const SheetCell& cell) {
    if (cell.amount)
        return cell.amount->toString();
    QString text = cell.text;
    if (!text.isEmpty() && QStringLiteral("=+-@\t\r").contains(text.front()))
        text.prepend(u'\'');
    if (text.contains(u',') || text.contains(u'"') || text.contains(u'\n') || text.contains(u'\r')) {
        text.replace(u'"', QStringLiteral("\"\""));
        text = u'"' + text + u'"';
    }
    return text;
}

void writeCsv(const Report& report, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw ExportError(file.errorString().toStdString());
    for (const SheetRow& row : sheetRows(report)) {
        QStringList fields;
        for (const SheetCell& cell : row)
            fields << csvField(cell);
        file.write(fields.join(u',').toUtf8() + "\r\n");
    }
    if (!file.commit())
        throw ExportError(file.errorString().toStdString());
}

void writeXlsx(const Report& report, const QString& path) {
    const QByteArray file = QFile::encodeName(path);
    lxw_workbook* book = workbook_new(file.constData());
    if (!book)
        throw ExportError("The workbook could not be made.");
    lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);
    lxw_format* bold = workbook_add_format(book);
    format_set_bold(bold);
    lxw_format* money = workbook_add_format(book);
    format_set_num_format(money, "0.00##");

    const std::vector<SheetRow> rows = sheetRows(report);
    std::vector<int> widths(report.sheetColumns.size(), 8);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const auto row = static_cast<lxw_row_t>(r);
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            const SheetCell& cell = rows[r][c];
            const auto col = static_cast<lxw_col_t>(c);
            if (cell.amount) {
                worksheet_write_number(sheet, row, col, cell.amount->toDouble(), money);
            } else if (!cell.text.isEmpty()) {
                const QByteArray utf8 = cell.text.toUtf8();
                // The title and the headings are bold; body texts are plain.
                worksheet_write_string(sheet, row, col, utf8.constData(), r < 2 ? bold : nullptr);
            }
            if (r > 0 && c < widths.size())
                widths[c] = std::max(widths[c], static_cast<int>(cell.text.size()) + 2);
        }
    }
    for (std::size_t c = 0; c < widths.size(); ++c)
        worksheet_set_column(sheet, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c),
                             std::min(widths[c], 60), nullptr);
    const lxw_error result = workbook_close(book);
    if (result != LXW_NO_ERROR)
        throw ExportError(lxw_strerror(result));
}

} // namespace pelora::report
