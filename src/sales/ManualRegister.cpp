#include "sales/ManualRegister.h"

#include "app/EventLog.h"
#include "common/Prompter.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "db/StoredProc.h"
#include "sales/LineMath.h"
#include "sales/QtyKeypad.h"
#include "sales/SalesState.h"

#include <stdexcept>

namespace pelora {

namespace {

const QString kTimes = QStringLiteral(" x ");
const QString kEmpty = QStringLiteral("0");

} // namespace

void ManualRegister::key(QChar key) {
    if (key == u'C') {
        display_ = kEmpty;
        return;
    }
    if (display_ == kEmpty)
        display_.clear();
    display_ += key;
}

void ManualRegister::times() {
    if (!display_.contains(kTimes) && display_ != kEmpty)
        display_ += kTimes;
}

bool ManualRegister::completeForAdd() {
    if (display_.contains(kTimes))
        return true;
    if (display_ == kEmpty)
        return false;
    display_ += kTimes + QStringLiteral("1");
    return true;
}

std::optional<ManualRegister::Entry> ManualRegister::entry() const {
    const qsizetype at = display_.indexOf(kTimes);
    if (at < 0)
        return std::nullopt;
    const std::optional<Money> price = Money::parseTyped(QStringView(display_).left(at));
    const std::optional<double> qty = QtyKeypad::read(display_.mid(at + kTimes.size()));
    if (!price || !qty)
        return std::nullopt;
    LineMath::LineInput line;
    line.qty = *qty;
    line.price = price->toDouble();
    if (!LineMath::fits(line))
        return std::nullopt;
    // 99999 x 99999 is a slip of the finger, not a sale.
    const Money extended = Money::fromDouble(*qty * price->toDouble());
    if (extended > kMostLine || extended < -kMostLine)
        return std::nullopt;
    return Entry{*price, *qty};
}

std::optional<int> ManualRegister::add(const Context& c) {
    if (c.tabId == SalesState::kNoTab) {
        c.prompter.information(QStringLiteral("First select a Tab."));
        return std::nullopt;
    }
    if (!display_.contains(kTimes))
        return std::nullopt;
    const auto invalid = [&c]() -> std::optional<int> {
        c.prompter.information(QStringLiteral("Invalid input."));
        return std::nullopt;
    };
    const std::optional<Entry> e = entry();
    if (!e)
        return invalid();
    try {
        const double p = e->price.toDouble();
        const Money cost = Money::fromDouble(p * c.costRate);
        const Money tax = Money::fromDouble(p * c.taxRate);
        const Money extCost = Money::fromDouble(e->qty * p * c.costRate);
        const Money extPrice = Money::fromDouble(e->qty * p);
        const Money extTax = Money::fromDouble(e->qty * p * c.taxRate);
        db::Transaction transaction(c.db);
        const int id = c.proc.nextId(QStringLiteral("tabline1"));
        // `stopdisc` "F": a manual line takes discounts, and every discount path (the chooser,
        // the reset, a split's) reads it alike.
        c.db.run(QStringLiteral(
                     "INSERT INTO tabline1 (id, pcref, staffref, tabid, itemid, itemname, qty, cost, price, tax,"
                     " discname, adjcost, adjprice, adjtax, extcost, extprice, exttax, outputname, stopdisc,"
                     " processed) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 'No Discount', ?, ?, ?, ?, ?, ?, ?, 'F', 'F')"),
                 {id, c.pcRef, c.staffRef, c.tabId, kItemId, c.itemName, e->qty, cost, e->price, tax, cost,
                  e->price, tax, extCost, extPrice, extTax, c.outputName});
        // A line by amount, without an item, is on record with the line itself.
        eventlog::writeLines(c.db, eventlog::Actor{c.pcRef, c.staffRef, c.approver}.event(eventlog::Kind::ManualRegister),
                             eventlog::LineSelection::byIds(QStringLiteral("tabline1"), {id}), eventlog::lineSql::kValue, {});
        transaction.commit();
        display_ = kEmpty;
        return id;
    } catch (const std::exception& failure) {
        if (db::DbError::isConnectionLost(failure))
            throw; // said as everywhere else; the display keeps the entry
        return invalid();
    }
}

} // namespace pelora
