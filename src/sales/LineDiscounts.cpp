#include "sales/LineDiscounts.h"

#include "common/Flag.h"
#include "common/Placeholders.h"
#include "db/Query.h"
#include "db/RowSet.h"
#include "db/StoredProc.h"
#include "db/TextTable.h"
#include "db/Value.h"
#include "sales/LineDeleter.h"
#include "sales/LineLists.h"
#include "sales/LineMath.h"
#include "sales/SalesState.h"

#include <functional>

namespace pelora {

namespace {

enum CacheColumn { CacheId, CacheName, CacheRate, CacheRestricted, CacheStopOverride };

// A stored rate; none (null) counts as 0.
double rateOf(const db::Value& rate) { return rate.isNull() ? 0.0 : rate.asDouble(); }

// The name, rate and override flag a lookup procedure returns.
LineDiscounts::Standing lookUp(db::StoredProc& proc, const QString& procedure, db::Value key) {
    proc.setName(procedure);
    proc.setParam(0, std::move(key));
    proc.execute();
    return {{proc.value(u"name").asText(), rateOf(proc.value(u"rate"))}, proc.value(u"stopoveride").asText()};
}

void setDiscount(LineLists& lines, int n, const QString& name, double rate) {
    db::RowSet& line = lines.list(n);
    line.setField(u"discname", name);
    line.setField(u"discrate", rate);
    lines.recalc(n);
    lines.save(n);
}

// Runs `change` on list `n`'s current line, or on every line of it, as one change, with
// `before` and `after` (the exception log's entries) in the same transaction.
template <typename Change>
void forLines(const LineDiscounts::Context& c, int n, LineDiscounts::Scope scope, const std::function<void()>& before,
              Change change, const std::function<void()>& after) {
    c.lines.asOneChange([&] {
        if (before)
            before();
        if (scope == LineDiscounts::Scope::One)
            change(c.lines.list(n));
        else
            c.lines.forEachLine(n, change);
        if (after)
            after();
    });
}

// The ids of the lines a change takes: list `n`'s current line, or all its lines.
std::vector<db::Value> linesOf(LineLists& lines, int n, LineDiscounts::Scope scope) {
    const db::RowSet& list = lines.list(n);
    if (scope == LineDiscounts::Scope::One)
        return {list.value(u"id")};
    std::vector<db::Value> ids;
    const int id = list.fieldIndex(u"id");
    for (int r = 0; r < list.rowCount(); ++r)
        ids.push_back(list.valueAt(r, id));
    return ids;
}

// A discount as the exception log names it: "Staff 100%".
QString nameAndRate(const QString& name, double rate) {
    return QString(name + u' ' + db::shortestDecimal(rate) + u'%').trimmed();
}

} // namespace

QString DiscountOffer::caption() const { return isTrue(stopOverride) ? name + u'^' : name; }

std::vector<DiscountOffer> LineDiscounts::offered(db::Connection& db, const db::TextTable* cache, bool admin) {
    std::vector<DiscountOffer> offers;
    if (cache) {
        for (const db::TextTable::TextRow& r : cache->rows())
            if (admin || !isTrue(r.at(CacheRestricted)))
                offers.push_back({r.at(CacheId), r.at(CacheName), r.at(CacheRate), r.at(CacheRestricted),
                                  r.at(CacheStopOverride)});
        return offers;
    }
    // A discount with no restriction flag is offered from the cache too, so it is here.
    const QString sql = QStringLiteral("SELECT id, name, rate, restricted, stopoveride FROM disc WHERE ") +
                        placeholder::leftOut(QStringLiteral("name")) +
                        (admin ? QString() : QStringLiteral(" AND (restricted IS NULL OR restricted <> 'T')")) +
                        QStringLiteral(" ORDER BY id");
    const db::TextTable rows = db::TextTable::load(db, sql, {placeholder::comparedAs(placeholder::kDisc)});
    for (const db::TextTable::TextRow& r : rows.rows())
        offers.push_back({r.at(CacheId), r.at(CacheName), r.at(CacheRate), r.at(CacheRestricted),
                          r.at(CacheStopOverride)});
    return offers;
}

std::optional<LineDiscounts::Values> LineDiscounts::valuesOf(db::Connection& db, const DiscountOffer& offer,
                                                            bool reread) {
    if (!reread) {
        if (offer.rate.isEmpty())
            return Values{offer.name, 0, QStringLiteral("F")};
        return Values{offer.name, offer.rate.toDouble(), offer.stopOverride};
    }
    db::Query row(db);
    row.setSql(QStringLiteral("SELECT name, rate, stopoveride FROM disc WHERE id = ?"));
    row.open({offer.id.toInt()});
    if (row.isEmpty())
        return std::nullopt;
    return Values{row.value(u"name").asText(), rateOf(row.value(u"rate")), row.value(u"stopoveride").asText()};
}

bool LineDiscounts::reaches(QStringView stopOverride, QStringView stopDisc) {
    return isTrue(stopOverride) || isFalse(stopDisc);
}

LineDiscounts::Applied LineDiscounts::apply(const Context& c, const Values& discount, int n, Scope scope) {
    if (!c.lines.hasLines(n))
        return Applied::Nothing;
    const QString named = nameAndRate(discount.name, discount.rate);
    if (discount.rate == LineMath::kDeletingRate) {
        if (scope == Scope::All && c.tabId == SalesState::kNoTab)
            return Applied::Nothing;
        db::RowSet& line = c.lines.list(n);
        line.cancel();
        db::Transaction transaction(c.db);
        if (scope == Scope::One) {
            LineDeleter::logLine(c.db, c.actor, n, line.value(u"id"), false, named);
            c.proc.setName(LineLists::tableName(n) + QStringLiteral("_del_one"));
            c.proc.setParam(0, line.value(u"id"));
            c.proc.execute();
        } else {
            LineDeleter::logTabLines(c.db, c.actor, n, c.tabId, c.pcRef, false, named);
            LineDeleter::deleteTabLines(c.proc, n, c.tabId, c.pcRef, false);
        }
        transaction.commit();
        return Applied::Deleted;
    }
    if (discount.rate < 0 || discount.rate > 100)
        return Applied::Nothing;
    std::vector<db::Value> reached;
    eventlog::Event event = c.actor.event(eventlog::Kind::Discount);
    event.detail = named;
    forLines(
        c, n, scope, {},
        [&](db::RowSet& line) {
            if (reaches(discount.stopOverride, line.value(u"stopdisc").asText())) {
                reached.push_back(line.value(u"id"));
                setDiscount(c.lines, n, discount.name, discount.rate);
            }
        },
        [&] {
            if (!reached.empty())
                eventlog::writeLines(c.db, event, eventlog::LineSelection::byIds(LineLists::tableName(n), reached),
                                     eventlog::lineSql::kDiscount, QStringLiteral("?"));
        });
    return Applied::Discounted;
}

LineDiscounts::NameRate LineDiscounts::better(const NameRate& tab, QStringView tabOverride, const NameRate& split,
                                              QStringView splitOverride, QStringView stopDisc) {
    NameRate chosen = reaches(tabOverride, stopDisc) ? tab : NameRate{};
    const double splitRate = reaches(splitOverride, stopDisc) ? split.rate : 0.0;
    if (splitRate > chosen.rate)
        chosen = {split.name, splitRate};
    return chosen;
}

LineDiscounts::Standing LineDiscounts::tabDiscount(db::StoredProc& proc, int tabId) {
    return lookUp(proc, QStringLiteral("disc_namerate_lookup"), tabId);
}

LineDiscounts::NameRate LineDiscounts::forSplit(const NameRate& tab, QStringView tabOverride, const NameRate& split,
                                                QStringView splitOverride, QStringView stopDisc) {
    const double tabRate = reaches(tabOverride, stopDisc) ? tab.rate : 0.0;
    const double splitRate = reaches(splitOverride, stopDisc) ? split.rate : 0.0;
    if (tabRate > splitRate)
        return {tab.name, tabRate};
    return {split.name, splitRate};
}

void LineDiscounts::reset(const Context& c, int n, Scope scope) {
    if (!c.lines.hasLines(n))
        return;
    const Standing tab = tabDiscount(c.proc, c.tabId);
    // The entries show each discount the reset takes off, as it was.
    eventlog::LineSelection discounted = eventlog::LineSelection::byIds(LineLists::tableName(n), linesOf(c.lines, n, scope));
    discounted.where += QStringLiteral(" AND discrate <> 0");
    const auto logged = [&] {
        eventlog::writeLines(c.db, c.actor.event(eventlog::Kind::DiscountReset), discounted,
                             eventlog::lineSql::kDiscount, eventlog::lineSql::kDiscountName);
    };
    forLines(c, n, scope, logged, [&](db::RowSet& line) {
        const QString splitRef = line.value(u"splitref").asText();
        Standing split;
        if (!splitRef.isEmpty())
            split = lookUp(c.proc, QStringLiteral("splitdisc_namerate_lookup"), splitRef);
        const NameRate chosen = better(tab.nameRate, tab.stopOverride, split.nameRate, split.stopOverride,
                                       line.value(u"stopdisc").asText());
        setDiscount(c.lines, n, chosen.name, chosen.rate);
    }, {});
}

} // namespace pelora
