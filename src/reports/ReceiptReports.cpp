#include "reports/ReceiptReports.h"

#include "common/DateTimeText.h"
#include "db/Connection.h"
#include "db/Query.h"
#include "reports/ReportReading.h"

#include <QHash>
#include <QStringList>

namespace pelora {

ReceiptReportFigures readReceiptReport(db::Connection& db, const ReportPeriod& period, bool withLines) {
    ReceiptReportFigures figures;
    db::Snapshot snapshot(db);
    db::Query query(db);
    query.setSql(QStringLiteral("SELECT r.id, r.istamp, r.ustamp, r.pcref, r.tabref, r.total, r.tendered, r.mop,"
                                " COUNT(l.id) AS nlines, ") +
                 totalsSelectList() +
                 QStringLiteral(" FROM receipt r LEFT JOIN recline l ON r.id = l.recid"
                                " WHERE r.istamp >= ? AND r.istamp < ?"
                                " GROUP BY r.id, r.istamp, r.ustamp, r.pcref, r.tabref, r.total, r.tendered, r.mop"
                                " ORDER BY r.id"));
    query.open(periodParams(period));
    QHash<int, std::size_t> receiptAt;
    figures.receipts.reserve(static_cast<std::size_t>(query.rowCount()));
    for (; !query.eof(); query.next()) {
        ReceiptReportRow row;
        row.id = static_cast<int>(query.value(u"id").asInt());
        row.istamp = query.value(u"istamp").asDateTime();
        row.pcRef = query.value(u"pcref").asText();
        row.tabRef = query.value(u"tabref").asText();
        row.mop = query.value(u"mop").asText();
        row.tendered = query.value(u"tendered").asMoney();
        if (query.value(u"nlines").asInt() > 0)
            row.sums = totalsOf(query);
        receiptAt.insert(row.id, figures.receipts.size());
        figures.receipts.push_back(std::move(row));
    }
    if (!withLines)
        return figures;

    QStringList options;
    for (int n = 1; n <= 10; ++n)
        options << QStringLiteral("l.opt%1caption, l.opt%1choice").arg(n);
    // The period's receipts first, then their lines (see breakdownSql()).
    query.setSql(QStringLiteral("SELECT l.recid, l.itemname, ") + options.join(QStringLiteral(", ")) +
                 QStringLiteral(", l.extcost, l.extprice, l.exttax, l.disc FROM receipt r"
                                " LEFT JOIN recline l ON r.id = l.recid WHERE r.istamp >= ? AND r.istamp < ?"
                                " AND l.id IS NOT NULL ORDER BY l.recid, l.id"));
    query.open(periodParams(period));
    const int firstOption = query.fieldIndex(u"opt1caption");
    for (; !query.eof(); query.next()) {
        const auto at = receiptAt.constFind(static_cast<int>(query.value(u"recid").asInt()));
        if (at == receiptAt.constEnd())
            continue;
        std::array<QString, 10> captions, choices;
        for (int n = 0; n < 10; ++n) {
            captions[static_cast<std::size_t>(n)] = query.value(firstOption + 2 * n).asText();
            choices[static_cast<std::size_t>(n)] = query.value(firstOption + 2 * n + 1).asText();
        }
        const Money cost = query.value(u"extcost").asMoney();
        const Money price = query.value(u"extprice").asMoney();
        figures.receipts[*at].lines.push_back(
            {lineDescription(query.value(u"itemname").asText(), captions, choices),
             {cost, price, query.value(u"exttax").asMoney(), price - cost, query.value(u"disc").asMoney()}});
    }
    query.setSql(QStringLiteral("SELECT ") + totalsSelectList() +
                 QStringLiteral(" FROM receipt r LEFT JOIN recline l ON r.id = l.recid"
                                " WHERE r.istamp >= ? AND r.istamp < ?"));
    query.open(periodParams(period));
    figures.grand = totalsOf(query);
    return figures;
}

QString lineDescription(const QString& itemName, const std::array<QString, 10>& captions,
                        const std::array<QString, 10>& choices) {
    QStringList taken;
    for (std::size_t n = 0; n < choices.size(); ++n) {
        if (choices[n].isEmpty())
            continue;
        taken << (choices[n] == u"T" ? captions[n] : captions[n] + QStringLiteral(": ") + choices[n]);
    }
    if (taken.isEmpty())
        return itemName;
    return itemName + QStringLiteral(" > ") + taken.join(QStringLiteral(" + "));
}

namespace {

using namespace report;

constexpr std::array<double, 5> kAmountMm{59, 78, 97, 116, 136};
constexpr double kAmountWidthMm = 17;
constexpr double kPcRefMm = 155;
constexpr double kTabRefMm = 195;
constexpr double kMopMm = 235;
constexpr double kTenderedEndMm = 275;

std::vector<Cell> amountCells(const ReportTotals& t, bool rule = false) {
    const std::array<Money, 5> amounts{t.cost, t.price, t.tax, t.margin, t.disc};
    std::vector<Cell> cells;
    for (std::size_t i = 0; i < amounts.size(); ++i) {
        cells.push_back(amount(amounts[i], kAmountMm[i], kAmountWidthMm, receipts::Cost + static_cast<int>(i)));
        cells.back().ruleAbove = rule;
    }
    return cells;
}

Report receiptsFrame(const QString& title, const char* pcHeading) {
    Report report;
    report.title = title;
    report.orientation = Orientation::Landscape;
    report.sheetColumns = {QStringLiteral("ID"),     QStringLiteral("iDate/Time"), QStringLiteral("Cost"),
                           QStringLiteral("Price"),  QStringLiteral("Tax"),        QStringLiteral("Margin"),
                           QStringLiteral("Disc"),   QStringLiteral("PCRef"),      QStringLiteral("TabRef"),
                           QStringLiteral("MOP"),    QStringLiteral("Tendered"),   QStringLiteral("Item")};
    report.columnHeader = {text(QStringLiteral("ID"), 0), text(QStringLiteral("iDate/Time"), 21)};
    const std::array<const char*, 5> amounts{"Cost", "Price", "Tax", "Margin", "Disc"};
    for (std::size_t i = 0; i < amounts.size(); ++i)
        report.columnHeader.push_back(rightText(QString::fromLatin1(amounts[i]), kAmountMm[i], kAmountWidthMm));
    report.columnHeader.push_back(text(QString::fromLatin1(pcHeading), kPcRefMm));
    report.columnHeader.push_back(text(QStringLiteral("TabRef"), kTabRefMm));
    report.columnHeader.push_back(text(QStringLiteral("MOP"), kMopMm));
    report.columnHeader.push_back(rightText(QStringLiteral("Tendered"), kTenderedEndMm - 20, 20));
    return report;
}

// The receipt's own fields: id, time, terminal, tab, method and what was tendered.
std::vector<Cell> receiptCells(const ReceiptReportRow& row) {
    return {text(QString::number(row.id), 0, 20, receipts::Id),
            text(dateTimeDisplay(row.istamp), 21, 38, receipts::Stamp),
            text(row.pcRef, kPcRefMm, kTabRefMm - kPcRefMm, receipts::PcRef),
            text(row.tabRef, kTabRefMm, kMopMm - kTabRefMm, receipts::TabRef),
            text(row.mop, kMopMm, 20, receipts::Mop),
            amount(row.tendered, kTenderedEndMm - 20, 20, receipts::Tendered)};
}

Band totalBand(const ReportTotals& totals) {
    Band band{BandKind::Summary, amountCells(totals, true)};
    Cell label = text(QStringLiteral("Total"), 0, 20, receipts::Id);
    label.bold = true;
    band.cells.insert(band.cells.begin(), label);
    return band;
}

} // namespace

report::Report receiptReport(const QString& title, const ReceiptReportFigures& figures) {
    Report report = receiptsFrame(title, "PCRef");
    ReportTotals total;
    for (const ReceiptReportRow& row : figures.receipts) {
        Band band{BandKind::Detail, receiptCells(row)};
        if (row.sums) {
            for (Cell& cell : amountCells(*row.sums))
                band.cells.push_back(std::move(cell));
            total += *row.sums;
        }
        report.bands.push_back(std::move(band));
    }
    report.bands.push_back(totalBand(total));
    return report;
}

report::Report receiptLineReport(const QString& title, const ReceiptReportFigures& figures) {
    Report report = receiptsFrame(title, "PCRef / Item");
    for (const ReceiptReportRow& row : figures.receipts) {
        report.bands.push_back({BandKind::GroupHeader, receiptCells(row)});
        if (row.lines.empty())
            report.bands.push_back({BandKind::Detail, {}});
        for (const ReceiptReportLine& line : row.lines) {
            Band band{BandKind::Detail, amountCells(line.amounts)};
            band.cells.push_back(exportOnly(QString::number(row.id), receipts::Id));
            band.cells.push_back(text(line.description, kPcRefMm, 0, receipts::Item));
            report.bands.push_back(std::move(band));
        }
        Band subtotal{BandKind::GroupFooter, amountCells(row.sums.value_or(ReportTotals{}), true)};
        subtotal.cells.push_back(exportOnly(QString::number(row.id), receipts::Id));
        subtotal.cells.push_back(exportOnly(QStringLiteral("Subtotal"), receipts::Item));
        report.bands.push_back(std::move(subtotal));
    }
    report.bands.push_back(totalBand(figures.grand));
    return report;
}

} // namespace pelora
