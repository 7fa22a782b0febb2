#include "reports/Breakdowns.h"

#include <QStringList>

namespace pelora {

QString breakdownCaption(Breakdown breakdown) {
    static const std::array<const char*, kBreakdownCount> captions{
        "PCRef", "StaffRef", "TabRef", "MOP", "Item", "Item Cat", "Discount", "Split"};
    return QString::fromLatin1(captions[static_cast<std::size_t>(breakdown)]);
}

QString orderCaption(BreakdownOrder order) {
    switch (order) {
    case BreakdownOrder::SumDescending:
        return QStringLiteral("321");
    case BreakdownOrder::SumAscending:
        return QStringLiteral("123");
    case BreakdownOrder::Name:
        return QStringLiteral("abc");
    }
    return {};
}

// The period columns of a table alias, as `k1` and `k2`.
QStringList periodColumns(PeriodGrouping grouping, const QString& alias) {
    switch (grouping) {
    case PeriodGrouping::Day:
        return {alias + QStringLiteral(".idate")};
    case PeriodGrouping::Month:
        return {alias + QStringLiteral(".iyear"), alias + QStringLiteral(".imonth")};
    case PeriodGrouping::Year:
        return {alias + QStringLiteral(".iyear")};
    case PeriodGrouping::None:
        break;
    }
    return {};
}

QString periodSelectList(PeriodGrouping grouping, const QString& alias) {
    QStringList select;
    const QStringList columns = periodColumns(grouping, alias);
    for (int i = 0; i < columns.size(); ++i)
        select << columns[i] + QStringLiteral(" AS k") + QString::number(i + 1);
    return select.join(QStringLiteral(", "));
}

QString breakdownSql(Breakdown breakdown, PeriodGrouping grouping, BreakdownOrder order) {
    QString name;
    QString from;
    QString periodAlias = QStringLiteral("l");
    QString condition;
    bool periodInFrom = false;
    switch (breakdown) {
    case Breakdown::Pc:
    case Breakdown::Staff:
    case Breakdown::Tab:
    case Breakdown::Mop: {
        static const std::array<const char*, 4> columns{"r.pcref", "r.staffref", "r.tabref", "r.mop"};
        name = QString::fromLatin1(columns[static_cast<std::size_t>(breakdown)]);
        // A left join keeps the server on the period's receipts first and their lines by recid;
        // with an inner join it may read every line on file first, and does while the indexes
        // keep the statistics of the empty database. The test on l.id leaves out receipts
        // without lines, as the inner join did.
        from = QStringLiteral("receipt r LEFT JOIN recline l ON r.id = l.recid");
        condition = QStringLiteral(" AND l.id IS NOT NULL");
        periodAlias = QStringLiteral("r");
        break;
    }
    case Breakdown::Item:
        name = QStringLiteral("l.itemname");
        from = QStringLiteral("recline l");
        break;
    case Breakdown::ItemCat: {
        // The lines are summed by item (and period) before their categories are joined: a look-up
        // for every line made the statement four times as slow over a year of lines.
        const QStringList byItem = periodColumns(grouping, QStringLiteral("l")) << QStringLiteral("l.itemid");
        name = QStringLiteral("c.cat");
        from = QStringLiteral("(SELECT %1, SUM(l.extprice) AS extprice FROM recline l"
                              " WHERE l.istamp >= ? AND l.istamp < ? GROUP BY %1) l"
                              " LEFT JOIN icat c ON l.itemid = c.itemid")
                   .arg(byItem.join(QStringLiteral(", ")));
        periodInFrom = true;
        break;
    }
    case Breakdown::Discount:
        name = QStringLiteral("l.discname");
        from = QStringLiteral("recline l");
        condition = QStringLiteral(" AND l.discname <> 'No Discount' AND l.discname <> ''");
        break;
    case Breakdown::Split:
        name = QStringLiteral("l.splitref");
        from = QStringLiteral("recline l");
        condition = QStringLiteral(" AND l.splitref <> ''");
        break;
    }
    const QString sum = breakdown == Breakdown::Discount ? QStringLiteral("SUM(l.disc)")
                                                         : QStringLiteral("SUM(l.extprice)");
    const QStringList period = periodColumns(grouping, periodAlias);
    QStringList select;
    if (!period.isEmpty())
        select << periodSelectList(grouping, periodAlias);
    select << name + QStringLiteral(" AS name") << sum + QStringLiteral(" AS sumextprice");
    QStringList groupBy = period;
    groupBy << name;
    QStringList orderBy = period;
    switch (order) {
    case BreakdownOrder::SumDescending:
        orderBy << QStringLiteral("2 DESC") << name;
        break;
    case BreakdownOrder::SumAscending:
        orderBy << QStringLiteral("2") << name;
        break;
    case BreakdownOrder::Name:
        orderBy << name;
        break;
    }
    // The sum's position follows the period columns.
    const QString sumPosition = QString::number(period.size() + 2);
    for (QString& term : orderBy)
        if (term.startsWith(u'2'))
            term.replace(0, 1, sumPosition);
    const QString where = periodInFrom ? QString()
                                       : QStringLiteral(" WHERE ") + periodAlias + QStringLiteral(".istamp >= ? AND ") +
                                             periodAlias + QStringLiteral(".istamp < ?") + condition;
    return QStringLiteral("SELECT ") + select.join(QStringLiteral(", ")) + QStringLiteral(" FROM ") + from + where +
           QStringLiteral(" GROUP BY ") + groupBy.join(QStringLiteral(", ")) + QStringLiteral(" ORDER BY ") +
           orderBy.join(QStringLiteral(", "));
}

ReportTotals& ReportTotals::operator+=(const ReportTotals& other) {
    cost += other.cost;
    price += other.price;
    tax += other.tax;
    margin += other.margin;
    disc += other.disc;
    return *this;
}

QString totalsSelectList() {
    return QStringLiteral("SUM(l.extcost) AS sumextcost, SUM(l.extprice) AS sumextprice, "
                          "SUM(l.exttax) AS sumexttax, SUM(l.extprice - l.extcost) AS sumextmargin, "
                          "SUM(l.disc) AS sumextdisc");
}

} // namespace pelora
