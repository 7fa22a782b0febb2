#include "sales/LineLists.h"

#include "app/EventLog.h"
#include "db/DbError.h"
#include "db/StoredProc.h"
#include "db/Value.h"
#include "sales/LineRecord.h"
#include "sales/TabLines.h"

#include <cmath>
#include <stdexcept>

namespace pelora {

namespace {

LineMath::List mathList(int n) { return n == LineLists::kSplit ? LineMath::List::Split : LineMath::List::Main; }

} // namespace

LineLists::LineLists(db::Connection& db)
    : db_(db), list1_(db, tableName(kMain)), list2_(db, tableName(kSplit)) {}

QString LineLists::tableName(int n) {
    return n == kSplit ? QStringLiteral("tabline2") : QStringLiteral("tabline1");
}

bool LineLists::hasLines(int n) const { return list(n).isOpen() && !list(n).isEmpty(); }

void LineLists::read(const Selection& selection) {
    selection_ = selection;
    const TabLines lines = TabLines::of(selection.tabId, selection.pcRef);
    const QString where = QStringLiteral(" WHERE ") + lines.where;
    const std::vector<db::Value>& params = lines.params;

    db::ControlsDisabled quiet1(list1_);
    db::ControlsDisabled quiet2(list2_);
    list1_.setSql(QStringLiteral("SELECT * FROM tabline1") + where + QStringLiteral(" ORDER BY id"));
    list1_.open(params);
    list2_.setSql(QStringLiteral("SELECT * FROM tabline2") + where + QStringLiteral(" ORDER BY id"));
    if (selection.splitShown)
        list2_.open(params);
    list1_.last();
}

TabLines LineLists::splitLines(const std::optional<QString>& splitRef) const {
    return TabLines::of(selection_.tabId, selection_.pcRef).ofSplit(splitRef);
}

void LineLists::narrow(int n, const std::optional<QString>& splitRef) {
    const TabLines lines = splitLines(splitRef);
    db::RowSet& l = list(n);
    db::ControlsDisabled quiet(l);
    l.setSql(QStringLiteral("SELECT * FROM ") + tableName(n) + QStringLiteral(" WHERE ") + lines.where +
             QStringLiteral(" ORDER BY id"));
    l.open(lines.params);
}

void LineLists::reread() {
    for (db::RowSet* l : {&list1_, &list2_}) {
        l->cancel();
        if (l->isOpen())
            l->reopen();
    }
}

bool LineLists::showTheTabAsItStands() const {
    const TabLines lines = TabLines::of(selection_.tabId, selection_.pcRef);
    for (int n : {kMain, kSplit}) {
        const db::RowSet& shown = list(n);
        if (n == kSplit && !shown.isOpen())
            continue; // the second list is not shown on this till
        const db::ResultData stands = db_.run(QStringLiteral("SELECT id, qty, extprice, splitref FROM ") + tableName(n) +
                                                  QStringLiteral(" WHERE ") + lines.where + QStringLiteral(" ORDER BY id"),
                                              lines.params);
        if (!shown.isOpen() || static_cast<int>(stands.rows.size()) != shown.rowCount())
            return false;
        const int columns[] = {shown.fieldIndex(u"id"), shown.fieldIndex(u"qty"), shown.fieldIndex(u"extprice"),
                               shown.fieldIndex(u"splitref")};
        for (int r = 0; r < shown.rowCount(); ++r)
            for (std::size_t c = 0; c < std::size(columns); ++c)
                if (stands.rows[static_cast<std::size_t>(r)].at(c) != shown.db::Query::valueAt(r, columns[c]))
                    return false;
    }
    return true;
}

void LineLists::recalc(int n) {
    db::RowSet& line = list(n);
    LineRecord::write(line, LineMath::recalc(LineRecord::input(line), mathList(n)));
}

void LineLists::save(int n) {
    try {
        list(n).post();
    } catch (const std::exception&) {
        if (!db_.inTransaction()) // inside one, the transaction's owner reads them after its rollback
            reread();
        throw;
    }
}

void LineLists::asOneChange(const std::function<void()>& change) {
    db::Transaction transaction(db_);
    try {
        change();
        transaction.commit();
    } catch (const std::exception&) {
        transaction.rollback();
        reread();
        throw;
    }
}

void LineLists::changeEach(int n, const std::function<void(db::RowSet&)>& change) {
    asOneChange([&] { forEachLine(n, change); });
}

void LineLists::forEachLine(int n, const std::function<void(db::RowSet&)>& change) {
    db::RowSet& l = list(n);
    const int current = l.row();
    db::ControlsDisabled quiet(l);
    for (int r = 0; l.moveTo(r); ++r)
        change(l);
    l.moveTo(current);
}

bool LineLists::qtyFits(int n, double qty) const {
    LineMath::LineInput line = LineRecord::input(list(n));
    line.qty = qty;
    return LineMath::fits(line);
}

void LineLists::setQty(int n, double qty) {
    if (!qtyFits(n, qty))
        throw std::range_error(
            QString(QStringLiteral("The line cannot take a quantity of ") + db::shortestDecimal(qty) + u'.')
                .toStdString());
    list(n).setField(u"qty", qty);
    recalc(n);
    save(n);
}

void LineLists::setQtyOnRecord(int n, double qty, const eventlog::Actor& actor) {
    const db::RowSet& line = list(n);
    const double was = line.value(u"qty").asDouble();
    if (!(qty < was) || !qtyFits(n, qty)) {
        setQty(n, qty); // refuses a quantity the line cannot take
        return;
    }
    eventlog::LineSelection sent = eventlog::LineSelection::byIds(tableName(n), {line.value(u"id")});
    sent.where += QStringLiteral(" AND processed = 'T'");
    const QString lost = db::shortestDecimal(was - qty);
    eventlog::Event event = actor.event(eventlog::Kind::QtyLowered);
    event.detail = QStringLiteral("From %1 to %2").arg(db::shortestDecimal(was), db::shortestDecimal(qty));
    asOneChange([&] {
        eventlog::writeLines(db_, event, sent,
                             QStringLiteral("CASE WHEN qty <> 0 THEN extprice * %1 / qty ELSE 0 END").arg(lost),
                             QStringLiteral("?"));
        setQty(n, qty);
    });
}

Money LineLists::total(int n) const {
    const db::RowSet& l = list(n);
    LineMath::TotalBuilder total;
    const int extPrice = l.fieldIndex(u"extprice");
    for (int r = 0; r < l.rowCount(); ++r)
        total.add(l.valueAt(r, extPrice).asDouble());
    return total.total();
}

int LineLists::findEqualLine(const db::RowSet& target, const db::RowSet& source) const {
    static const QStringList texts = [] {
        QStringList t{QStringLiteral("itemname"), QStringLiteral("discname"), QStringLiteral("splitref"),
                      QStringLiteral("processed")};
        for (int n = 1; n <= LineMath::kOptionSlots; ++n)
            t << LineRecord::optionColumn(n, u"choice");
        return t;
    }();
    const int itemId = target.fieldIndex(u"itemid");
    const int adjPrice = target.fieldIndex(u"adjprice");
    std::vector<int> textColumns;
    for (const QString& c : texts)
        textColumns.push_back(target.fieldIndex(c));
    const Money price = source.value(u"adjprice").asMoney();
    for (int r = 0; r < target.rowCount(); ++r) {
        if (target.valueAt(r, itemId).asInt() != source.value(u"itemid").asInt() ||
            target.valueAt(r, adjPrice).asMoney() != price)
            continue;
        bool equal = true;
        for (int i = 0; i < texts.size() && equal; ++i)
            equal = target.valueAt(r, textColumns[i]).asText() == source.value(texts[i]).asText();
        if (equal)
            return r;
    }
    return -1;
}

void LineLists::copyLine(int from, double qty, db::StoredProc& proc) {
    const db::RowSet& source = list(from);
    const double wholeQty = source.value(u"qty").asDouble();
    // The moved units' share of the line's discount and extended amounts.
    const auto share = [&](QStringView column) {
        const double amount = source.value(column).asDouble();
        return LineMath::round4(qty == wholeQty ? amount : amount * qty / wholeQty);
    };
    const int target = otherList(from);
    const int id = proc.nextId(tableName(target));
    const QStringList& columns = LineRecord::movedColumns();
    std::vector<db::Value> values;
    values.reserve(columns.size());
    for (const QString& c : columns) {
        if (c == u"id")
            values.emplace_back(id);
        else if (c == u"qty")
            values.emplace_back(qty);
        else if (c == u"disc" || c == u"extcost" || c == u"extprice" || c == u"exttax")
            values.emplace_back(share(c));
        else
            values.push_back(source.value(c));
    }
    const QString marks = QStringLiteral("?, ").repeated(columns.size() - 1) + QStringLiteral("?");
    db_.run(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                .arg(tableName(target), columns.join(QStringLiteral(", ")), marks),
            values);
}

bool LineLists::movesByUnit(bool unitMoves, double qty) {
    return unitMoves && qty >= 1 && std::floor(qty) == qty;
}

void LineLists::putOnOtherList(int from, double moved, bool byUnit, db::StoredProc& proc) {
    const int to = otherList(from);
    db::RowSet& target = list(to);
    const int equal = byUnit ? findEqualLine(target, list(from)) : -1;
    double joining = moved;
    if (equal >= 0) {
        target.moveTo(equal);
    } else {
        const double copied = byUnit ? 1.0 : moved;
        copyLine(from, copied, proc);
        target.reopen();
        target.last();
        joining -= copied;
    }
    if (joining > 0)
        setQty(to, target.value(u"qty").asDouble() + joining);
}

bool LineLists::moveLine(int from, bool unitMoves, db::StoredProc& proc) {
    db::RowSet& source = list(from);
    if (!hasLines(from) || !list(otherList(from)).isOpen())
        return false;
    const double qty = source.value(u"qty").asDouble();
    const bool byUnit = movesByUnit(unitMoves, qty);
    const double moved = byUnit ? 1.0 : qty;

    db::ControlsDisabled quiet(list(otherList(from)));
    try {
        asOneChange([&] {
            putOnOtherList(from, moved, byUnit, proc);
            const int lineId = static_cast<int>(source.value(u"id").asInt());
            setQty(from, qty - moved); // finds a line another till has taken meanwhile
            if (qty - moved == 0) {
                proc.setName(tableName(from) + QStringLiteral("_del_one"));
                proc.setParam(0, lineId);
                proc.execute();
                source.reopen();
            }
        });
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

void LineLists::copyLines(int from, const TabLines& lines) {
    const QString target = tableName(otherList(from));
    const QStringList& columns = LineRecord::movedColumns();
    QStringList selected = columns;
    selected[columns.indexOf(QStringLiteral("id"))] = QStringLiteral("NEXT VALUE FOR %1id_gen").arg(target);
    db_.run(QStringLiteral("INSERT INTO %1 (%2) SELECT %3 FROM %4 WHERE %5 ORDER BY id")
                .arg(target, columns.join(QStringLiteral(", ")), selected.join(QStringLiteral(", ")),
                     tableName(from), lines.where),
            lines.params);
}

bool LineLists::moveSplit(int from, const std::optional<QString>& splitRef, bool unitMoves, db::StoredProc& proc) {
    db::RowSet& lines = list(from);
    if (!hasLines(from) || !list(otherList(from)).isOpen())
        return false;
    // The unit moves copy from what was read: they read the split's lines afresh.
    if (unitMoves)
        narrow(from, splitRef);
    std::vector<int> rows; // the split's lines as this till read them
    const int ref = lines.fieldIndex(u"splitref");
    for (int r = 0; r < lines.rowCount(); ++r)
        if (TabLines::takes(splitRef, lines.valueAt(r, ref).asText()))
            rows.push_back(r);
    if (rows.empty())
        return false;
    const TabLines split = splitLines(splitRef);

    db::ControlsDisabled quietFrom(lines);
    db::ControlsDisabled quietTo(list(otherList(from)));
    try {
        asOneChange([&] {
            if (unitMoves) {
                for (int r : rows) {
                    lines.moveTo(r);
                    const double qty = lines.value(u"qty").asDouble();
                    putOnOtherList(from, qty, movesByUnit(true, qty), proc);
                }
            } else {
                copyLines(from, split);
            }
            const db::ResultData deleted =
                db_.run(QStringLiteral("DELETE FROM %1 WHERE %2").arg(tableName(from), split.where), split.params);
            if (deleted.rowsAffected != static_cast<long long>(rows.size()))
                throw db::DbError(QStringLiteral("Another till has changed the split's lines."));
        });
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

} // namespace pelora
