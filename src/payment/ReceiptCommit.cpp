#include "payment/ReceiptCommit.h"

#include "app/EventLog.h"
#include "common/Mode.h"
#include "common/Prompter.h"
#include "db/DbError.h"
#include "db/Query.h"
#include "db/StoredProc.h"
#include "payment/AccountBalance.h"
#include "sales/LineMath.h"
#include "sales/LineRecord.h"

#include <QLoggingCategory>
#include <QSet>

namespace pelora {

namespace {

const QString kTabNotSet = QStringLiteral("Tab is not set. Order cannot be processed.");

bool isNegated(QStringView column) {
    return column == u"qty" || column == u"extcost" || column == u"extprice" || column == u"exttax";
}

// Thrown inside the commit when a line is no longer what this till read.
struct TabChanged {};

db::Value negated(const db::Value& value) { return value.isNull() ? value : db::Value(-value.asDouble()); }

// The columns that say a paid line is still the line this till read: its place and everything
// the receipt line copies from it.
const QStringList& checkedColumns() {
    static const QStringList columns =
        QStringList{QStringLiteral("tabid"), QStringLiteral("pcref")} + ReceiptCommit::copiedColumns();
    return columns;
}

QString deleteReturning(const QString& source) {
    return QStringLiteral("DELETE FROM %1 WHERE id = ? RETURNING id, processed, %2")
        .arg(source, checkedColumns().join(QStringLiteral(", ")));
}

QString insertReceiptLine() {
    const QStringList& copied = ReceiptCommit::copiedColumns();
    return QStringLiteral("INSERT INTO recline (id, pcref, staffref, recid, %1) VALUES (?, ?, ?, ?%2)")
        .arg(copied.join(QStringLiteral(", ")), QStringLiteral(", ?").repeated(copied.size()));
}

// The exception log's note on a receipt: "Receipt 12 by Cash, 2 lines".
QString receiptNote(int receiptId, const QString& mop, int lines) {
    QString note = QStringLiteral("Receipt %1 by %2").arg(receiptId).arg(mop);
    if (lines > 0)
        note += lines == 1 ? QStringLiteral(", 1 line") : QStringLiteral(", %1 lines").arg(lines);
    return note;
}

} // namespace

ReceiptCommit::ReceiptCommit(db::Connection& db, Prompter& prompter, CommitTill till)
    : db_(db), prompter_(prompter), till_(std::move(till)) {}

const QStringList& ReceiptCommit::copiedColumns() {
    static const QStringList columns = [] {
        QStringList c{QStringLiteral("itemid"),   QStringLiteral("itemname"), QStringLiteral("qty"),
                      QStringLiteral("cost"),     QStringLiteral("price"),    QStringLiteral("tax"),
                      QStringLiteral("discname"), QStringLiteral("discrate"), QStringLiteral("disc")};
        for (int n = 1; n <= LineMath::kOptionSlots; ++n)
            for (const char16_t* suffix : {u"caption", u"choice", u"cost", u"price", u"tax"})
                c << LineRecord::optionColumn(n, suffix);
        c << QStringLiteral("adjcost") << QStringLiteral("adjprice") << QStringLiteral("adjtax")
          << QStringLiteral("extcost") << QStringLiteral("extprice") << QStringLiteral("exttax")
          << QStringLiteral("splitref") << QStringLiteral("splitmsg") << QStringLiteral("optmsg")
          << QStringLiteral("outputname");
        return c;
    }();
    return columns;
}

eventlog::Actor ReceiptCommit::actor() const { return {till_.pcRef, till_.staffRef, till_.approver}; }

QString ReceiptCommit::tabRef(int tabId) {
    db::StoredProc lookup(db_);
    lookup.setName(QStringLiteral("tab_ref_lookup"));
    lookup.setParam(0, tabId);
    lookup.execute();
    return lookup.value(u"tabref").asText();
}

bool ReceiptCommit::holdsUnreadLines(int tabId, const QString& source, const db::Query* secondList) {
    const auto linesOf = [&](const QString& list) {
        return tabId == 1 ? db_.run(QStringLiteral("SELECT id FROM %1 WHERE tabid = 1 AND pcref = ?").arg(list),
                                    {till_.pcRef})
                          : db_.run(QStringLiteral("SELECT id FROM %1 WHERE tabid = ?").arg(list), {tabId});
    };
    // The paid lines are gone in this transaction: what is left of the list another till added.
    if (!linesOf(source).rows.empty())
        return true;
    // The second list is paid before the main one: a line there that the screen does not show
    // would be left behind on a tab whose guests have gone.
    if (source != u"tabline1" || !secondList)
        return false;
    QSet<long long> shown;
    const int idAt = secondList->fieldIndex(u"id");
    for (int r = 0; r < secondList->rowCount(); ++r)
        shown.insert(secondList->valueAt(r, idAt).asInt());
    for (const db::Row& line : linesOf(QStringLiteral("tabline2")).rows)
        if (!shown.contains(line.at(0).asInt()))
            return true;
    return false;
}

int ReceiptCommit::failed(const std::exception& failure) {
    const auto* dbFailure = dynamic_cast<const db::DbError*>(&failure);
    lastFailure_ = dbFailure ? dbFailure->text() : QString::fromUtf8(failure.what());
    qWarning("Receipt not recorded: %s", qUtf8Printable(lastFailure_));
    return kFailed;
}

int ReceiptCommit::CommitReceipt(int tabId, const db::Query& lines, const QString& source, const QString& mop,
                                 Money total, Money tendered, Money credit, bool refund,
                                 const db::Query* secondList) {
    if (source != u"tabline1" && source != u"tabline2")
        throw std::invalid_argument("a receipt is paid from tabline1 or tabline2");
    if (tabId < 1) {
        prompter_.warning(kTabNotSet);
        return kFailed;
    }
    if (refund) {
        total = -total;
        tendered = total;
        credit = -credit;
    }

    db::Transaction transaction(db_);
    int receiptId = 0;
    try {
        const QString ref = tabId == 1 ? QStringLiteral("Non Tab") : tabRef(tabId);
        db::StoredProc proc(db_);
        receiptId = proc.nextId(QStringLiteral("receipt"));
        db_.run(QStringLiteral("INSERT INTO receipt (id, pcref, staffref, tabid, tabref, total, tendered, mop, cr)"
                               " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                {receiptId, till_.pcRef, till_.staffRef, tabId, ref, total, tendered, mop, credit});
        if (tabId != 1 && !credit.isZero())
            moveAccountBalance(db_, tabId, credit);

        const QStringList& copied = copiedColumns();
        const QStringList& checked = checkedColumns();
        std::vector<int> copiedAt;
        for (const QString& c : copied)
            copiedAt.push_back(lines.fieldIndex(c));
        std::vector<int> checkedAt;
        for (const QString& c : checked)
            checkedAt.push_back(lines.fieldIndex(c));
        const int idAt = lines.fieldIndex(u"id");
        const int pcRefAt = lines.fieldIndex(u"pcref");
        const int splitRefAt = lines.fieldIndex(u"splitref");
        const int itemIdAt = lines.fieldIndex(u"itemid");
        const int qtyAt = lines.fieldIndex(u"qty");
        const QString takeLine = deleteReturning(source);
        const QString insertLine = insertReceiptLine();
        const bool countStock = modeIs(till_.countMode, '1');
        QStringList splitRefs;

        for (int r = 0; r < lines.rowCount(); ++r) {
            // The line leaves the tab as this till read it, or the whole payment stops.
            const db::ResultData taken = db_.run(takeLine, {lines.valueAt(r, idAt)});
            const db::Row& now = taken.rows.at(0);
            if (now.at(0).isNull())
                throw TabChanged{};
            for (qsizetype c = 0; c < checked.size(); ++c)
                if (now.at(static_cast<std::size_t>(c) + 2) != lines.valueAt(r, checkedAt[static_cast<std::size_t>(c)]))
                    throw TabChanged{};

            std::vector<db::Value> values{proc.nextId(QStringLiteral("recline")), lines.valueAt(r, pcRefAt),
                                          till_.staffRef, receiptId};
            for (qsizetype c = 0; c < copied.size(); ++c) {
                const db::Value& v = lines.valueAt(r, copiedAt[static_cast<std::size_t>(c)]);
                values.push_back(refund && isNegated(copied[c]) ? negated(v) : v);
            }
            db_.run(insertLine, values);

            const QString splitRef = lines.valueAt(r, splitRefAt).asText();
            if (!splitRef.isEmpty() && !splitRefs.contains(splitRef))
                splitRefs << splitRef;

            // A line another till sent meanwhile has had its stock moved by the sending.
            const int itemId = static_cast<int>(lines.valueAt(r, itemIdAt).asInt());
            const bool processed = now.at(1).asText() == u"T";
            const double qty = (refund ? -1 : 1) * lines.valueAt(r, qtyAt).asDouble();
            if (countStock && itemId > 1 && (!processed || refund)) {
                proc.setName(QStringLiteral("itemqty_update"));
                proc.setParam(0, itemId);
                proc.setParam(1, processed ? 2 * qty : qty);
                proc.execute();
            }
        }

        if (holdsUnreadLines(tabId, source, secondList))
            throw TabChanged{};

        if (refund) {
            eventlog::Event event = actor().event(eventlog::Kind::Refund);
            event.tabRef = ref;
            event.amount = -total;
            event.detail = receiptNote(receiptId, mop, lines.rowCount());
            eventlog::write(db_, event);
        }
        if (tabId > 1) {
            for (const QString& splitRef : splitRefs)
                db_.run(QStringLiteral("UPDATE split SET tendered = 0 WHERE ref = ?"), {splitRef});
            if (source == u"tabline1")
                db_.run(QStringLiteral("UPDATE tab SET tendered = 0 WHERE id = ?"), {tabId});
        }
        transaction.commit();
        return receiptId;
    } catch (const TabChanged&) {
        transaction.rollback();
        return kTabChanged;
    } catch (const db::DbError& failure) {
        transaction.rollback();
        if (failure.isConflict()) // another till took or changed a line first
            return kTabChanged;
        if (failure.isConnectionLost())
            return storedAfterAll(receiptId, failure);
        return failed(failure);
    } catch (const std::exception& failure) {
        transaction.rollback();
        return failed(failure);
    }
}

int ReceiptCommit::storedAfterAll(int receiptId, const db::DbError& lost) {
    // The commit may have reached the server just before the connection went: the receipt is
    // then there, and taking the money again would take it twice.
    if (receiptId > 0) {
        try {
            if (!db_.run(QStringLiteral("SELECT id FROM receipt WHERE id = ?"), {receiptId}).rows.empty())
                return receiptId;
        } catch (const std::exception&) {
            // Still out of reach: nothing is known to be stored. Paid again, the lines a stored
            // receipt took are gone, and the payment is refused as changed.
        }
    }
    throw lost;
}

int ReceiptCommit::commitMovement(int tabId, const QString& mop, Money tendered, Money cr, bool credit) {
    if (tabId < 2) {
        prompter_.warning(kTabNotSet);
        return kFailed;
    }
    db::Transaction transaction(db_);
    int receiptId = 0;
    try {
        const QString ref = tabRef(tabId);
        db::StoredProc proc(db_);
        receiptId = proc.nextId(QStringLiteral("receipt"));
        db_.run(QStringLiteral("INSERT INTO receipt (id, pcref, staffref, tabid, tabref, tendered, mop, cr)"
                               " VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                {receiptId, till_.pcRef, till_.staffRef, tabId, ref, tendered, mop, cr});
        moveAccountBalance(db_, tabId, cr);
        eventlog::Event event = actor().event(credit ? eventlog::Kind::AccountCredit : eventlog::Kind::AccountDebit);
        event.tabRef = ref;
        event.amount = credit ? tendered : cr;
        event.detail = receiptNote(receiptId, mop, 0);
        eventlog::write(db_, event);
        transaction.commit();
        return receiptId;
    } catch (const db::DbError& failure) {
        transaction.rollback();
        if (failure.isConnectionLost())
            return storedAfterAll(receiptId, failure);
        return failed(failure);
    } catch (const std::exception& failure) {
        transaction.rollback();
        return failed(failure);
    }
}

int ReceiptCommit::CommitCredit(int tabId, const QString& mop, Money amount) {
    return commitMovement(tabId, mop, amount, -amount, true);
}

int ReceiptCommit::CommitDebit(int tabId, const QString& mop, Money amount) {
    return commitMovement(tabId, mop, -amount, amount, false);
}

} // namespace pelora
