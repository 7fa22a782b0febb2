// What the till relies on the database to do by itself: reserved rows, generators, columns the
// database fills, references that refuse a delete, unique names, lookups.

#include "db/DbError.h"
#include "db/Query.h"
#include "db/StoredProc.h"

#include "GTestSupport.h"
#include "TestDatabase.h"

#include <QThread>

#include <set>

using namespace pelora::db;
using pelora::test::DatabaseTest;

namespace {

class SchemaBehaviour : public DatabaseTest {
protected:
    void call(const QString& proc, std::vector<Value> inputs) {
        StoredProc sp(db);
        sp.setName(proc);
        for (int i = 0; i < static_cast<int>(inputs.size()); ++i)
            sp.setParam(i, inputs[i]);
        sp.execute();
    }
    long failureOf(const QString& proc, std::vector<Value> inputs) {
        try {
            call(proc, std::move(inputs));
        } catch (const DbError& e) {
            return e.code();
        }
        return 0;
    }
};

TEST_F(SchemaBehaviour, ReservedRowsAreDelivered) {
    EXPECT_EQ(scalar(QStringLiteral("SELECT ref FROM tab WHERE id = 1")), QStringLiteral("Non Tab"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT ref FROM tab WHERE id = 2")), QStringLiteral("Stocktake"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT name FROM item WHERE id = 1")), QStringLiteral("Manual"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT name FROM mop WHERE id = 1")), QStringLiteral("Account"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT name FROM disc WHERE id = 1")), QStringLiteral("No Discount"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT ref FROM staff WHERE id = 1")), QStringLiteral("Default"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT linkid FROM layout WHERE id = 1")), QStringLiteral("1"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM link WHERE id = 1")), QStringLiteral("1"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM map WHERE id = 1")), QStringLiteral("1"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM master")), QStringLiteral("1"));
    // The terminal settings of pc 1 find their layout and output.
    EXPECT_EQ(scalar(QStringLiteral("SELECT l.name || '/' || o.name FROM pc p JOIN layout l ON "
                                    "l.id = p.layoutid JOIN output o ON o.id = p.outputid WHERE p.id = 1")),
              QStringLiteral("Default/None"));
    Query outputs(db);
    outputs.setSql(QStringLiteral("SELECT name FROM output WHERE id BETWEEN 2 AND 100 ORDER BY id"));
    outputs.open();
    QStringList names;
    for (; !outputs.eof(); outputs.next())
        names << outputs.value(0).asText();
    EXPECT_EQ(names, QStringList({QStringLiteral("Check"), QStringLiteral("Docket"),
                                  QStringLiteral("Drawer"), QStringLiteral("X")}));
    EXPECT_THROW(exec(QStringLiteral("INSERT INTO master (id) VALUES (2)")), DbError);
}

TEST_F(SchemaBehaviour, GeneratorsStartPastTheReservedRows) {
    StoredProc sp(db);
    EXPECT_EQ(sp.nextId(QStringLiteral("tab")), 3);
    EXPECT_EQ(sp.nextId(QStringLiteral("item")), 2);
    EXPECT_EQ(sp.nextId(QStringLiteral("pc")), 2);
    EXPECT_EQ(sp.nextId(QStringLiteral("layout")), 2);
    EXPECT_EQ(sp.nextId(QStringLiteral("link")), 2);
    EXPECT_EQ(sp.nextId(QStringLiteral("map")), 2);
    EXPECT_EQ(sp.nextId(QStringLiteral("mop")), 2);
    EXPECT_EQ(sp.nextId(QStringLiteral("disc")), 2);
    EXPECT_EQ(sp.nextId(QStringLiteral("staff")), 2);
    EXPECT_GT(sp.nextId(QStringLiteral("output")), 100);
    EXPECT_EQ(sp.nextId(QStringLiteral("tabline1")), 1);
}

TEST_F(SchemaBehaviour, OutputIdsStayAbove100EvenIfTheGeneratorIsReset) {
    exec(QStringLiteral("INSERT INTO output (id, name) VALUES (101, 'Kitchen')"));
    Connection owner;
    owner.connect(database.sysdba());
    owner.executeDirect(QStringLiteral("SET GENERATOR outputid_gen TO 0"));
    StoredProc sp(db);
    EXPECT_GT(sp.nextId(QStringLiteral("output")), 100);
}

TEST_F(SchemaBehaviour, GeneratorsNeverHandOutAnIdTwiceToTwoTills) {
    Connection other;
    other.connect(database.admin1());
    StoredProc a(db), b(other);
    std::set<int> seen;
    for (int i = 0; i < 50; ++i) {
        EXPECT_TRUE(seen.insert(a.nextId(QStringLiteral("receipt"))).second);
        EXPECT_TRUE(seen.insert(b.nextId(QStringLiteral("receipt"))).second);
    }
    // Taken inside transactions that roll back, ids are still not handed out again.
    db.startTransaction();
    const int rolledBack = a.nextId(QStringLiteral("receipt"));
    db.rollback();
    EXPECT_GT(b.nextId(QStringLiteral("receipt")), rolledBack);
}

TEST_F(SchemaBehaviour, NewLinesAreUnprocessedAndStamped) {
    exec(QStringLiteral("INSERT INTO tabline1 (id, pcref, tabid, itemname) VALUES (1, 'Bar', 1, 'Lager')"));
    exec(QStringLiteral("INSERT INTO tabline2 (id, pcref, tabid, itemname) VALUES (1, 'Bar', 1, 'Lager')"));
    for (const char* t : {"tabline1", "tabline2"}) {
        Query q(db);
        q.setSql(QStringLiteral("SELECT processed, istamp FROM %1 WHERE id = 1").arg(QLatin1String(t)));
        q.open();
        EXPECT_EQ(q.value(u"processed").asText(), QStringLiteral("F")) << t;
        EXPECT_TRUE(q.value(u"istamp").asDateTime().isValid()) << t;
    }
}

TEST_F(SchemaBehaviour, StockChangesMoveTheItemsChangeTime) {
    exec(QStringLiteral("INSERT INTO item (id, name, qty) VALUES (2, 'Lager', 10)"));
    Query q(db);
    q.setSql(QStringLiteral("SELECT qty, ustamp FROM item WHERE id = 2"));
    q.open();
    const QDateTime inserted = q.value(u"ustamp").asDateTime();
    ASSERT_TRUE(inserted.isValid());
    QThread::msleep(20);

    StoredProc sp(db);
    sp.setName(QStringLiteral("itemqty_update"));
    sp.setParam(0, 2);
    sp.setParam(1, 3);
    sp.execute();
    q.open();
    EXPECT_EQ(q.value(u"qty").asDouble(), 7.0);
    const QDateTime afterProcedure = q.value(u"ustamp").asDateTime();
    EXPECT_GT(afterProcedure, inserted);

    // A negative quantity returns stock; the manual item carries none.
    sp.setParam(1, -1.5);
    sp.execute();
    EXPECT_EQ(scalar(QStringLiteral("SELECT qty FROM item WHERE id = 2")), QStringLiteral("8.5"));
    sp.setParam(0, 1);
    sp.setParam(1, 5);
    sp.execute();
    EXPECT_EQ(scalar(QStringLiteral("SELECT qty FROM item WHERE id = 1")), QStringLiteral("0"));

    QThread::msleep(20);
    exec(QStringLiteral("UPDATE item SET qty = 4 WHERE id = 2"));
    q.open();
    EXPECT_GT(q.value(u"ustamp").asDateTime(), afterProcedure);
}

TEST_F(SchemaBehaviour, AReceiptAtTheLastMinuteOfAMonthKeepsThatDay) {
    const QDateTime lastMinute(QDate(2024, 1, 31), QTime(23, 59, 0));
    exec(QStringLiteral("INSERT INTO receipt (id, tabid, total, istamp) VALUES (1, 1, 5, ?)"), {lastMinute});
    exec(QStringLiteral("INSERT INTO recline (id, recid, itemname, istamp) VALUES (1, 1, 'Lager', ?)"),
         {lastMinute});
    for (const char* t : {"receipt", "recline"}) {
        Query q(db);
        q.setSql(QStringLiteral("SELECT idate, iyear, imonth FROM %1 WHERE id = 1").arg(QLatin1String(t)));
        q.open();
        EXPECT_EQ(q.value(u"idate").asDate(), QDate(2024, 1, 31)) << t;
        EXPECT_EQ(q.value(u"iyear").asInt(), 2024) << t;
        EXPECT_EQ(q.value(u"imonth").asInt(), 1) << t;
    }
    // Without a time stamp the server's own time is taken.
    exec(QStringLiteral("INSERT INTO receipt (id, tabid, total) VALUES (2, 1, 5)"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM receipt WHERE id = 2 AND idate = CURRENT_DATE "
                                    "AND imonth = EXTRACT(MONTH FROM CURRENT_DATE) AND ustamp IS NOT NULL")),
              QStringLiteral("1"));
}

TEST_F(SchemaBehaviour, OutputsAndDevicesInUseCannotBeDeleted) {
    exec(QStringLiteral("INSERT INTO output (id, name) VALUES (101, 'Kitchen')"));
    exec(QStringLiteral("INSERT INTO output (id, name) VALUES (102, 'Bar')"));
    exec(QStringLiteral("INSERT INTO output (id, name) VALUES (103, 'Spare')"));
    exec(QStringLiteral("INSERT INTO device (id, name, cat) VALUES (1, 'KitchenPrinter', 'P')"));
    exec(QStringLiteral("INSERT INTO item (id, name, outputid) VALUES (2, 'Steak', 101)"));
    exec(QStringLiteral("INSERT INTO od (id, pcref, outputid, deviceid) VALUES (1, 'Bar', 102, 1)"));
    exec(QStringLiteral("UPDATE pc SET outputid = 103 WHERE id = 1"));

    EXPECT_EQ(failureOf(QStringLiteral("output_del_one"), {101}), DbError::kForeignKey); // an item
    EXPECT_EQ(failureOf(QStringLiteral("output_del_one"), {102}), DbError::kForeignKey); // an od row
    EXPECT_EQ(failureOf(QStringLiteral("device_del_one"), {1}), DbError::kForeignKey);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM output WHERE id > 100")), QStringLiteral("3"));

    // An output only a terminal uses goes; the terminal falls back to output 1.
    EXPECT_EQ(failureOf(QStringLiteral("output_del_one"), {103}), 0);
    EXPECT_EQ(scalar(QStringLiteral("SELECT outputid FROM pc WHERE id = 1")), QStringLiteral("1"));

    EXPECT_EQ(failureOf(QStringLiteral("od_del_one"), {1}), 0);
    EXPECT_EQ(failureOf(QStringLiteral("device_del_one"), {1}), 0);
    EXPECT_EQ(failureOf(QStringLiteral("output_del_one"), {102}), 0);
    EXPECT_EQ(failureOf(QStringLiteral("output_del_one"), {3}), DbError::kUserException); // "Docket"
}

TEST_F(SchemaBehaviour, DeletingAnItemOrALinkTakesItsButtons) {
    exec(QStringLiteral("INSERT INTO link (id, name) VALUES (2, 'Drinks')"));
    exec(QStringLiteral("INSERT INTO item (id, name) VALUES (2, 'Lager')"));
    exec(QStringLiteral("INSERT INTO item (id, name) VALUES (3, 'Cider')"));
    const char* buttons[] = {
        "INSERT INTO li (id, linkid, itemid, linkidlink, btncaption) VALUES (1, 1, NULL, 2, 'Drinks')",
        "INSERT INTO li (id, linkid, itemid, linkidlink, btncaption) VALUES (2, 2, 2, 0, 'Lager')",
        "INSERT INTO li (id, linkid, itemid, linkidlink, btncaption) VALUES (3, 2, 3, 0, 'Cider')",
        "INSERT INTO li (id, linkid, itemid, linkidlink, btncaption) VALUES (4, 1, 2, 0, 'Lager')",
        "INSERT INTO li (id, linkid, itemid, linkidlink, btncaption) VALUES (5, 1, 3, 0, 'Cider')"};
    for (const char* sql : buttons)
        exec(QString::fromLatin1(sql));
    exec(QStringLiteral("INSERT INTO opt (id, itemid, button, choice) VALUES (1, 2, 1, 'Schooner')"));
    exec(QStringLiteral("INSERT INTO icat (itemid, cat, topcat) VALUES (2, 'Beer', 'T')"));
    exec(QStringLiteral("UPDATE layout SET linkid = 2 WHERE id = 1"));

    call(QStringLiteral("item_del_one"), {2});
    EXPECT_EQ(scalar(QStringLiteral("SELECT LIST(id) FROM (SELECT id FROM li ORDER BY id)")), QStringLiteral("1,3,5"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM opt")), QStringLiteral("0"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM icat")), QStringLiteral("0"));

    call(QStringLiteral("link_del_one"), {2});
    EXPECT_EQ(scalar(QStringLiteral("SELECT LIST(id) FROM (SELECT id FROM li ORDER BY id)")), QStringLiteral("5"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT linkid FROM layout WHERE id = 1")), QStringLiteral("1"));
}

TEST_F(SchemaBehaviour, ReservedRowsCannotBeDeleted) {
    const std::pair<const char*, int> reserved[] = {
        {"tab_del_one", 1},  {"tab_del_one", 2},    {"item_del_one", 1}, {"pc_del_one", 1},
        {"layout_del_one", 1}, {"link_del_one", 1}, {"map_del_one", 1},  {"mop_del_one", 1},
        {"disc_del_one", 1}, {"staff_del_one", 1}, {"output_del_one", 1}, {"output_del_one", 5}};
    for (const auto& [proc, id] : reserved)
        EXPECT_EQ(failureOf(QString::fromLatin1(proc), {id}), DbError::kUserException)
            << proc << " " << id;
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM tab")), QStringLiteral("2"));
}

TEST_F(SchemaBehaviour, DeletesMendWhatPointedAtTheRow) {
    exec(QStringLiteral("INSERT INTO disc (id, name, rate) VALUES (2, 'Staff', 20)"));
    exec(QStringLiteral("INSERT INTO tab (id, ref, discid) VALUES (3, 'Smith', 2)"));
    exec(QStringLiteral("INSERT INTO map (id, name) VALUES (2, 'Deck')"));
    exec(QStringLiteral("INSERT INTO tm (tabid, mapid, btncaption) VALUES (3, 2, 'Smith')"));
    exec(QStringLiteral("INSERT INTO layout (id, name) VALUES (2, 'Bar')"));
    exec(QStringLiteral("UPDATE pc SET mapid = 2, layoutid = 2 WHERE id = 1"));
    exec(QStringLiteral("INSERT INTO image (id, name, filename) VALUES (1, 'Beer', 'beer.png')"));
    exec(QStringLiteral("INSERT INTO li (id, linkid, imageid) VALUES (1, 1, 1)"));

    call(QStringLiteral("disc_del_one"), {2});
    EXPECT_EQ(scalar(QStringLiteral("SELECT COALESCE(discid, -1) FROM tab WHERE id = 3")), QStringLiteral("-1"));
    call(QStringLiteral("map_del_one"), {2});
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM tm")), QStringLiteral("0"));
    call(QStringLiteral("layout_del_one"), {2});
    EXPECT_EQ(scalar(QStringLiteral("SELECT mapid || '/' || layoutid FROM pc WHERE id = 1")),
              QStringLiteral("1/1"));
    call(QStringLiteral("image_del_one"), {1});
    EXPECT_EQ(scalar(QStringLiteral("SELECT COALESCE(imageid, -1) FROM li WHERE id = 1")), QStringLiteral("-1"));
    exec(QStringLiteral("INSERT INTO tm (tabid, mapid, btncaption) VALUES (3, 1, 'Smith')"));
    call(QStringLiteral("tab_del_one"), {3});
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM tm")), QStringLiteral("0"));
}

TEST_F(SchemaBehaviour, NamesAndReferencesAreUnique) {
    const std::pair<const char*, const char*> twice[] = {
        {"INSERT INTO item (id, name) VALUES (?, 'Lager')", "item name"},
        {"INSERT INTO link (id, name) VALUES (?, 'Drinks')", "link name"},
        {"INSERT INTO layout (id, name) VALUES (?, 'Bar')", "layout name"},
        {"INSERT INTO map (id, name) VALUES (?, 'Deck')", "map name"},
        {"INSERT INTO mop (id, name) VALUES (?, 'Cash')", "payment method name"},
        {"INSERT INTO disc (id, name) VALUES (?, 'Staff')", "discount name"},
        {"INSERT INTO tab (id, ref) VALUES (?, 'Smith')", "tab ref"},
        {"INSERT INTO split (id, ref) VALUES (?, 'Seat 1')", "split ref"},
        {"INSERT INTO staff (id, ref) VALUES (?, 'Alex')", "staff ref"},
        {"INSERT INTO pc (id, ref) VALUES (?, 'Deck')", "terminal ref"},
        {"INSERT INTO output (id, name) VALUES (?, 'Kitchen')", "output name"},
        {"INSERT INTO device (id, name) VALUES (?, 'Printer')", "device name"},
    };
    for (const auto& [sql, what] : twice) {
        exec(QString::fromLatin1(sql), {200});
        try {
            exec(QString::fromLatin1(sql), {201});
            ADD_FAILURE() << "a second " << what << " was taken";
        } catch (const DbError& e) {
            EXPECT_EQ(e.code(), DbError::kUniqueKey) << what;
        }
    }
    exec(QStringLiteral("INSERT INTO tm (tabid, mapid) VALUES (200, 1)"));
    EXPECT_THROW(exec(QStringLiteral("INSERT INTO tm (tabid, mapid) VALUES (200, 1)")), DbError);

    // An item's categories differ by more than letter case; another item may share one.
    exec(QStringLiteral("INSERT INTO icat (itemid, cat) VALUES (200, 'Food')"));
    EXPECT_THROW(exec(QStringLiteral("INSERT INTO icat (itemid, cat) VALUES (200, 'FOOD')")), DbError);
    EXPECT_NO_THROW(exec(QStringLiteral("INSERT INTO icat (itemid, cat) VALUES (201, 'food')")));
}

TEST_F(SchemaBehaviour, LookupsGiveTheTabsAndSplitsFigures) {
    exec(QStringLiteral("INSERT INTO disc (id, name, rate, stopoveride) VALUES (2, 'Happy Hour', 10, 'F')"));
    exec(QStringLiteral("INSERT INTO disc (id, name, rate, stopoveride) VALUES (3, 'Comp', 100, 'T')"));
    exec(QStringLiteral("INSERT INTO tab (id, ref, discid, balance, crlimit, crstop) VALUES (3, 'Smith', 2, 40, 200, 'F')"));
    exec(QStringLiteral("INSERT INTO tab (id, ref) VALUES (4, 'Jones')"));
    exec(QStringLiteral("INSERT INTO split (id, ref, cat, discid) VALUES (7, 'Seat 1', 'Seats', 3)"));

    StoredProc sp(db);
    sp.setName(QStringLiteral("disc_namerate_lookup"));
    sp.setParam(0, 3);
    sp.execute();
    EXPECT_EQ(sp.value(u"name").asText(), QStringLiteral("Happy Hour"));
    EXPECT_EQ(sp.value(u"rate").asDouble(), 10.0);
    EXPECT_EQ(sp.value(u"stopoveride").asText(), QStringLiteral("F"));
    sp.setParam(0, 4); // a tab without a discount
    sp.execute();
    EXPECT_TRUE(sp.value(u"rate").isNull());
    EXPECT_TRUE(sp.value(u"name").isNull());

    sp.setName(QStringLiteral("splitdisc_namerate_lookup"));
    sp.setParam(0, QStringLiteral("Seat 1"));
    sp.execute();
    EXPECT_EQ(sp.value(u"name").asText(), QStringLiteral("Comp"));
    EXPECT_EQ(sp.value(u"stopoveride").asText(), QStringLiteral("T"));
    sp.setParam(0, QStringLiteral("Nobody"));
    sp.execute();
    EXPECT_TRUE(sp.value(u"rate").isNull());

    sp.setName(QStringLiteral("split_idcat_lookup"));
    sp.setParam(0, QStringLiteral("Seat 1"));
    sp.execute();
    EXPECT_EQ(sp.value(u"id").asInt(), 7);
    EXPECT_EQ(sp.value(u"cat").asText(), QStringLiteral("Seats"));

    sp.setName(QStringLiteral("tab_balcr_lookup"));
    sp.setParam(0, 4);
    sp.execute(); // a new tab starts at nothing owed, not at null
    EXPECT_EQ(sp.value(u"balance").asText(), QStringLiteral("0"));
    EXPECT_FALSE(sp.value(u"balance").isNull());
}

TEST_F(SchemaBehaviour, OptionChoicePriceUpdate) {
    exec(QStringLiteral("INSERT INTO opt (id, itemid, button, choice, price) VALUES (4, 2, 1, 'Small', 0)"));
    call(QStringLiteral("opt_choice_price_update"), {4, QStringLiteral("Large"), 1.0, 3.5, 0.32});
    EXPECT_EQ(scalar(QStringLiteral("SELECT choice FROM opt WHERE id = 4")), QStringLiteral("Large"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT cost FROM opt WHERE id = 4")), QStringLiteral("1"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT price FROM opt WHERE id = 4")), QStringLiteral("3.5"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT tax FROM opt WHERE id = 4")), QStringLiteral("0.32"));
}

} // namespace
