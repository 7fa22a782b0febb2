// The procedures that delete and move open lines keep or move exactly the lines they should:
// the NonTab's and the stocktake tab's lines belong to one terminal, and the plain deletes
// keep lines already sent to the kitchen. Run for both line lists.

#include "db/DbError.h"
#include "db/Query.h"
#include "db/StoredProc.h"

#include "GTestSupport.h"
#include "TestDatabase.h"

using namespace pelora::db;
using pelora::test::DatabaseTest;

namespace {

class LineProcedures : public DatabaseTest, public ::testing::WithParamInterface<int> {
protected:
    QString table() const { return QStringLiteral("tabline%1").arg(GetParam()); }
    QString proc(const char* name) const {
        return QString::fromLatin1(name).replace(QStringLiteral("%n"), QString::number(GetParam()));
    }

    void SetUp() override {
        DatabaseTest::SetUp();
        // id: terminal, tab, processed
        line(1, "Bar", 1, "F");
        line(2, "Bar", 1, "T");
        line(3, "Deck", 1, "F");
        line(4, "Deck", 1, "T");
        line(5, "Bar", 5, "F");
        line(6, "Deck", 5, "T");
        line(7, "Bar", 2, "F");
        line(8, "Deck", 2, "F");
        line(9, "Bar", 6, "F");
    }
    void line(int id, const char* pc, int tab, const char* processed) {
        exec(QStringLiteral("INSERT INTO %1 (id, pcref, tabid, itemname, processed) VALUES (?, ?, ?, ?, ?)")
                 .arg(table()),
             {id, QString::fromLatin1(pc), tab, QStringLiteral("Line %1").arg(id),
              QString::fromLatin1(processed)});
    }
    void call(const char* name, std::vector<Value> inputs) {
        StoredProc sp(db);
        sp.setName(proc(name));
        for (int i = 0; i < static_cast<int>(inputs.size()); ++i)
            sp.setParam(i, inputs[i]);
        sp.execute();
    }
    // The lines left, as "id:terminal/tab" in id order.
    QString lines() {
        return scalar(QStringLiteral("SELECT LIST(id || ':' || pcref || '/' || tabid, ' ') FROM "
                                     "(SELECT id, pcref, tabid FROM %1 ORDER BY id)")
                          .arg(table()));
    }
};

TEST_P(LineProcedures, NonTabDeletesAreThisTerminalsAndKeepProcessedLines) {
    call("tabline%n_del_nontab", {QStringLiteral("Bar")});
    EXPECT_EQ(lines(), QStringLiteral("2:Bar/1 3:Deck/1 4:Deck/1 5:Bar/5 6:Deck/5 7:Bar/2 8:Deck/2 9:Bar/6"));
    call("tabline%n_del_nontab_101", {QStringLiteral("Deck")});
    EXPECT_EQ(lines(), QStringLiteral("2:Bar/1 5:Bar/5 6:Deck/5 7:Bar/2 8:Deck/2 9:Bar/6"));
}

TEST_P(LineProcedures, TabDeletesKeepProcessedLinesUnless101) {
    call("tabline%n_del_tabid", {5});
    EXPECT_EQ(lines(), QStringLiteral("1:Bar/1 2:Bar/1 3:Deck/1 4:Deck/1 6:Deck/5 7:Bar/2 8:Deck/2 9:Bar/6"));
    call("tabline%n_del_tabid_101", {5});
    EXPECT_EQ(lines(), QStringLiteral("1:Bar/1 2:Bar/1 3:Deck/1 4:Deck/1 7:Bar/2 8:Deck/2 9:Bar/6"));
    call("tabline%n_del_one", {9});
    EXPECT_EQ(lines(), QStringLiteral("1:Bar/1 2:Bar/1 3:Deck/1 4:Deck/1 7:Bar/2 8:Deck/2"));
}

TEST_P(LineProcedures, TabDeletesRefuseTheTerminalsTabs) {
    // By tab id alone they would take every terminal's NonTab or stocktake lines.
    for (const char* name : {"tabline%n_del_tabid", "tabline%n_del_tabid_101"})
        for (int tab : {1, 2})
            EXPECT_THROW(call(name, {tab}), DbError) << name << " " << tab;
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table())), QStringLiteral("9"));
}

TEST_P(LineProcedures, StocktakeDeleteIsThisTerminalsCount) {
    call("tabline%n_del_stocktake_101", {QStringLiteral("Bar")});
    EXPECT_EQ(lines(), QStringLiteral("1:Bar/1 2:Bar/1 3:Deck/1 4:Deck/1 5:Bar/5 6:Deck/5 8:Deck/2 9:Bar/6"));
}

TEST_P(LineProcedures, MovesBetweenAccountTabs) {
    call("tab_move_all_tab_%n", {5, 9});
    EXPECT_EQ(lines(), QStringLiteral("1:Bar/1 2:Bar/1 3:Deck/1 4:Deck/1 5:Bar/9 6:Deck/9 7:Bar/2 8:Deck/2 9:Bar/6"));
    call("tab_move_one_tab_%n", {9, 5});
    EXPECT_EQ(lines(), QStringLiteral("1:Bar/1 2:Bar/1 3:Deck/1 4:Deck/1 5:Bar/9 6:Deck/9 7:Bar/2 8:Deck/2 9:Bar/5"));
}

TEST_P(LineProcedures, MovingTheNonTabTakesThisTerminalsLinesOnly) {
    EXPECT_THROW(call("tab_move_all_tab_%n", {1, 6}), DbError); // which terminal's?
    call("tab_move_all_tab_%n", {1, 6, QStringLiteral("Deck")});
    EXPECT_EQ(lines(), QStringLiteral("1:Bar/1 2:Bar/1 3:Deck/6 4:Deck/6 5:Bar/5 6:Deck/5 7:Bar/2 8:Deck/2 9:Bar/6"));
}

TEST_P(LineProcedures, MovesIntoThisTerminalsNonTab) {
    call("tab_move_all_nontab_%n", {QStringLiteral("Deck"), 5});
    EXPECT_EQ(lines(), QStringLiteral("1:Bar/1 2:Bar/1 3:Deck/1 4:Deck/1 5:Deck/1 6:Deck/1 7:Bar/2 8:Deck/2 9:Bar/6"));
    call("tab_move_one_nontab_%n", {QStringLiteral("Deck"), 9});
    EXPECT_EQ(lines(), QStringLiteral("1:Bar/1 2:Bar/1 3:Deck/1 4:Deck/1 5:Deck/1 6:Deck/1 7:Bar/2 8:Deck/2 9:Deck/1"));
    // The NonTab onto itself changes nothing, and another terminal's NonTab stays its own.
    call("tab_move_all_nontab_%n", {QStringLiteral("Bar"), 1});
    EXPECT_EQ(lines(), QStringLiteral("1:Bar/1 2:Bar/1 3:Deck/1 4:Deck/1 5:Deck/1 6:Deck/1 7:Bar/2 8:Deck/2 9:Deck/1"));
}

TEST_P(LineProcedures, ProcessedUpdateMarksOneLine) {
    call("tabline%n_processed_update", {1});
    EXPECT_EQ(scalar(QStringLiteral("SELECT LIST(id) FROM (SELECT id FROM %1 WHERE processed = 'T' "
                                 "ORDER BY id)").arg(table())),
              QStringLiteral("1,2,4,6"));
}

INSTANTIATE_TEST_SUITE_P(BothLists, LineProcedures, ::testing::Values(1, 2),
                         [](const ::testing::TestParamInfo<int>& p) { return "List" + std::to_string(p.param); });

} // namespace
