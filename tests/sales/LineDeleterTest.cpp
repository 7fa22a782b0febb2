#include "db/Query.h"
#include "db/StoredProc.h"
#include "sales/LineDeleter.h"
#include "sales/LineLists.h"

#include "GTestSupport.h"
#include "TestDatabase.h"

using namespace pelora;

namespace {

class LineDeleterTest : public test::DemoDatabaseTest {
protected:
    void SetUp() override {
        DemoDatabaseTest::SetUp();
        lists = std::make_unique<LineLists>(db);
    }
    void addLine(int list, int tabId, const QString& name, double qty, const QString& processed,
                 const QString& pcRef = QStringLiteral("Bar")) {
        exec(QStringLiteral("INSERT INTO %1 (id, pcref, tabid, itemid, itemname, qty, processed)"
                            " VALUES (?, ?, ?, 2, ?, ?, ?)")
                 .arg(LineLists::tableName(list)),
             {proc.nextId(LineLists::tableName(list)), pcRef, tabId, name, qty, processed});
    }
    LineDeleter::Context context(int tabId, AdminLevel approver = AdminLevel::None) {
        lists->read({tabId, QStringLiteral("Bar"), true});
        return {*lists,         proc, prompter, QStringLiteral("Bar"), QStringLiteral("1"), QStringLiteral("1"),
                tabId,          {QStringLiteral("Bar"), QStringLiteral("Sam"), approver}};
    }
    QStringList names(int list) {
        db::Query q(db);
        q.setSql(QStringLiteral("SELECT itemname FROM %1 ORDER BY id").arg(LineLists::tableName(list)));
        q.open();
        QStringList n;
        for (int r = 0; r < q.rowCount(); ++r, q.next())
            n << q.value(0).asText();
        return n;
    }
    int stock() { return scalar(QStringLiteral("SELECT qty FROM item WHERE id = 2")).toInt(); }

    test::ScriptedPrompter prompter{test::gtestFailures()};
    db::StoredProc proc{db};
    std::unique_ptr<LineLists> lists;
};

using Source = LineDeleter::Source;

TEST_F(LineDeleterTest, TheSalesScreenDeletesOnlyUnsentLinesAndTakesListTwoFirst) {
    addLine(1, 3, QStringLiteral("Kept"), 1, QStringLiteral("F"));
    addLine(2, 3, QStringLiteral("Sent split"), 1, QStringLiteral("T"));
    prompter.expectInformation(QStringLiteral("Split line has been processed.Cannot delete."));
    EXPECT_FALSE(LineDeleter::deleteOne(context(3), Source::Sales).done);

    exec(QStringLiteral("DELETE FROM tabline2"));
    addLine(1, 3, QStringLiteral("Sent"), 1, QStringLiteral("T"));
    prompter.expectInformation(QStringLiteral("Line has been processed.Cannot delete."));
    EXPECT_FALSE(LineDeleter::deleteOne(context(3), Source::Sales).done); // list 1 ends on "Sent"

    LineDeleter::Context c = context(3);
    lists->list(1).first();
    EXPECT_TRUE(LineDeleter::deleteOne(c, Source::Sales).done);
    EXPECT_EQ(names(1), QStringList{QStringLiteral("Sent")});
    EXPECT_EQ(lists->list(1).rowCount(), 1);
    // Only the deletion is on record, with the tab's ref and the line as it was.
    EXPECT_EQ(eventLog(), QStringLiteral("Delete||Table 1|Kept|1||Not sent"));
}

TEST_F(LineDeleterTest, ALineSentByAnotherTillMeanwhileIsNotDeleted) {
    addLine(1, 3, QStringLiteral("Steak"), 1, QStringLiteral("F"));
    LineDeleter::Context c = context(3);
    exec(QStringLiteral("UPDATE tabline1 SET processed = 'T'")); // the kitchen has it now
    prompter.expectInformation(QStringLiteral("Line has been processed.Cannot delete."));
    EXPECT_FALSE(LineDeleter::deleteOne(c, Source::Sales).done);
    EXPECT_EQ(names(1), QStringList{QStringLiteral("Steak")});
    EXPECT_EQ(lists->list(1).value(u"processed").asText(), QStringLiteral("T"));
    EXPECT_EQ(eventLog(), QString()); // the refused deletion leaves no entry
}

TEST_F(LineDeleterTest, TheConsoleDeletesSentLinesAndReturnsTheirStock) {
    prompter.expectInformation(QStringLiteral("There are no lines to delete."));
    EXPECT_FALSE(LineDeleter::deleteOne(context(3), Source::Admin).done);

    addLine(1, 3, QStringLiteral("Sent"), 2, QStringLiteral("T"));
    exec(QStringLiteral("UPDATE tabline1 SET extprice = 13"));
    const LineDeleter::Outcome done = LineDeleter::deleteOne(context(3, AdminLevel::Admin2), Source::Admin);
    EXPECT_TRUE(done.done);
    EXPECT_TRUE(done.stockChanged);
    EXPECT_EQ(stock(), 50);
    EXPECT_TRUE(names(1).isEmpty());
    EXPECT_EQ(eventLog(), QStringLiteral("Delete|Admin2|Table 1|Sent|2|13|Sent"));
}

TEST_F(LineDeleterTest, AllKeepsSentLinesFromTheSalesScreen) {
    addLine(1, 1, QStringLiteral("Unsent"), 1, QStringLiteral("F"));
    addLine(1, 1, QStringLiteral("Sent"), 1, QStringLiteral("T"));
    addLine(1, 1, QStringLiteral("Other till"), 1, QStringLiteral("F"), QStringLiteral("Deck"));
    addLine(1, 9, QStringLiteral("Account"), 1, QStringLiteral("F"));
    EXPECT_TRUE(LineDeleter::deleteAll(context(1), Source::Sales).done);
    EXPECT_EQ(names(1), (QStringList{QStringLiteral("Sent"), QStringLiteral("Other till"), QStringLiteral("Account")}));

    const LineDeleter::Outcome admin = LineDeleter::deleteAll(context(1), Source::Admin);
    EXPECT_TRUE(admin.done);
    EXPECT_EQ(names(1), (QStringList{QStringLiteral("Other till"), QStringLiteral("Account")}));
    EXPECT_EQ(stock(), 49); // the sent line's unit went back
    // One entry per line each deletion took, none for another terminal's NonTab lines.
    EXPECT_EQ(eventLog(), QStringLiteral("Delete||Non Tab|Unsent|1||Not sent ; Delete||Non Tab|Sent|1||Sent"));

    addLine(2, 9, QStringLiteral("Split"), 1, QStringLiteral("F"));
    EXPECT_TRUE(LineDeleter::deleteAll(context(9), Source::Sales).done); // list 2 first
    EXPECT_TRUE(names(2).isEmpty());
    EXPECT_EQ(names(1), (QStringList{QStringLiteral("Other till"), QStringLiteral("Account")}));
}

TEST_F(LineDeleterTest, AFailedConsoleDeletionChangesNothing) {
    addLine(1, 9, QStringLiteral("Sent"), 3, QStringLiteral("T"));
    LineDeleter::Context c = context(9);
    db.setStatementHook([](const QString& sql) {
        if (sql.contains(QStringLiteral("_del_tabid_101")))
            throw std::runtime_error("the connection dropped");
    });
    // The operator is told why; the line, its stock and the log stay as they were.
    EXPECT_THROW(LineDeleter::deleteAll(c, Source::Admin), std::runtime_error);
    db.setStatementHook({});
    EXPECT_EQ(stock(), 48);
    EXPECT_EQ(names(1), QStringList{QStringLiteral("Sent")});
    EXPECT_EQ(eventLog(), QString());
}

} // namespace
