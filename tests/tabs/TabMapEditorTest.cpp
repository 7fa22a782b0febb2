#include "db/DbError.h"
#include "tabs/EditedTabMap.h"
#include "tabs/TabAccounts.h"
#include "tabs/TabMapEditor.h"

#include "GTestSupport.h"
#include "ScriptedPrompter.h"
#include "TestDatabase.h"

using namespace pelora;

namespace {

const QString kSelect = QStringLiteral("Select a button.");

// The Tab page under the editor, recording what it is asked to do. Its cache rows are the tab
// ids plus 100; the map shown is `shown`.
class RecordingMap : public EditedTabMap {
public:
    bool cached = true;
    int shown = 1;
    QStringList calls;

    bool tabMapCached() const override { return cached; }
    void patchCachedTab(int cacheRow, TabMapColumn column, const QString& text) override {
        calls << QStringLiteral("patch %1 %2 %3").arg(cacheRow).arg(static_cast<int>(column)).arg(text);
    }
    void reloadTabMap() override { calls << QStringLiteral("reload"); }
    void showMap() override { calls << QStringLiteral("show"); }
    void redrawTabButtons() override { calls << QStringLiteral("redraw"); }
    int currentMapId() const override { return shown; }
    int cacheRowOf(int tabId) const override { return cached ? tabId + 100 : -1; }
    QStringList take() { return std::exchange(calls, {}); }
};

QString patch(int row, TabMapColumn column, const QString& text) {
    return QStringLiteral("patch %1 %2 %3").arg(row).arg(static_cast<int>(column)).arg(text);
}

class TabMapEditorTest : public test::DemoDatabaseTest {
protected:
    QString tm(int tabId, int mapId, const QString& columns) {
        return rows(QStringLiteral("SELECT %1 FROM tm WHERE tabid = ? AND mapid = ?").arg(columns), {tabId, mapId});
    }
    void addLine(int tabId, const QString& pcRef) {
        exec(QStringLiteral("INSERT INTO tabline1 (id, tabid, pcref, itemname) VALUES (GEN_ID(tabline1id_gen, 1), ?, ?,"
                            " 'Lager')"),
             {tabId, pcRef});
    }

    test::ScriptedPrompter prompter{test::gtestFailures()};
    RecordingMap screen;
    TabMapEditor editor{db, prompter, screen};
    TabAccounts accounts{db, prompter};
};

TEST_F(TabMapEditorTest, MovesAndSizesKeepTheirBoundsAndEachIsOneUpdatePatchedIntoTheCache) {
    // Table 1 (tab 3) on the Bar Room map.
    exec(QStringLiteral("UPDATE tm SET btnleft = 4, btnwidth = 25, btnheight = 15 WHERE tabid = 3 AND mapid = 1"));
    ASSERT_TRUE(editor.select(3));
    EXPECT_EQ(editor.selected()->caption, QStringLiteral("Table 1"));
    int updates = 0;
    db.setStatementHook([&](const QString& sql) { updates += sql.startsWith(QStringLiteral("UPDATE tm SET")); });

    EXPECT_TRUE(editor.move(ButtonPlacement::Move::Left, 10));
    EXPECT_TRUE(editor.move(ButtonPlacement::Move::Narrower, 10));
    EXPECT_TRUE(editor.move(ButtonPlacement::Move::Lower, 10));
    EXPECT_EQ(tm(3, 1, QStringLiteral("btnleft, btntop, btnwidth, btnheight")), QStringLiteral("0|95|20|10"));
    EXPECT_EQ(screen.take(), QStringList({patch(103, TmLeft, "0"), "redraw", patch(103, TmWidth, "20"), "redraw",
                                          patch(103, TmHeight, "10"), "redraw"}));
    EXPECT_EQ(updates, 3);

    // No upper bounds; a drop writes left and top together, never above or left of the map.
    EXPECT_TRUE(editor.move(ButtonPlacement::Move::Wider, 100));
    EXPECT_TRUE(editor.move(ButtonPlacement::Move::Down, 5));
    EXPECT_TRUE(editor.dropAt(QPoint(-3, 240)));
    EXPECT_EQ(tm(3, 1, QStringLiteral("btnleft, btntop, btnwidth, btnheight")), QStringLiteral("0|240|120|10"));
    EXPECT_EQ(updates, 6);

    // The picture and its side; none is null.
    screen.take();
    EXPECT_TRUE(editor.setImage(2));
    EXPECT_TRUE(editor.setImageLrtb(QStringLiteral("T")));
    EXPECT_EQ(tm(3, 1, QStringLiteral("imageid, imagelrtb")), QStringLiteral("2|T"));
    EXPECT_TRUE(editor.setImage(std::nullopt));
    EXPECT_EQ(tm(3, 1, QStringLiteral("COALESCE(imageid, -1)")), QStringLiteral("-1"));

    // Without the cache nothing is patched; the buttons are still drawn again.
    screen.cached = false;
    screen.take();
    EXPECT_TRUE(editor.saveCaption(QStringLiteral("Joe's \"Caf\u00e9\" \u00fc")));
    EXPECT_EQ(screen.take(), QStringList({"redraw"}));
    EXPECT_EQ(tm(3, 1, QStringLiteral("btncaption")), QStringLiteral("Joe's \"Caf\u00e9\" \u00fc"));
}

TEST_F(TabMapEditorTest, WithNothingSelectedEveryChangeAsksForAButtonAndWritesNothing) {
    const QString before = rows(QStringLiteral("SELECT * FROM tm ORDER BY tabid, mapid"));
    const std::vector<std::function<bool()>> changes = {
        [&] { return editor.saveCaption(QStringLiteral("X")); },
        [&] { return editor.move(ButtonPlacement::Move::Right, 10); },
        [&] { return editor.dropAt(QPoint(1, 1)); },
        [&] { return editor.setImageLrtb(QStringLiteral("B")); },
        [&] { return editor.setImage(2); },
        [&] { return editor.deleteButton(); }};
    for (const auto& change : changes) {
        prompter.expectInformation(kSelect);
        EXPECT_FALSE(change());
    }
    // A button another till has deleted cannot be selected.
    EXPECT_FALSE(editor.select(5000));
    EXPECT_FALSE(editor.selected());
    EXPECT_EQ(rows(QStringLiteral("SELECT * FROM tm ORDER BY tabid, mapid")), before);
    EXPECT_TRUE(screen.take().isEmpty());
}

TEST_F(TabMapEditorTest, ATabHasOneButtonPerMapAddedInTheTopLeftCornerAndDeletedFromThatMapOnly) {
    // Patel R (tab 12) has a button on the Bar Room map only.
    prompter.expectInformation(QStringLiteral("Button already on this map."));
    EXPECT_FALSE(editor.addButton(12, QStringLiteral("Patel R")));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM tm WHERE tabid = 12")), QStringLiteral("1"));

    screen.shown = 2; // Dining
    screen.take();
    ASSERT_TRUE(editor.addButton(12, QStringLiteral("Patel R")));
    EXPECT_EQ(tm(12, 2, QStringLiteral("btncaption, btnleft, btntop, btnwidth, btnheight")),
              QStringLiteral("Patel R|0|0|100|100"));
    EXPECT_EQ(screen.take(), QStringList({"reload", "show"}));
    ASSERT_TRUE(editor.selected());
    EXPECT_EQ(editor.selected()->mapId, 2);

    prompter.expectConfirm(QStringLiteral("Delete the button?"), false);
    EXPECT_FALSE(editor.deleteButton());
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM tm WHERE tabid = 12")), QStringLiteral("2"));
    prompter.expectConfirm(QStringLiteral("Delete the button?"), true);
    EXPECT_TRUE(editor.deleteButton());
    EXPECT_EQ(rows(QStringLiteral("SELECT mapid FROM tm WHERE tabid = 12")), QStringLiteral("1"));
    EXPECT_FALSE(editor.selected());
    EXPECT_EQ(screen.take(), QStringList({"reload", "show"}));
}

TEST_F(TabMapEditorTest, ARenameCarriesToTheButtonsStillCaptionedWithTheOldRefInOneTransaction) {
    // Table 2 (tab 4): its Bar Room button reads "Table 2"; a Dining button captioned by hand.
    exec(QStringLiteral("INSERT INTO tm (tabid, mapid, btncaption, btnleft, btntop, btnwidth, btnheight)"
                        " VALUES (4, 2, 'Window', 0, 0, 100, 100)"));
    accounts.load();
    ASSERT_TRUE(accounts.locateId(4));
    QStringList renames;
    accounts.renamed = [&](const QString& from, const QString& to, long long buttons) {
        renames << QStringLiteral("%1>%2:%3").arg(from, to).arg(buttons);
    };

    // A ref another tab has: neither the tab nor a caption changes, and the edit stays open.
    accounts.setField(QStringLiteral("ref"), QStringLiteral("Table 3"));
    prompter.expectWarning(QStringLiteral("Could not save the changes.\nMake sure Ref is Unique."));
    EXPECT_FALSE(accounts.save());
    EXPECT_TRUE(accounts.isEditing());
    EXPECT_EQ(rows(QStringLiteral("SELECT mapid, btncaption FROM tm WHERE tabid = 4 ORDER BY mapid")),
              QStringLiteral("1|Table 2 ; 2|Window"));

    accounts.setField(QStringLiteral("ref"), QStringLiteral("L'\u00e9t\u00e9 \"Terrasse\""));
    EXPECT_TRUE(accounts.save());
    EXPECT_EQ(scalar(QStringLiteral("SELECT ref FROM tab WHERE id = 4")), QStringLiteral("L'\u00e9t\u00e9 \"Terrasse\""));
    EXPECT_EQ(rows(QStringLiteral("SELECT mapid, btncaption FROM tm WHERE tabid = 4 ORDER BY mapid")),
              QStringLiteral("1|L'\u00e9t\u00e9 \"Terrasse\" ; 2|Window"));
    EXPECT_EQ(renames, QStringList({QStringLiteral("Table 2>L'\u00e9t\u00e9 \"Terrasse\":1")}));

    // A blank ref is refused before anything is written.
    accounts.setField(QStringLiteral("ref"), db::Value());
    prompter.expectWarning(QStringLiteral("\"Ref\" cannot be blank."));
    EXPECT_FALSE(accounts.save());
    accounts.cancel();
}

TEST_F(TabMapEditorTest, ATabIsDeletedWithItsButtonsAfterOneQuestionOrTwoWithABalance) {
    accounts.load();
    // Table 3 (tab 5) owes nothing: one question.
    ASSERT_TRUE(accounts.locateId(5));
    prompter.expectConfirm(QStringLiteral("Delete the tab record?"), false);
    accounts.deleteRow();
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM tab WHERE id = 5")), QStringLiteral("1"));
    prompter.expectConfirm(QStringLiteral("Delete the tab record?"), true);
    accounts.deleteRow();
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM tab WHERE id = 5")), QStringLiteral("0"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM tm WHERE tabid = 5")), QStringLiteral("0"));

    // Smith J (tab 9) owes 42.50: a second question, and No keeps it.
    ASSERT_TRUE(accounts.locateId(9));
    prompter.expectConfirm(QStringLiteral("Delete the tab record?"), true)
        .expectConfirm(QStringLiteral("Smith J has a non-zero balance.\nAre you sure you want to delete?"), false);
    accounts.deleteRow();
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM tab WHERE id = 9")), QStringLiteral("1"));
}

TEST_F(TabMapEditorTest, ATabHoldingOpenLinesOrAPreTenderIsNeverDeleted) {
    accounts.load();
    // Two lines on two tills, one of them in the second list.
    addLine(6, QStringLiteral("Bar"));
    exec(QStringLiteral("INSERT INTO tabline2 (id, tabid, pcref, itemname) VALUES (GEN_ID(tabline2id_gen, 1), 6,"
                        " 'Front', 'Chips')"));
    ASSERT_TRUE(accounts.locateId(6));
    prompter.expectWarning(
        QStringLiteral("Table 4 holds 2 open lines and cannot be deleted.\nPay or move them first."));
    accounts.deleteRow();
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM tm WHERE tabid = 6")), QStringLiteral("1"));

    exec(QStringLiteral("UPDATE tab SET tendered = 20 WHERE id = 11"));
    ASSERT_TRUE(accounts.locateId(11));
    prompter.expectWarning(QStringLiteral(
        "Room 12 holds a pre-tendered amount of 20.00 and cannot be deleted.\nPay or move them first."));
    accounts.deleteRow();
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM tab WHERE id = 11")), QStringLiteral("1"));

    // Another till puts a line on the tab while the question is answered: the database refuses
    // the delete and the operator is told.
    ASSERT_TRUE(accounts.locateId(5));
    bool lineAdded = false;
    db.setStatementHook([&](const QString& sql) {
        if (!lineAdded && sql.contains(QStringLiteral("tab_del_one"))) {
            lineAdded = true;
            addLine(5, QStringLiteral("Front"));
        }
    });
    prompter.expectConfirm(QStringLiteral("Delete the tab record?"), true)
        .expectWarning(QStringLiteral("Table 3 holds 1 open line and cannot be deleted.\nPay or move them first."));
    accounts.deleteRow();
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM tab WHERE id = 5")), QStringLiteral("1"));
}

TEST_F(TabMapEditorTest, InsertFindsTheNewTabAndFindMatchesPartOfTheRefInAnyCase) {
    accounts.load();
    ASSERT_TRUE(accounts.insertRow());
    const int created = accounts.currentId();
    EXPECT_EQ(accounts.rows().value(u"ref").asText(), QStringLiteral("New Tab"));
    ASSERT_TRUE(accounts.insertRow());
    EXPECT_EQ(accounts.currentId(), created);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM tab WHERE UPPER(ref) = 'NEW TAB'")), QStringLiteral("1"));

    prompter.expectInformation(QStringLiteral("Enter a Tab Ref to search for.\nYou can enter part of the name."));
    EXPECT_FALSE(accounts.find(QString()));
    ASSERT_TRUE(accounts.find(QStringLiteral("tAbLe")));
    QStringList found;
    for (int r = 0; r < accounts.rows().rowCount(); ++r)
        found << accounts.nameAt(r);
    EXPECT_EQ(found, QStringList({"Table 1", "Table 2", "Table 3", "Table 4", "Table 5", "Table 6"}));
    // "%" is matched as it stands.
    ASSERT_TRUE(accounts.find(QStringLiteral("%")));
    EXPECT_TRUE(accounts.isEmpty());
    ASSERT_TRUE(accounts.showAll());
    EXPECT_GT(accounts.rows().rowCount(), 6);
}

} // namespace
