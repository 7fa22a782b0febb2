#include "reports/SplitReport.h"

#include "db/Connection.h"
#include "db/Query.h"
#include "reports/ReportReading.h"

#include <QLocale>

namespace pelora {

QStringList splitCategories(db::Connection& db) {
    db::Query query(db);
    query.setSql(QStringLiteral("SELECT DISTINCT cat FROM split WHERE cat <> '' ORDER BY cat"));
    query.open();
    QStringList categories{kAllCategories};
    for (; !query.eof(); query.next())
        categories << query.value(u"cat").asText();
    return categories;
}

std::vector<SplitReportRow> readSplitReport(db::Connection& db, const ReportPeriod& period, const QString& category) {
    const bool all = category == kAllCategories;
    db::Query query(db);
    query.setSql(QStringLiteral("SELECT COALESCE(l.splitref, '') AS splitref, SUM(l.extprice) AS price, s.cat, s.name,"
                                " s.street1, s.street2, s.suburb, s.state, s.postcode, s.hphone, s.wphone, s.mphone"
                                " FROM recline l LEFT JOIN split s ON l.splitref = s.ref"
                                " WHERE l.istamp >= ? AND l.istamp < ?") +
                 (all ? QString() : QStringLiteral(" AND s.cat = ?")) +
                 QStringLiteral(" GROUP BY 1, s.cat, s.name, s.street1, s.street2, s.suburb, s.state, s.postcode,"
                                " s.hphone, s.wphone, s.mphone ORDER BY 2, 1"));
    std::vector<db::Value> params = periodParams(period);
    if (!all)
        params.emplace_back(category);
    query.open(params);
    std::vector<SplitReportRow> rows;
    for (; !query.eof(); query.next()) {
        QStringList parts;
        for (const char16_t* column : {u"street1", u"street2", u"suburb", u"state", u"postcode", u"hphone",
                                       u"wphone", u"mphone"})
            parts << query.value(column).asText();
        rows.push_back({query.value(u"splitref").asText(), query.value(u"price").asMoney(),
                        query.value(u"name").asText(), splitAddress(parts)});
    }
    return rows;
}

QString splitReportTitle(const ReportPeriod& period, const QString& category) {
    const QLocale locale = QLocale::system();
    return QStringLiteral("Split Summary from ") + locale.toString(period.begin, QLocale::ShortFormat) +
           QStringLiteral(" to ") + locale.toString(period.end, QLocale::ShortFormat) + QStringLiteral(" : ") + category;
}

QString splitAddress(const QStringList& parts) {
    QString address;
    for (int i = 0; i < parts.size(); ++i) {
        if (parts[i].isEmpty())
            continue;
        address += parts[i];
        if (i < 4)
            address += u' ';
        else if (i < parts.size() - 1)
            address += QStringLiteral("  ");
    }
    return address;
}

report::Report splitReport(const QString& title, const std::vector<SplitReportRow>& rows) {
    using namespace report;
    enum SheetColumn { Price, Ref, Name, Address };
    Report report;
    report.title = title;
    report.orientation = Orientation::Landscape;
    report.sheetColumns = {QStringLiteral("Price"), QStringLiteral("Split Ref"), QStringLiteral("Name"),
                           QStringLiteral("Address / Phones")};
    report.columnHeader = {rightText(QStringLiteral("Price"), 0, 22), text(QStringLiteral("Split Ref"), 26),
                           text(QStringLiteral("Name"), 66), text(QStringLiteral("Address / Phones"), 126)};
    for (const SplitReportRow& row : rows)
        report.bands.push_back({BandKind::Detail,
                                {amount(row.price, 0, 22, Price), text(row.ref, 26, 38, Ref),
                                 text(row.name, 66, 58, Name), text(row.address, 126, 0, Address)}});
    return report;
}

} // namespace pelora
