#include "reports/DmyReport.h"

#include "db/Connection.h"
#include "db/Query.h"
#include "reports/ReportReading.h"

#include <QHash>
#include <QLocale>

namespace pelora {

namespace {

// A period's key and label from the current row's `k1` (and `k2`).
std::pair<qint64, QString> periodOf(const db::Query& query, PeriodGrouping grouping) {
    switch (grouping) {
    case PeriodGrouping::Month: {
        const qint64 year = query.value(u"k1").asInt();
        const qint64 month = query.value(u"k2").asInt();
        return {year * 100 + month, QString::number(year) + QStringLiteral(" / ") + QString::number(month)};
    }
    case PeriodGrouping::Year: {
        const qint64 year = query.value(u"k1").asInt();
        return {year, QString::number(year)};
    }
    default: {
        const QDate date = query.value(u"k1").asDate();
        return {date.toJulianDay(), QLocale::system().toString(date, QLocale::ShortFormat)};
    }
    }
}

} // namespace

DmyFigures readDmyReport(db::Connection& db, PeriodGrouping grouping, const ReportPeriod& period,
                         const BreakdownChoices& choices) {
    DmyFigures figures;
    figures.grouping = grouping;
    figures.choices = choices;
    db::Snapshot snapshot(db);
    db::Query query(db);
    const QString periodTerms = periodColumns(grouping, QStringLiteral("r")).join(QStringLiteral(", "));
    // The period's receipts first, then their lines (see breakdownSql()).
    query.setSql(QStringLiteral("SELECT ") + periodSelectList(grouping, QStringLiteral("r")) + QStringLiteral(", ") +
                 totalsSelectList() +
                 QStringLiteral(" FROM receipt r LEFT JOIN recline l ON r.id = l.recid"
                                " WHERE r.istamp >= ? AND r.istamp < ? AND l.id IS NOT NULL GROUP BY ") +
                 periodTerms + QStringLiteral(" ORDER BY ") + periodTerms);
    query.open(periodParams(period));
    QHash<qint64, std::size_t> rowOfPeriod;
    for (; !query.eof(); query.next()) {
        const auto [key, label] = periodOf(query, grouping);
        rowOfPeriod.insert(key, figures.rows.size());
        figures.rows.push_back({label, totalsOf(query), {}});
    }
    for (int b = 0; b < kBreakdownCount; ++b) {
        const BreakdownChoice& choice = choices[static_cast<std::size_t>(b)];
        if (!choice.ticked)
            continue;
        query.setSql(breakdownSql(static_cast<Breakdown>(b), grouping, choice.order));
        query.open(periodParams(period));
        for (; !query.eof(); query.next()) {
            const auto found = rowOfPeriod.constFind(periodOf(query, grouping).first);
            if (found == rowOfPeriod.constEnd())
                continue; // a period with lines but no summary row cannot arise; nothing to hang it on
            figures.rows[*found].breakdowns[static_cast<std::size_t>(b)].push_back(
                {query.value(u"name").asText(), query.value(u"sumextprice").asMoney()});
        }
    }
    return figures;
}

namespace {

using namespace report;

struct BreakdownColumn {
    const char* heading;
    double nameMm;
};

// Where each breakdown's names stand; its amounts end there.
constexpr std::array<BreakdownColumn, kBreakdownCount> kBreakdownColumns{{
    {"PCRef", 131}, {"StaffRef", 150}, {"TabRef", 170}, {"Mop", 188},
    {"Item/Cat", 205}, {"Item/Cat", 205}, {"Disc", 220}, {"SplitRef", 237},
}};
constexpr double kBreakdownAmountMm = 14;
constexpr std::array<double, 5> kTotalFieldsMm{23, 42, 61, 80, 99};
constexpr double kTotalFieldMm = 17;

std::vector<Cell> totalCells(const ReportTotals& t) {
    const std::array<Money, 5> amounts{t.cost, t.price, t.tax, t.margin, t.disc};
    std::vector<Cell> cells;
    for (std::size_t i = 0; i < amounts.size(); ++i)
        cells.push_back(amount(amounts[i], kTotalFieldsMm[i], kTotalFieldMm, dmy::Cost + static_cast<int>(i)));
    return cells;
}

} // namespace

report::Report dmyReport(const QString& title, const DmyFigures& figures) {
    Report report;
    report.title = title;
    report.orientation = Orientation::Landscape;
    report.sheetColumns = {QStringLiteral("Date"),   QStringLiteral("Cost"),      QStringLiteral("Price"),
                           QStringLiteral("Tax"),    QStringLiteral("Margin"),    QStringLiteral("Disc"),
                           QStringLiteral("Breakdown"), QStringLiteral("Name"), QStringLiteral("Amount")};
    const std::array<std::pair<const char*, double>, 6> headings{
        {{"Date", 0}, {"Cost", 34}, {"Price", 53}, {"Tax", 74}, {"Margin", 89}, {"Disc", 111}}};
    for (const auto& [caption, at] : headings)
        report.columnHeader.push_back(text(QString::fromLatin1(caption), at));
    for (int b = 0; b < kBreakdownCount; ++b) {
        // Item and Item Cat share one heading.
        if (!figures.choices[static_cast<std::size_t>(b)].ticked ||
            (b == static_cast<int>(Breakdown::ItemCat) && figures.choices[static_cast<std::size_t>(Breakdown::Item)].ticked))
            continue;
        const BreakdownColumn& column = kBreakdownColumns[static_cast<std::size_t>(b)];
        report.columnHeader.push_back(text(QString::fromLatin1(column.heading), column.nameMm));
    }

    for (const DmyRow& row : figures.rows) {
        Band summary{BandKind::GroupHeader, totalCells(row.totals)};
        summary.cells.insert(summary.cells.begin(), text(row.label, 0, 21, dmy::Period));
        report.bands.push_back(std::move(summary));
        const std::size_t summaryAt = report.bands.size() - 1;
        for (int b = 0; b < kBreakdownCount; ++b) {
            const auto breakdown = static_cast<Breakdown>(b);
            if (!figures.choices[static_cast<std::size_t>(b)].ticked)
                continue;
            const BreakdownRows& rows = row.breakdowns[static_cast<std::size_t>(b)];
            if (rows.empty()) {
                // Discounts and splits leave no trace in a period without them.
                if (breakdown != Breakdown::Discount && breakdown != Breakdown::Split)
                    report.bands.push_back({BandKind::SubDetail, {}});
                continue;
            }
            const BreakdownColumn& column = kBreakdownColumns[static_cast<std::size_t>(b)];
            for (const BreakdownRow& r : rows) {
                Cell sum = amount(r.sum, column.nameMm - kBreakdownAmountMm, kBreakdownAmountMm, dmy::Amount);
                if (breakdown == Breakdown::Staff)
                    sum.text = r.sum.toSqlText(); // staff sums print as plain numbers
                const QString name = breakdown == Breakdown::ItemCat ? r.name + QStringLiteral(" / Cat") : r.name;
                report.bands.push_back({BandKind::SubDetail,
                                        {exportOnly(row.label, dmy::Period),
                                         exportOnly(breakdownCaption(breakdown), dmy::Breakdown), sum,
                                         text(name, column.nameMm, 0, dmy::Name)}});
            }
        }
        // A period with nothing under it heads no group, so a page may end on it.
        if (summaryAt + 1 == report.bands.size())
            report.bands[summaryAt].kind = BandKind::Detail;
    }
    ReportTotals grand;
    for (const DmyRow& row : figures.rows)
        grand += row.totals;
    Band totals{BandKind::Summary, totalCells(grand)};
    totals.cells.insert(totals.cells.begin(), exportOnly(QStringLiteral("Total"), dmy::Period));
    for (Cell& cell : totals.cells)
        cell.ruleAbove = !cell.exportOnly;
    report.bands.push_back(std::move(totals));
    return report;
}

} // namespace pelora
