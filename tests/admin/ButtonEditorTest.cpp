#include "admin/layouts/ButtonEditor.h"
#include "admin/layouts/EditedSalesScreen.h"
#include "admin/layouts/ItemList.h"
#include "admin/layouts/LinkList.h"
#include "admin/layouts/LinkNameEditor.h"
#include "db/DbError.h"

#include "GTestSupport.h"
#include "ScriptedPrompter.h"
#include "TestDatabase.h"

using namespace pelora;

namespace {

const QString kSelect = QStringLiteral("Select a button.");

// The sales screen under the editor, recording what it is asked to do. Its cache rows are the
// button ids plus 100; a page holds cached buttons when the database has buttons on it (the
// cache as the last rebuild read it).
class RecordingScreen : public EditedSalesScreen {
public:
    explicit RecordingScreen(db::Connection& db) : db_(db) {}
    bool cached = true;
    int shown = 1;
    QStringList calls;

    bool buttonsCached() const override { return cached; }
    void patchCachedButton(int cacheRow, ButtonCache::Column column, const QString& text) override {
        calls << QStringLiteral("patch %1 %2 %3").arg(cacheRow).arg(static_cast<int>(column)).arg(text);
    }
    void rebuildButtonCache() override { calls << QStringLiteral("rebuild"); }
    void redrawLink() override { calls << QStringLiteral("redraw"); }
    void showLink(int linkId) override {
        calls << QStringLiteral("show %1").arg(linkId);
        shown = linkId;
    }
    void resetToFirstLink() override {
        calls << QStringLiteral("reset");
        shown = 1;
    }
    int shownLink() const override { return shown; }
    bool cachedPageHasButtons(int linkId) const override {
        return !db_.run(QStringLiteral("SELECT id FROM li WHERE linkid = ?"), {linkId}).rows.empty();
    }
    int cacheRowOf(int liId) const override { return cached ? liId + 100 : -1; }
    QStringList take() { return std::exchange(calls, {}); }

private:
    db::Connection& db_;
};

class ButtonEditorTest : public test::DemoDatabaseTest {
protected:
    // Counts the UPDATEs of `li` each change sends.
    void countUpdates() {
        db.setStatementHook([this](const QString& sql) {
            if (sql.startsWith(QStringLiteral("UPDATE li SET")))
                ++updates;
        });
    }
    QString li(int id, const QString& columns) {
        return rows(QStringLiteral("SELECT %1 FROM li WHERE id = ?").arg(columns), {id});
    }

    test::ScriptedPrompter prompter{test::gtestFailures()};
    RecordingScreen screen{db};
    ButtonEditor editor{db, prompter, screen};
    int updates = 0;
};

QStringList namesIn(const NameList& list) {
    QStringList names;
    for (int r = 0; r < list.count(); ++r)
        names << list.nameAt(r);
    return names;
}

QString patch(int row, ButtonCache::Column column, const QString& text) {
    return QStringLiteral("patch %1 %2 %3").arg(row).arg(static_cast<int>(column)).arg(text);
}

TEST_F(ButtonEditorTest, MovesAndSizesKeepTheirBoundsAndEachIsOneUpdatePatchedIntoTheCache) {
    exec(QStringLiteral("UPDATE li SET boxleft = 5, boxwidth = 30, boxheight = 50 WHERE id = 3"));
    ASSERT_TRUE(editor.select(3, 7));
    EXPECT_EQ(editor.selected()->caption, QStringLiteral("Pale Ale"));
    EXPECT_EQ(editor.selected()->itemId, 2);
    countUpdates();

    EXPECT_TRUE(editor.move(ButtonEditor::Move::Narrower, 20));
    EXPECT_TRUE(editor.move(ButtonEditor::Move::Lower, 10));
    EXPECT_TRUE(editor.move(ButtonEditor::Move::Left, 10));
    EXPECT_EQ(li(3, QStringLiteral("boxleft, boxtop, boxwidth, boxheight")), QStringLiteral("0|10|20|45"));
    EXPECT_EQ(screen.take(), QStringList({patch(7, ButtonCache::BoxWidth, "20"), "redraw",
                                          patch(7, ButtonCache::BoxHeight, "45"), "redraw",
                                          patch(7, ButtonCache::BoxLeft, "0"), "redraw"}));
    EXPECT_EQ(updates, 3);

    // No upper limits; up stops at 0 as left does.
    EXPECT_TRUE(editor.move(ButtonEditor::Move::Wider, 100));
    EXPECT_TRUE(editor.move(ButtonEditor::Move::Higher, 100));
    EXPECT_TRUE(editor.move(ButtonEditor::Move::Up, 50));
    EXPECT_TRUE(editor.move(ButtonEditor::Move::Right, 2));
    EXPECT_TRUE(editor.move(ButtonEditor::Move::Down, 1));
    EXPECT_EQ(li(3, QStringLiteral("boxleft, boxtop, boxwidth, boxheight")), QStringLiteral("2|1|120|145"));

    // A drop writes left and top together, never below 0.
    screen.take();
    updates = 0;
    EXPECT_TRUE(editor.dropAt(QPoint(-12, 230)));
    EXPECT_EQ(li(3, QStringLiteral("boxleft, boxtop")), QStringLiteral("0|230"));
    EXPECT_EQ(updates, 1);
    EXPECT_EQ(screen.take(), QStringList({patch(7, ButtonCache::BoxLeft, "0"), patch(7, ButtonCache::BoxTop, "230"),
                                          "redraw"}));

    // Without the cache there is nothing to patch: the page is read again as it is drawn.
    screen.cached = false;
    EXPECT_TRUE(editor.saveCaption(QStringLiteral("Joe's \"Pal\u00e9\"")));
    EXPECT_EQ(screen.take(), QStringList({"redraw"}));
    EXPECT_EQ(li(3, QStringLiteral("btncaption")), QStringLiteral("Joe's \"Pal\u00e9\""));
}

TEST_F(ButtonEditorTest, TheStepIsOneOfTheListAndTenWhenNothingIsChosen) {
    EXPECT_EQ(ButtonPlacement::steps().join(u','), QStringLiteral("1,2,5,10,20,50,100"));
    EXPECT_EQ(ButtonPlacement::stepOf(QString()), 10);
    EXPECT_EQ(ButtonPlacement::stepOf(QStringLiteral("0")), 1);
    EXPECT_EQ(ButtonPlacement::stepOf(QStringLiteral("250")), 100);
    EXPECT_EQ(ButtonPlacement::stepOf(QStringLiteral("50")), 50);
}

TEST_F(ButtonEditorTest, WithNothingSelectedEveryChangeAsksForAButtonAndWritesNothing) {
    countUpdates();
    const std::vector<std::function<bool()>> changes = {
        [&] { return editor.saveCaption(QStringLiteral("X")); },
        [&] { return editor.move(ButtonEditor::Move::Right, 10); },
        [&] { return editor.dropAt(QPoint(1, 1)); },
        [&] { return editor.chooseColour(); },
        [&] { return editor.clearColour(); },
        [&] { return editor.setImageLrtb(QStringLiteral("B")); },
        [&] { return editor.setImage(2); },
        [&] { return editor.deleteButton(); }};
    for (const auto& change : changes) {
        prompter.expectInformation(kSelect);
        EXPECT_FALSE(change());
    }
    prompter.expectInformation(QStringLiteral("Select a link button."));
    EXPECT_FALSE(editor.followLink());
    EXPECT_EQ(updates, 0);
    EXPECT_TRUE(screen.calls.isEmpty());
}

// A colour dialog that cannot come up.
class BrokenColourDialog : public test::ScriptedPrompter {
public:
    using ScriptedPrompter::ScriptedPrompter;
    std::optional<std::uint32_t> chooseColour(std::uint32_t) override { throw std::runtime_error("no dialog"); }
};

TEST_F(ButtonEditorTest, ColourPictureAndSideAreWrittenAsTheCacheHoldsThem) {
    ASSERT_TRUE(editor.select(5, 4));
    editor.setColourPreset(13150810);
    prompter.expectColour(0x0000FF); // red, in the low byte
    EXPECT_TRUE(editor.chooseColour());
    EXPECT_EQ(li(5, QStringLiteral("boxcolour")), QStringLiteral("255"));
    prompter.expectColour(std::nullopt); // cancelled
    EXPECT_FALSE(editor.chooseColour());
    EXPECT_TRUE(editor.clearColour());
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM li WHERE id = 5 AND boxcolour = ''")), QStringLiteral("1"));
    EXPECT_TRUE(editor.setImage(2));
    EXPECT_TRUE(editor.setImageLrtb(QStringLiteral("B")));
    EXPECT_TRUE(editor.setImage(std::nullopt));
    EXPECT_EQ(li(5, QStringLiteral("COALESCE(imageid, -1), imagelrtb")), QStringLiteral("-1|B"));
    EXPECT_EQ(screen.take(), QStringList({patch(4, ButtonCache::BoxColour, "255"), "redraw",
                                          patch(4, ButtonCache::BoxColour, ""), "redraw",
                                          patch(4, ButtonCache::ImageId, "2"), "redraw",
                                          patch(4, ButtonCache::ImageLrtb, "B"), "redraw",
                                          patch(4, ButtonCache::ImageId, ""), "redraw"}));

    BrokenColourDialog broken{test::gtestFailures()};
    ButtonEditor other(db, broken, screen);
    ASSERT_TRUE(other.select(5, 4));
    broken.expectInformation(QStringLiteral("Color selection dialog failed to load"));
    EXPECT_FALSE(other.chooseColour());
    EXPECT_EQ(li(5, QStringLiteral("boxcolour")), QString());
}

TEST_F(ButtonEditorTest, AddingAndDeletingButtonsRebuildTheCache) {
    screen.shown = 3;
    editor.addItemButton(8, QStringLiteral("Gin & Tonic"));
    const int made = editor.selected()->id;
    EXPECT_EQ(li(made, QStringLiteral("linkid, COALESCE(itemid, -1), linkidlink, btncaption, COALESCE(boxcolour, 'null'),"
                                      " boxleft, boxtop, boxwidth, boxheight")),
              QStringLiteral("3|8|0|Gin & Tonic|null|0|0|100|50"));
    EXPECT_EQ(editor.selected()->cacheRow, made + 100);
    editor.addLinkButton(2, QStringLiteral("Drinks"));
    EXPECT_EQ(li(editor.selected()->id, QStringLiteral("linkid, COALESCE(itemid, -1), linkidlink, btncaption")),
              QStringLiteral("3|-1|2|Drinks"));
    EXPECT_EQ(screen.take(), QStringList({"rebuild", "redraw", "rebuild", "redraw"}));

    ASSERT_TRUE(editor.select(made, made + 100));
    prompter.expectConfirm(QStringLiteral("Delete the button?"), false);
    EXPECT_FALSE(editor.deleteButton());
    prompter.expectConfirm(QStringLiteral("Delete the button?"), true);
    EXPECT_TRUE(editor.deleteButton());
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM li WHERE id = ?"), {made}), QStringLiteral("0"));
    EXPECT_FALSE(editor.selected());
    EXPECT_EQ(screen.take(), QStringList({"rebuild", "redraw"}));

    // Without the cache the page is only drawn again.
    screen.cached = false;
    editor.addItemButton(9, QStringLiteral("Cola"));
    EXPECT_EQ(screen.take(), QStringList({"redraw"}));
    EXPECT_EQ(editor.selected()->cacheRow, -1);
}

TEST_F(ButtonEditorTest, TheLinkButtonWalksToItsPageAndClearsTheSelection) {
    ASSERT_TRUE(editor.select(1, 0)); // "Drinks", opening link 2
    EXPECT_EQ(editor.selected()->linkName, QStringLiteral("Drinks"));
    EXPECT_TRUE(editor.followLink());
    EXPECT_EQ(screen.take(), QStringList({"show 2"}));
    EXPECT_FALSE(editor.selected());
    ASSERT_TRUE(editor.select(3, 2)); // an item button
    prompter.expectInformation(QStringLiteral("Select a link button."));
    EXPECT_FALSE(editor.followLink());
}

class LinkListTest : public ButtonEditorTest {
protected:
    LinkList links{editor};
    QStringList names() { return namesIn(links); }
    // Every button of a page but its id and page, in id order.
    QString buttonsOf(int linkId) {
        return rows(QStringLiteral("SELECT COALESCE(itemid, -1), linkidlink, btncaption, COALESCE(boxcolour, 'null'), boxleft,"
                                   " boxtop, boxwidth, boxheight, COALESCE(imageid, -1), COALESCE(imagelrtb, 'null')"
                                   " FROM li WHERE linkid = ? ORDER BY id"),
                    {linkId});
    }
    int linkNamed(const QString& name) { return scalar(QStringLiteral("SELECT id FROM link WHERE name = ?"), {name}).toInt(); }
};

TEST_F(LinkListTest, InsertTwiceMakesOneNewLink) {
    links.load();
    EXPECT_EQ(names(), QStringList({"Drinks", "Food", "Home"}));
    prompter.expectConfirm(QStringLiteral("Insert new link?"), true);
    const std::optional<int> made = links.insertLink();
    ASSERT_TRUE(made);
    EXPECT_EQ(links.currentName(), QStringLiteral("New Link"));
    links.setCurrent(0);
    prompter.expectConfirm(QStringLiteral("Insert new link?"), true);
    EXPECT_EQ(links.insertLink(), made);
    EXPECT_EQ(links.currentId(), *made);
    prompter.expectConfirm(QStringLiteral("Insert new link?"), false);
    EXPECT_FALSE(links.insertLink());
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM link WHERE name = 'New Link'")), QStringLiteral("1"));
}

TEST_F(LinkListTest, DeletingKeepsLinkOneAndFallsBackToItWhenTheShownPageIsGone) {
    links.load();
    ASSERT_TRUE(links.locateId(1));
    prompter.expectWarning(QStringLiteral("This link must remain."));
    links.deleteLink();
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM link WHERE id = 1")), QStringLiteral("1"));
    EXPECT_TRUE(screen.calls.isEmpty());

    // Food (3) goes while Drinks (2) is shown: Drinks keeps its buttons and is drawn again; the
    // Home page loses its way to Food.
    screen.shown = 2;
    ASSERT_TRUE(links.locateId(3));
    prompter.expectConfirm(QStringLiteral("Delete the link record from every layout?"), false);
    links.deleteLink();
    EXPECT_EQ(linkNamed(QStringLiteral("Food")), 3);
    prompter.expectConfirm(QStringLiteral("Delete the link record from every layout?"), true);
    links.deleteLink();
    EXPECT_EQ(names(), QStringList({"Drinks", "Home"}));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM li WHERE linkid = 3 OR linkidlink = 3")), QStringLiteral("0"));
    EXPECT_EQ(screen.take(), QStringList({"rebuild", "redraw"}));

    // Drinks goes while it is shown, with a button of it selected: the screen falls back.
    ASSERT_TRUE(editor.select(11, 111));
    ASSERT_TRUE(links.locateId(2));
    prompter.expectConfirm(QStringLiteral("Delete the link record from every layout?"), true);
    links.deleteLink();
    EXPECT_EQ(screen.take(), QStringList({"rebuild", "reset"}));
    EXPECT_EQ(screen.shown, 1);
    EXPECT_FALSE(editor.selected());

    // Without the cache the page's buttons are looked for in the database.
    screen.cached = false;
    exec(QStringLiteral("INSERT INTO link (id, name) VALUES (40, 'Bare')"));
    links.load();
    screen.shown = 1;
    ASSERT_TRUE(links.locateId(40));
    prompter.expectConfirm(QStringLiteral("Delete the link record from every layout?"), true);
    links.deleteLink();
    EXPECT_EQ(screen.take(), QStringList({"redraw"}));
}

TEST_F(LinkListTest, DuplicatingCopiesEveryButtonOntoOneDuplicateLink) {
    exec(QStringLiteral("INSERT INTO link (id, name) VALUES (40, 'Empty')"));
    links.load();
    ASSERT_TRUE(links.locateId(40));
    const QString question = QStringLiteral("Duplicate the link: \"Empty\"?");
    prompter.expectConfirm(question, false);
    EXPECT_FALSE(links.duplicateLink());
    EXPECT_EQ(linkNamed(QStringLiteral("Duplicate Link")), 0);

    prompter.expectConfirm(question, true);
    prompter.expectInformation(QStringLiteral("No lines to duplicate."));
    EXPECT_FALSE(links.duplicateLink());
    const int duplicate = linkNamed(QStringLiteral("Duplicate Link"));
    ASSERT_GT(duplicate, 0);
    EXPECT_EQ(links.currentId(), duplicate);
    EXPECT_EQ(buttonsOf(duplicate), QString());

    // Drinks onto the existing duplicate, which holds a stray button: it is replaced whole, and
    // nulls (no item, no picture, no colour) stay null.
    exec(QStringLiteral("INSERT INTO li (id, linkid, itemid, linkidlink, btncaption) VALUES (500, ?, 2, 0, 'Stray')"), {duplicate});
    exec(QStringLiteral("UPDATE li SET boxcolour = NULL WHERE id = 20"));
    ASSERT_TRUE(links.locateId(2));
    const QString overwrite = QStringLiteral("\"Duplicate Link\" already exists, overwrite it?");
    prompter.expectConfirm(QStringLiteral("Duplicate the link: \"Drinks\"?"), true);
    prompter.expectConfirm(overwrite, false);
    EXPECT_FALSE(links.duplicateLink());
    EXPECT_EQ(scalar(QStringLiteral("SELECT btncaption FROM li WHERE linkid = ?"), {duplicate}), QStringLiteral("Stray"));

    screen.take();
    prompter.expectConfirm(QStringLiteral("Duplicate the link: \"Drinks\"?"), true);
    prompter.expectConfirm(overwrite, true);
    EXPECT_EQ(links.duplicateLink(), duplicate);
    EXPECT_EQ(buttonsOf(duplicate), buttonsOf(2));
    EXPECT_TRUE(buttonsOf(2).contains(QStringLiteral("-1|1|Home|null|")));
    EXPECT_EQ(links.currentId(), duplicate);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM link WHERE name = 'Duplicate Link'")), QStringLiteral("1"));
    EXPECT_EQ(screen.take(), QStringList({"rebuild", "redraw"}));
}

class LinkRenameTest : public LinkListTest {
protected:
    void SetUp() override {
        LinkListTest::SetUp();
        // Besides the Home page's "Drinks" (1): a button opening Drinks under another caption,
        // and an item button captioned "Drinks".
        exec(QStringLiteral("INSERT INTO li (id, linkid, itemid, linkidlink, btncaption) VALUES (600, 3, NULL, 2, 'To the bar')"));
        exec(QStringLiteral("INSERT INTO li (id, linkid, itemid, linkidlink, btncaption) VALUES (601, 3, 9, 0, 'Drinks')"));
    }
    QString captions() { return rows(QStringLiteral("SELECT btncaption FROM li WHERE id IN (1, 600, 601) ORDER BY id")); }
};

TEST_F(LinkRenameTest, ARenameCarriesOnlyTheButtonsThatOpenTheLinkUnderItsOldName) {
    LinkNameEditor name(db, prompter, 2);
    const QString renamed = QStringLiteral("Joe's \"Bi\u00e8re\"");
    name.setField(QStringLiteral("name"), renamed);
    ASSERT_TRUE(name.save());
    EXPECT_EQ(scalar(QStringLiteral("SELECT name FROM link WHERE id = 2")), renamed);
    EXPECT_EQ(captions(), renamed + QStringLiteral(" ; To the bar ; Drinks"));
    ASSERT_TRUE(name.rename());
    EXPECT_EQ(name.rename()->oldName, QStringLiteral("Drinks"));
    EXPECT_EQ(name.rename()->newName, renamed);

    // The editor's list and the screen follow.
    links.load();
    links.renamed();
    EXPECT_TRUE(names().contains(renamed));
    EXPECT_EQ(screen.take(), QStringList({"rebuild", "redraw"}));
}

TEST_F(LinkRenameTest, ANameAnotherLinkHasChangesNeitherTheLinkNorItsButtons) {
    LinkNameEditor name(db, prompter, 2);
    name.setField(QStringLiteral("name"), QStringLiteral("Food"));
    prompter.expectWarning(QStringLiteral("Could not save the changes.\nMake sure Name is Unique."));
    EXPECT_FALSE(name.save());
    EXPECT_TRUE(name.isEditing());
    EXPECT_FALSE(name.rename());
    EXPECT_EQ(scalar(QStringLiteral("SELECT name FROM link WHERE id = 2")), QStringLiteral("Drinks"));
    EXPECT_EQ(captions(), QStringLiteral("Drinks ; To the bar ; Drinks"));

    // The captions go in the same transaction as the name: when they cannot be written, the
    // name stays as it was too.
    db.setStatementHook([](const QString& sql) {
        if (sql.startsWith(QStringLiteral("UPDATE li SET")))
            throw db::DbError(QStringLiteral("the connection dropped"));
    });
    name.setField(QStringLiteral("name"), QStringLiteral("Bar"));
    prompter.expectWarning(QStringLiteral("Could not save the changes.\nMake sure Name is Unique."));
    EXPECT_FALSE(name.save());
    db.setStatementHook({});
    EXPECT_EQ(scalar(QStringLiteral("SELECT name FROM link WHERE id = 2")), QStringLiteral("Drinks"));
    EXPECT_EQ(captions(), QStringLiteral("Drinks ; To the bar ; Drinks"));
}

class ItemListTest : public ButtonEditorTest {
protected:
    ItemList items{editor};
    QStringList names() { return namesIn(items); }
};

TEST_F(ItemListTest, FindListsPartOfTheNameInAnyCaseAndAllListsEveryItemButTheReservedOne) {
    items.loadAll();
    const int all = items.count();
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM item WHERE id > 1")).toInt(), all);
    EXPECT_FALSE(names().contains(scalar(QStringLiteral("SELECT name FROM item WHERE id = 1"))));
    prompter.expectInformation(QStringLiteral("Enter an item to search for.\nYou can enter part of the name."));
    EXPECT_FALSE(items.find(QString()));
    EXPECT_TRUE(items.find(QStringLiteral("WHI")));
    EXPECT_EQ(names(), QStringList({"Flat White", "House White"}));
    items.reload(); // after an edit the find stays
    EXPECT_EQ(items.count(), 2);
    items.loadAll();
    EXPECT_EQ(items.count(), all);
}

TEST_F(ItemListTest, InsertTwiceMakesOneNewItemAndDeleteTakesItsButtonsEverywhere) {
    items.find(QStringLiteral("ale"));
    prompter.expectConfirm(QStringLiteral("Insert new item?"), true);
    const std::optional<int> made = items.insertItem();
    ASSERT_TRUE(made);
    EXPECT_EQ(items.currentName(), QStringLiteral("New Item")); // the find gave way
    prompter.expectConfirm(QStringLiteral("Insert new item?"), true);
    EXPECT_EQ(items.insertItem(), made);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM item WHERE name = 'New Item'")), QStringLiteral("1"));

    ASSERT_TRUE(items.locateId(2)); // Pale Ale, on the Home and Drinks pages
    ASSERT_TRUE(editor.select(3, 103));
    prompter.expectConfirm(QStringLiteral("Delete the item record from every layout?"), true);
    items.deleteItem();
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM li WHERE itemid = 2")), QStringLiteral("0"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM item WHERE id = 2")), QStringLiteral("0"));
    EXPECT_FALSE(names().contains(QStringLiteral("Pale Ale")));
    EXPECT_FALSE(editor.selected()); // its button went with it
    EXPECT_EQ(screen.take(), QStringList({"rebuild", "redraw"}));
}

} // namespace
