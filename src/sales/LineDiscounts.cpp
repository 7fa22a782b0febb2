#include "sales/LineDiscounts.h"

#include "common/Flag.h"
#include "db/Query.h"
#include "db/RowSet.h"
#include "db/StoredProc.h"
#include "db/TextTable.h"
#include "sales/LineDeleter.h"
#include "sales/LineLists.h"
#include "sales/LineMath.h"
#include "sales/SalesState.h"

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

// Runs `change` on list `n`'s current line, or on every line of it as one change.
template <typename Change>
void forLines(const LineDiscounts::Context& c, int n, LineDiscounts::Scope scope, Change change) {
    if (scope == LineDiscounts::Scope::One)
        change(c.lines.list(n));
    else
        c.lines.changeEach(n, change);
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
    const QString sql = QStringLiteral("SELECT id, name, rate, restricted, stopoveride FROM disc") +
                        (admin ? QString() : QStringLiteral(" WHERE restricted IS NULL OR restricted <> 'T'")) +
                        QStringLiteral(" ORDER BY id");
    const db::TextTable rows = db::TextTable::load(db, sql);
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
    if (discount.rate == LineMath::kDeletingRate) {
        if (scope == Scope::One) {
            db::RowSet& line = c.lines.list(n);
            line.cancel();
            c.proc.setName(LineLists::tableName(n) + QStringLiteral("_del_one"));
            c.proc.setParam(0, line.value(u"id"));
            c.proc.execute();
        } else {
            if (c.tabId == SalesState::kNoTab)
                return Applied::Nothing;
            LineDeleter::deleteTabLines(c.proc, n, c.tabId, c.pcRef, false);
        }
        return Applied::Deleted;
    }
    if (discount.rate < 0 || discount.rate > 100)
        return Applied::Nothing;
    forLines(c, n, scope, [&](db::RowSet& line) {
        if (reaches(discount.stopOverride, line.value(u"stopdisc").asText()))
            setDiscount(c.lines, n, discount.name, discount.rate);
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
    forLines(c, n, scope, [&](db::RowSet& line) {
        const QString splitRef = line.value(u"splitref").asText();
        Standing split;
        if (!splitRef.isEmpty())
            split = lookUp(c.proc, QStringLiteral("splitdisc_namerate_lookup"), splitRef);
        const NameRate chosen = better(tab.nameRate, tab.stopOverride, split.nameRate, split.stopOverride,
                                       line.value(u"stopdisc").asText());
        setDiscount(c.lines, n, chosen.name, chosen.rate);
    });
}

} // namespace pelora
