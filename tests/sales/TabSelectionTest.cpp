#include "app/EventLog.h"
#include "db/StoredProc.h"
#include "sales/OpenTabs.h"
#include "sales/SalesCaches.h"
#include "sales/TabMap.h"
#include "sales/TabMoves.h"
#include "sales/TabSearch.h"

#include "GTestSupport.h"
#include "TestDatabase.h"

using namespace pelora;

namespace {

db::TextTable table(std::vector<db::TextTable::TextRow> rows) {
    db::TextTable t;
    for (auto& r : rows)
        t.append(std::move(r));
    return t;
}

// Tab map cache rows: only tabid and mapid matter here.
db::TextTable tabMapOf(const std::vector<std::pair<int, int>>& tabAndMap) {
    db::TextTable t;
    for (const auto& [tab, map] : tabAndMap)
        t.append({QString::number(tab), QString::number(map), {}, {}, {}, {}, {}, {}, {}, {}});
    return t;
}

TEST(TabMap, TheMarkerPointsAtTheCurrentMapsFirstRow) {
    const db::TextTable cache = tabMapOf({{3, 1}, {4, 1}, {7, 2}, {8, 2}, {11, 2}, {12, 4}});
    EXPECT_EQ(TabMap::rowsOf(cache, 1).firstRow, 0);
    EXPECT_EQ(TabMap::rowsOf(cache, 1).count, 2);
    EXPECT_EQ(TabMap::rowsOf(cache, 2).firstRow, 2);
    EXPECT_EQ(TabMap::rowsOf(cache, 2).count, 3);
    EXPECT_EQ(TabMap::rowsOf(cache, 4).count, 1); // the last row alone
    // A map without rows ends on the last row and lists nothing.
    EXPECT_EQ(TabMap::rowsOf(cache, 3).firstRow, 5);
    EXPECT_EQ(TabMap::rowsOf(cache, 3).count, 0);
    EXPECT_EQ(TabMap::rowsOf(db::TextTable(), 1).count, 0);

    const TabMap::Rows map2 = TabMap::rowsOf(cache, 2);
    EXPECT_EQ(TabMap::cacheRow(map2, 1), 3);
    EXPECT_EQ(TabMap::cacheRow(map2, 3), -1);
    EXPECT_EQ(TabMap::cacheRow(map2, -1), -1); // no entry chosen
}

TEST(TabMap, MapsStepInIdOrderWithoutWrappingAround) {
    const db::TextTable maps = table({{"1", "Bar", "bar.jpg"}, {"2", "Dining", ""}, {"5", "Deck", "deck.jpg"}});
    EXPECT_EQ(TabMap::neighbour(maps, 2, +1), 5);
    EXPECT_EQ(TabMap::neighbour(maps, 2, -1), 1);
    EXPECT_EQ(TabMap::neighbour(maps, 1, -1), std::nullopt);
    EXPECT_EQ(TabMap::neighbour(maps, 5, +1), std::nullopt);
    EXPECT_EQ(TabMap::neighbour(maps, 9, +1), std::nullopt); // not in the cache
}

TEST(TabMoves, ListTwoIsTakenFirstAndAllNeedsATab) {
    // one, split in use, list 1 has lines, list 2 has lines, current tab
    EXPECT_EQ(TabMoves::chooseMode(true, true, true, true, 3), 4);
    EXPECT_EQ(TabMoves::chooseMode(false, true, true, true, 3), 3);
    EXPECT_EQ(TabMoves::chooseMode(true, true, true, false, 3), 2);
    EXPECT_EQ(TabMoves::chooseMode(false, true, true, false, 1), 1);
    EXPECT_EQ(TabMoves::chooseMode(true, false, true, true, 3), 2); // list 2 not in use
    EXPECT_EQ(TabMoves::chooseMode(true, true, false, false, 3), std::nullopt);
    EXPECT_EQ(TabMoves::chooseMode(false, true, true, false, 0), std::nullopt); // no tab chosen
}

class TabMovesTest : public test::DemoDatabaseTest {
protected:
    int addLine(int list, int tabId, const QString& pcRef) {
        const QString table = QStringLiteral("tabline%1").arg(list);
        const int id = proc.nextId(table);
        exec(QStringLiteral("INSERT INTO %1 (id, pcref, tabid, itemid, itemname, qty) VALUES (?, ?, ?, 2, 'Beer', 1)")
                 .arg(table),
             {id, pcRef, tabId});
        return id;
    }
    QString where(int list, int id) {
        return scalar(QStringLiteral("SELECT tabid || '/' || pcref FROM tabline%1 WHERE id = ?").arg(list), {id});
    }
    db::StoredProc proc{db};
};

TEST_F(TabMovesTest, TheNonTabsLinesMoveForThisTerminalOnly) {
    const int mine = addLine(1, 1, QStringLiteral("Bar"));
    const int theirs = addLine(1, 1, QStringLiteral("Deck"));
    EXPECT_TRUE(TabMoves::toTab(proc, 1, 1, 5, QStringLiteral("Bar")));
    EXPECT_EQ(where(1, mine), QStringLiteral("5/Bar"));
    EXPECT_EQ(where(1, theirs), QStringLiteral("1/Deck"));

    // Back to the NonTab: the lines become this terminal's.
    const int other = addLine(2, 5, QStringLiteral("Deck"));
    EXPECT_TRUE(TabMoves::toNonTab(proc, 3, 5, QStringLiteral("Bar")));
    EXPECT_EQ(where(2, other), QStringLiteral("1/Bar"));
    EXPECT_TRUE(TabMoves::toNonTab(proc, 2, mine, QStringLiteral("Till 2")));
    EXPECT_EQ(where(1, mine), QStringLiteral("1/Till 2"));

    const int line = addLine(2, 3, QStringLiteral("Bar"));
    EXPECT_TRUE(TabMoves::toTab(proc, 4, line, 9, QStringLiteral("Bar")));
    EXPECT_EQ(where(2, line), QStringLiteral("9/Bar"));
    // An empty list gives 0: nothing is called.
    EXPECT_FALSE(TabMoves::toTab(proc, 1, 0, 9, QStringLiteral("Bar")));
    EXPECT_FALSE(TabMoves::toNonTab(proc, 2, 0, QStringLiteral("Bar")));
}

TEST_F(TabMovesTest, EachLineAMoveTakesIsOnRecordWithTheTabItLeavesAndTheOneItJoins) {
    addLine(1, 3, QStringLiteral("Bar"));
    addLine(1, 3, QStringLiteral("Deck"));
    const int nonTab = addLine(1, 1, QStringLiteral("Bar"));
    addLine(1, 1, QStringLiteral("Deck")); // another terminal's walk-in stays and is not logged
    const eventlog::Actor who{QStringLiteral("Bar"), QStringLiteral("Sam")};
    TabMoves::logMove(db, who, 1, 3, 5, QStringLiteral("Bar")); // all of Table 1 to Table 3
    TabMoves::logMove(db, who, 2, nonTab, 1, QStringLiteral("Bar"));
    TabMoves::logMove(db, who, 1, 1, 4, QStringLiteral("Bar"));
    TabMoves::logMove(db, who, 2, 0, 4, QStringLiteral("Bar")); // an empty list: nothing
    EXPECT_EQ(eventLog(), QStringLiteral("Move||Table 1|Beer|1||To Table 3 ; Move||Table 1|Beer|1||To Table 3 ; "
                                         "Move||Non Tab|Beer|1||To Non Tab ; Move||Non Tab|Beer|1||To Table 2"));
}

class TabSearchTest : public test::DemoDatabaseTest {};

QStringList column(const db::TextTable& t, int c) {
    QStringList texts;
    for (int r = 0; r < t.rowCount(); ++r)
        texts << t.at(r, c);
    return texts;
}

TEST_F(TabSearchTest, SearchMatchesRefsAndCategoriesInAnyCase) {
    TabSearch::Found found = TabSearch::search(db, QStringLiteral("tab"));
    EXPECT_EQ(column(found.categories, 0), QStringList{QStringLiteral("Tables")});
    EXPECT_EQ(column(found.tabs, TabSearch::TabRef),
              QStringList({"Table 1", "Table 2", "Table 3", "Table 4", "Table 5", "Table 6"}));

    // Only a category matches: its button, no tab.
    found = TabSearch::search(db, QStringLiteral("ROOMS"));
    EXPECT_EQ(column(found.categories, 0), QStringList{QStringLiteral("Rooms")});
    EXPECT_TRUE(found.tabs.isEmpty());

    // "%" and "_" are characters, not wildcards.
    EXPECT_TRUE(TabSearch::search(db, QStringLiteral("%")).tabs.isEmpty());
    exec(QStringLiteral("UPDATE tab SET ref = 'Room_12' WHERE id = 11"));
    EXPECT_EQ(column(TabSearch::search(db, QStringLiteral("m_1")).tabs, TabSearch::TabRef),
              QStringList{QStringLiteral("Room_12")});

    // Everything, reserved tabs left out.
    found = TabSearch::search(db, QString());
    EXPECT_EQ(column(found.categories, 0), QStringList({"Accounts", "Rooms", "Tables"}));
    EXPECT_EQ(found.tabs.rowCount(), 10);

    EXPECT_EQ(column(TabSearch::tabsOfCategory(db, QStringLiteral("accounts")), TabSearch::TabRef),
              QStringList({"Jones Catering", "Patel R", "Smith J"}));
    exec(QStringLiteral("UPDATE tab SET cat = NULL WHERE id = 4"));
    exec(QStringLiteral("UPDATE tab SET cat = '' WHERE id = 5"));
    EXPECT_EQ(column(TabSearch::tabsOfCategory(db, QString()), TabSearch::TabRef),
              QStringList({"Table 2", "Table 3"}));
}

TEST_F(TabSearchTest, OpenTabsListEveryTabWithLinesOnceButNeverTheStocktake) {
    db::StoredProc proc(db);
    const auto add = [&](int list, int tabId, const char* pcRef) {
        const QString table = QStringLiteral("tabline%1").arg(list);
        exec(QStringLiteral("INSERT INTO %1 (id, pcref, tabid, itemid, itemname, qty) VALUES (?, ?, ?, 2, 'Beer', 1)")
                 .arg(table),
             {proc.nextId(table), pcRef, tabId});
    };
    add(1, 9, "Bar");
    add(2, 9, "Bar");
    add(1, 3, "Deck");
    add(1, 1, "Deck"); // another terminal's NonTab
    add(1, 2, "Bar");  // a count
    add(2, 7, "Deck"); // a tab whose lines are all in the split list
    const OpenTabs open = OpenTabs::read(db);
    EXPECT_EQ(column(open.rows(), OpenTabs::Ref), QStringList({"Non Tab", "Smith J", "Table 1", "Table 5"}));
    EXPECT_EQ(column(open.rows(), OpenTabs::TabId), QStringList({"1", "9", "3", "7"}));
    // What is listed is what is occupied, and nothing else.
    for (int tab = 1; tab <= 12; ++tab)
        EXPECT_EQ(open.contains(tab), tab == 1 || tab == 3 || tab == 7 || tab == 9) << tab;
}

} // namespace
