#include "print/CheckLines.h"

#include "common/Mode.h"
#include "db/Query.h"
#include "sales/TabLines.h"

#include <algorithm>
#include <iterator>

namespace pelora {

namespace {

const QString kMain = QStringLiteral("tabline1");
const QString kSecond = QStringLiteral("tabline2");

// Split references order as texts, the empty one ("Unsplit") first.
bool refBefore(const QString& a, const QString& b) { return a.compare(b) < 0; }

std::vector<CheckLine> readList(db::Connection& db, const QString& table, const CheckTab& tab,
                                const CheckScope& scope) {
    QString sql = QStringLiteral("SELECT id, itemname, qty, disc, extprice, exttax");
    for (int n = 1; n <= 10; ++n)
        sql += QStringLiteral(", opt%1caption, opt%1choice").arg(n);
    TabLines lines = TabLines::of(tab.tabId, tab.pcRef);
    if (!scope.wholeTab)
        lines = lines.ofSplit(scope.split);
    sql += QStringLiteral(", splitref, splitmsg, optmsg FROM ") + table + QStringLiteral(" WHERE ") + lines.where +
           QStringLiteral(" ORDER BY id");

    db::Query query(db);
    query.setSql(sql);
    query.open(lines.params);
    std::vector<CheckLine> read;
    for (; !query.eof(); query.next()) {
        const auto text = [&](const char16_t* column) { return query.value(QStringView(column)).asText(); };
        const auto money = [&](const char16_t* column) { return query.value(QStringView(column)).asMoney(); };
        CheckLine line;
        line.id = static_cast<int>(query.value(u"id").asInt());
        line.itemName = text(u"itemname");
        line.qty = query.value(u"qty").asDouble();
        line.disc = money(u"disc");
        line.extPrice = money(u"extprice");
        line.extTax = money(u"exttax");
        line.options = LineOptions::of(query);
        line.optMsg = text(u"optmsg");
        line.splitRef = text(u"splitref");
        line.splitMsg = text(u"splitmsg");
        read.push_back(std::move(line));
    }
    if (scope.wholeTab)
        std::stable_sort(read.begin(), read.end(),
                         [](const CheckLine& a, const CheckLine& b) { return refBefore(a.splitRef, b.splitRef); });
    return read;
}

QStringList splitsOf(db::Connection& db, const QString& table, const CheckTab& tab) {
    const TabLines lines = TabLines::of(tab.tabId, tab.pcRef);
    db::Query query(db);
    query.setSql(QStringLiteral("SELECT DISTINCT COALESCE(splitref, '') AS splitref FROM ") + table +
                 QStringLiteral(" WHERE ") + lines.where);
    query.open(lines.params);
    QStringList refs;
    for (; !query.eof(); query.next())
        refs << query.value(u"splitref").asText();
    std::sort(refs.begin(), refs.end(), refBefore);
    return refs;
}

} // namespace

QString splitCaption(const QString& ref) { return ref.isEmpty() ? QStringLiteral("Unsplit") : ref; }

QString CheckScope::caption() const { return splitCaption(split); }

QStringList collectSplits(db::Connection& db, const CheckTab& tab, QStringView splitMode) {
    QStringList refs = splitsOf(db, kMain, tab);
    if (modeIs(splitMode, '0'))
        return refs;
    for (const QString& ref : splitsOf(db, kSecond, tab))
        if (!refs.contains(ref))
            refs << ref;
    return refs;
}

CheckLines loadCheckLines(db::Connection& db, const CheckTab& tab, const CheckScope& scope) {
    CheckLines check{scope, {}, {}};
    std::vector<CheckLine> main = readList(db, kMain, tab, scope);
    std::vector<CheckLine> second = readList(db, kSecond, tab, scope);
    if (!scope.wholeTab) {
        check.lines = std::move(main);
        std::move(second.begin(), second.end(), std::back_inserter(check.lines));
    } else {
        check.lines.reserve(main.size() + second.size());
        auto next = main.begin();
        for (CheckLine& line : second) {
            for (; next != main.end() && !refBefore(line.splitRef, next->splitRef); ++next)
                check.lines.push_back(std::move(*next));
            check.lines.push_back(std::move(line));
        }
        std::move(next, main.end(), std::back_inserter(check.lines));
    }
    for (const CheckLine& line : check.lines)
        check.total += line.extPrice;
    return check;
}

} // namespace pelora
