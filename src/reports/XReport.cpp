#include "reports/XReport.h"

#include "db/Connection.h"
#include "db/Query.h"
#include "print/OutputDeviceTable.h"
#include "print/PrintFrame.h"
#include "print/Printing.h"
#include "reports/ReportReading.h"

namespace pelora {

QString XReportFigures::countText() const {
    return QStringLiteral("Tranx Count: ") + QString::number(tranxCount) + QStringLiteral(" (Rev. Count: ") +
           QString::number(revCount) + u')';
}

XReportFigures readXReport(db::Connection& db, const ReportPeriod& period, const BreakdownChoices& choices) {
    XReportFigures figures;
    db::Snapshot snapshot(db);
    db::Query query(db);
    query.setSql(QStringLiteral("SELECT ") + totalsSelectList() +
                 QStringLiteral(" FROM receipt r LEFT JOIN recline l ON r.id = l.recid"
                                " WHERE r.istamp >= ? AND r.istamp < ?"));
    query.open(periodParams(period));
    figures.totals = totalsOf(query);
    for (int i = 0; i < kBreakdownCount; ++i) {
        const BreakdownChoice& choice = choices[static_cast<std::size_t>(i)];
        if (choice.ticked)
            figures.breakdowns[static_cast<std::size_t>(i)] =
                readBreakdown(db, static_cast<Breakdown>(i), choice.order, period);
    }
    query.setSql(QStringLiteral("SELECT SUM(CASE WHEN revrecid > 0 THEN 0 ELSE 1 END) AS tranx,"
                                " SUM(CASE WHEN revrecid > 0 THEN 1 ELSE 0 END) AS rev"
                                " FROM receipt WHERE istamp >= ? AND istamp < ?"));
    query.open(periodParams(period));
    figures.tranxCount = query.value(u"tranx").asInt();
    figures.revCount = query.value(u"rev").asInt();
    return figures;
}

namespace {

// A line of the X paper: the text right-aligned to the width, with at least one space before it.
QString rightAligned(const QString& text, int width) {
    QString line = u' ' + text;
    if (line.size() < width)
        line.prepend(QString(width - line.size(), u' '));
    return line;
}

// A label and an amount right-aligned in ten characters (a longer amount loses its front).
QString amountLine(const QString& label, Money amount, int width) {
    return rightAligned(label + QString(QString(10, u' ') + amount.toString()).right(10), width);
}

struct PaperSection {
    const char* heading;
    const char* empty;
};

constexpr std::array<PaperSection, kBreakdownCount> kSections{{
    {"PC     Price", "PC Unassigned"},
    {"Staff     Price", "Staff Unassigned"},
    {"Tab     Price", "Tab Unassigned"},
    {"MOP     Price", "MOP Unassigned"},
    {"Item     Price", "Item Empty"},
    {"ICat     Price", "Item Empty"},
    {"Disc     Price", "Disc Unassigned"},
    {"Split     Price", "Split Unassigned"},
}};

} // namespace

QStringList xPaperLines(const QString& title, const XReportFigures& figures, int width) {
    QStringList lines{title};
    const ReportTotals& t = figures.totals;
    lines << amountLine(QStringLiteral("Cost:"), t.cost, width) << amountLine(QStringLiteral("Price:"), t.price, width)
          << amountLine(QStringLiteral("Tax:"), t.tax, width) << amountLine(QStringLiteral("Margin:"), t.margin, width)
          << amountLine(QStringLiteral("Disc:"), t.disc, width) << QString();
    for (std::size_t i = 0; i < kSections.size(); ++i) {
        const std::optional<BreakdownRows>& rows = figures.breakdowns[i];
        if (!rows)
            continue;
        if (rows->empty()) {
            lines << rightAligned(QString::fromLatin1(kSections[i].empty), width);
        } else {
            lines << rightAligned(QString::fromLatin1(kSections[i].heading), width);
            for (const BreakdownRow& row : *rows)
                lines << amountLine(row.name, row.sum, width);
        }
        lines << QString();
    }
    lines << figures.countText();
    return lines;
}

void printXReport(const Printing& printing, const QString& title, const XReportFigures& figures) {
    const OutputFrame frame =
        OutputFrame::of(printing.outputs, printing.outputs.find(QStringLiteral("X")), printing.spooler);
    if (!frame.prints())
        return;
    const QStringList lines = xPaperLines(title, figures, frame.bodyWidth);
    printLinesPaper(printing.spooler, frame, lines, QStringLiteral("the X report"));
}

} // namespace pelora
