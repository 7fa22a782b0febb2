#include "db/DbError.h"
#include "db/RowSet.h"

#include "GTestSupport.h"
#include "TestDatabase.h"

using namespace pelora;
using namespace pelora::db;
using pelora::test::DatabaseTest;

namespace {

class RowSetTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        exec(QStringLiteral("INSERT INTO output (id, name) VALUES (101, 'Kitchen')"));
        for (int id = 2; id <= 4; ++id)
            exec(QStringLiteral("INSERT INTO item (id, name, price1, outputid) VALUES (?, ?, ?, 101)"),
                 {id, QStringLiteral("Item %1").arg(id), id * 1.5});
    }
    void openItems(RowSet& rs) {
        rs.setSql(QStringLiteral("SELECT item.id, item.name, item.price1, output.name AS outputname "
                                 "FROM item LEFT JOIN output ON output.id = item.outputid "
                                 "WHERE item.id > 1 ORDER BY item.id"));
        rs.open();
    }
};

TEST_F(RowSetTest, EditPostWritesTheRowById) {
    RowSet rs(db, QStringLiteral("item"));
    openItems(rs);
    rs.moveTo(1); // item 3
    rs.edit();
    rs.setField(u"price1", Money::fromDouble(5.25));
    EXPECT_EQ(rs.value(u"price1").asDouble(), 5.25); // the edited value reads back at once
    EXPECT_EQ(scalar(QStringLiteral("SELECT price1 FROM item WHERE id = 3")), QStringLiteral("4.5"));
    rs.post();
    EXPECT_EQ(rs.state(), RowSet::State::Browse);
    EXPECT_EQ(scalar(QStringLiteral("SELECT price1 FROM item WHERE id = 3")), QStringLiteral("5.25"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT price1 FROM item WHERE id = 2")), QStringLiteral("3"));
}

TEST_F(RowSetTest, CancelDropsTheEdit) {
    RowSet rs(db, QStringLiteral("item"));
    openItems(rs);
    rs.setField(u"name", QStringLiteral("Renamed")); // puts the row into edit
    EXPECT_TRUE(rs.isModified());
    rs.cancel();
    EXPECT_EQ(rs.value(u"name").asText(), QStringLiteral("Item 2"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT name FROM item WHERE id = 2")), QStringLiteral("Item 2"));
}

TEST_F(RowSetTest, MovingAwayWritesTheEditClosingDropsIt) {
    RowSet rs(db, QStringLiteral("item"));
    openItems(rs);
    rs.setField(u"name", QStringLiteral("Lager"));
    rs.next();
    EXPECT_EQ(scalar(QStringLiteral("SELECT name FROM item WHERE id = 2")), QStringLiteral("Lager"));
    rs.setField(u"name", QStringLiteral("Cider"));
    rs.close();
    EXPECT_EQ(scalar(QStringLiteral("SELECT name FROM item WHERE id = 3")), QStringLiteral("Item 3"));
}

TEST_F(RowSetTest, InsertAndDelete) {
    RowSet rs(db, QStringLiteral("item"));
    openItems(rs);
    rs.insert();
    EXPECT_EQ(rs.rowCount(), 4);
    EXPECT_EQ(rs.row(), 3);
    rs.setField(u"id", 9);
    rs.setField(u"name", QStringLiteral("New Item"));
    rs.post();
    EXPECT_EQ(scalar(QStringLiteral("SELECT name FROM item WHERE id = 9")), QStringLiteral("New Item"));
    // Columns left out take their defaults.
    EXPECT_EQ(scalar(QStringLiteral("SELECT stopline FROM item WHERE id = 9")), QStringLiteral("F"));

    rs.insert();
    rs.cancel();
    EXPECT_EQ(rs.rowCount(), 4);

    rs.moveTo(0);
    rs.deleteRow();
    EXPECT_EQ(rs.rowCount(), 3);
    EXPECT_EQ(rs.value(u"id").asInt(), 3);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM item WHERE id = 2")), QStringLiteral("0"));
}

TEST_F(RowSetTest, RefusedChangesStayInEdit) {
    RowSet rs(db, QStringLiteral("item"));
    openItems(rs);
    EXPECT_THROW(rs.setField(u"outputname", QStringLiteral("Bar")), DbError); // another table's
    rs.setField(u"name", QStringLiteral("Item 3")); // taken by another item
    try {
        rs.post();
        FAIL();
    } catch (const DbError& e) {
        EXPECT_EQ(e.code(), DbError::kUniqueKey);
    }
    EXPECT_EQ(rs.state(), RowSet::State::Edit);
    rs.setField(u"name", QStringLiteral("Item 2b"));
    EXPECT_NO_THROW(rs.post());

    // A row another till deleted in the meantime is reported, not silently lost.
    exec(QStringLiteral("DELETE FROM item WHERE id = 4"));
    rs.last();
    rs.setField(u"name", QStringLiteral("Gone"));
    EXPECT_THROW(rs.post(), DbError);
}

TEST_F(RowSetTest, SignalsFollowTheCurrentRowUnlessSuspended) {
    RowSet rs(db, QStringLiteral("item"));
    int scrolled = 0, changed = 0;
    QObject::connect(&rs, &RowSet::scrolled, [&] { ++scrolled; });
    QObject::connect(&rs, &RowSet::dataChanged, [&] { ++changed; });
    openItems(rs);
    EXPECT_EQ(changed, 1); // the rows were read
    rs.next();
    rs.next();
    EXPECT_EQ(scrolled, 3);
    rs.disableControls();
    rs.first();
    rs.setField(u"name", QStringLiteral("Quiet"));
    rs.post();
    rs.reopen();
    EXPECT_EQ(scrolled, 3);
    EXPECT_EQ(changed, 1);
    rs.enableControls();
    EXPECT_EQ(scrolled, 4);
    EXPECT_EQ(changed, 2);
    rs.reopen(); // read again: what is shown must be redrawn
    EXPECT_EQ(changed, 3);
    rs.close();
    EXPECT_EQ(changed, 4);
}

TEST(RowSet, RefusesATableNameThatIsNone) {
    Connection c;
    EXPECT_THROW(RowSet(c, QStringLiteral("item; DROP TABLE item")), DbError);
}

} // namespace
