#include "admin/items/ItemCategories.h"
#include "admin/items/ItemEditor.h"
#include "admin/items/OptionChoices.h"

#include "GTestSupport.h"
#include "ScriptedPrompter.h"
#include "TestDatabase.h"

using namespace pelora;

namespace {

const QString kUniqueName = QStringLiteral("Could not save the changes.\nMake sure Name is Unique.");

class ItemEditorTest : public test::DemoDatabaseTest {
protected:
    QStringList names(const ItemEditor& items) {
        QStringList list;
        for (int r = 0; r < items.rows().rowCount(); ++r)
            list << items.nameAt(r);
        return list;
    }
    test::ScriptedPrompter prompter{test::gtestFailures()};
};

TEST_F(ItemEditorTest, InsertMakesOneNewItemAndShowsItThroughAFindThatHidesIt) {
    ItemEditor items(db, prompter);
    items.load();
    ASSERT_TRUE(items.insertOrSave());
    const int made = items.currentId();
    EXPECT_EQ(items.rows().value(u"name").asText(), QStringLiteral("New Item"));
    ASSERT_TRUE(items.move(RecordEditor::Move::First));
    ASSERT_TRUE(items.insertOrSave()); // the second press finds it
    EXPECT_EQ(items.currentId(), made);

    // A find narrows the list; "%" is a letter like any other there.
    ASSERT_TRUE(items.find(QStringLiteral("ale")));
    EXPECT_EQ(names(items), QStringList({"Pale Ale"}));
    ASSERT_TRUE(items.find(QStringLiteral("%")));
    EXPECT_TRUE(items.isEmpty());
    // Insert in a list that does not show the one there is goes to it, listing every item.
    ASSERT_TRUE(items.find(QStringLiteral("ale")));
    ASSERT_TRUE(items.insertRow());
    EXPECT_EQ(items.currentId(), made);
    EXPECT_EQ(items.rows().rowCount(), 18);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM item WHERE name = 'New Item'")), QStringLiteral("1"));

    ASSERT_TRUE(items.showAll());
    EXPECT_EQ(items.rows().rowCount(), 18); // item 1 is never listed
    EXPECT_EQ(names(items).first(), QStringLiteral("Burger"));
}

TEST_F(ItemEditorTest, ARenameTakesOnlyTheButtonsStillCarryingTheOldNameAndAFailedOneNothing) {
    // Pale Ale has two buttons (3 and 10); one was recaptioned, and a Lager button carries its name.
    exec(QStringLiteral("UPDATE li SET btncaption = 'PA Special' WHERE id = 10"));
    exec(QStringLiteral("UPDATE li SET btncaption = 'Pale Ale' WHERE id = 11"));
    QStringList renames;
    ItemEditor items(db, prompter);
    items.setEvents({[&](const QString& oldName, const QString& newName, long long buttons) {
                         renames << QStringLiteral("%1>%2:%3").arg(oldName, newName).arg(buttons);
                     },
                     {}});
    items.load();
    ASSERT_TRUE(items.locateNoCase(QStringLiteral("name"), QStringLiteral("Pale Ale")));

    // A name another item has: the row and every caption stay as they were, the edit open.
    items.setField(QStringLiteral("name"), QStringLiteral("Lager"));
    prompter.expectWarning(kUniqueName);
    EXPECT_FALSE(items.save());
    EXPECT_TRUE(items.isEditing());
    EXPECT_EQ(rows(QStringLiteral("SELECT id, btncaption FROM li WHERE id IN (3, 10, 11) ORDER BY id")),
              QStringLiteral("3|Pale Ale ; 10|PA Special ; 11|Pale Ale"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT name FROM item WHERE id = 2")), QStringLiteral("Pale Ale"));
    EXPECT_TRUE(renames.isEmpty());

    items.setField(QStringLiteral("name"), QStringLiteral("Pale Ale XPA"));
    EXPECT_TRUE(items.save());
    EXPECT_EQ(rows(QStringLiteral("SELECT id, btncaption FROM li WHERE id IN (3, 10, 11) ORDER BY id")),
              QStringLiteral("3|Pale Ale XPA ; 10|PA Special ; 11|Pale Ale"));
    EXPECT_EQ(renames, QStringList({"Pale Ale>Pale Ale XPA:1"}));

    // Any other change writes the row alone.
    items.setField(QStringLiteral("price1"), 10.0);
    EXPECT_TRUE(items.save());
    EXPECT_EQ(renames.size(), 1);
    EXPECT_TRUE(ItemEditor::editingEverBegun());
}

TEST_F(ItemEditorTest, ANumberTypedThatCannotBeReadKeepsTheItemFromBeingWritten) {
    ItemEditor items(db, prompter);
    items.load();
    ASSERT_TRUE(items.locateNoCase(QStringLiteral("name"), QStringLiteral("Cola")));
    items.setField(QStringLiteral("price1"), db::Value());
    items.typed(QStringLiteral("price1"), QStringLiteral("4.5x"));
    items.setField(QStringLiteral("qty"), db::Value());
    items.typed(QStringLiteral("qty"), QStringLiteral("many"));
    prompter.expectWarning(QStringLiteral("Qty is not a number."));
    EXPECT_FALSE(items.save());
    items.typed(QStringLiteral("qty"), QString()); // blank: the item is not counted
    prompter.expectWarning(QStringLiteral("Price1 is not an amount of money."));
    EXPECT_FALSE(items.save());
    items.setField(QStringLiteral("price1"), 4.75);
    items.typed(QStringLiteral("price1"), QStringLiteral("4.75"));
    EXPECT_TRUE(items.save());
    EXPECT_EQ(rows(QStringLiteral("SELECT price1, COALESCE(qty, -1) FROM item WHERE id = 9")), QStringLiteral("4.75|-1"));
}

TEST_F(ItemEditorTest, ThePriceGridWritesAPriceAtOnceAndRefusesWhatIsNoAmount) {
    ItemEditor items(db, prompter);
    items.load();
    const int cola = static_cast<int>(names(items).indexOf(QStringLiteral("Cola")));
    ASSERT_GE(cola, 0);
    EXPECT_TRUE(items.writePrice(cola, 2, QStringLiteral("3.9")));
    EXPECT_EQ(scalar(QStringLiteral("SELECT price2 FROM item WHERE id = 9")), QStringLiteral("3.9"));
    EXPECT_EQ(items.rows().valueAt(cola, items.rows().fieldIndex(u"price2")).asDouble(), 3.9);
    EXPECT_TRUE(items.pricesWritten());

    prompter.expectWarning(QStringLiteral("Price3 of Cola stays as it was: \"abc\" is not an amount of money."));
    EXPECT_FALSE(items.writePrice(cola, 3, QStringLiteral("abc")));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COALESCE(price3, -1) FROM item WHERE id = 9")), QStringLiteral("-1"));

    // An item being edited in the form is saved or cancelled first.
    items.setField(QStringLiteral("name"), QStringLiteral("Burger Deluxe"));
    prompter.expectWarning(QStringLiteral("Save or cancel the changes to Burger Deluxe before changing prices in the grid."));
    EXPECT_FALSE(items.writePrice(cola, 2, QStringLiteral("4")));
    items.cancel();
    EXPECT_TRUE(items.writePrice(cola, 2, QString())); // blank: no price at that level
    EXPECT_EQ(scalar(QStringLiteral("SELECT COALESCE(price2, -1) FROM item WHERE id = 9")), QStringLiteral("-1"));
}

TEST_F(ItemEditorTest, DeletingTheLastItemLeavesNothingToDelete) {
    exec(QStringLiteral("DELETE FROM li WHERE itemid > 3"));
    exec(QStringLiteral("DELETE FROM opt"));
    exec(QStringLiteral("DELETE FROM icat WHERE itemid > 3"));
    exec(QStringLiteral("DELETE FROM item WHERE id > 3"));
    int deleted = 0;
    ItemEditor items(db, prompter);
    items.setEvents({{}, [&deleted] { ++deleted; }});
    items.load();
    prompter.expectConfirm(QStringLiteral("Delete the item record?"), false);
    items.deleteOrCancel();
    EXPECT_EQ(deleted, 0);
    for (int left = 2; left > 0; --left) {
        prompter.expectConfirm(QStringLiteral("Delete the item record?"), true);
        items.deleteRow();
    }
    EXPECT_EQ(deleted, 2);
    EXPECT_TRUE(items.isEmpty());
    EXPECT_EQ(items.currentId(), 0);
    // Item 1 stays, and the buttons of the deleted items went with them.
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM item")), QStringLiteral("1"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM li WHERE itemid IS NOT NULL")), QStringLiteral("0"));
    prompter.expectWarning(QStringLiteral("There are no items to delete."));
    items.deleteOrCancel();
}

TEST_F(ItemEditorTest, TheChoiceEditorStoresNoughtForBlankOrZeroAndRefusesTextInOrder) {
    OptionChoices choices(db, prompter);
    choices.load(5, 1); // House Red's size
    EXPECT_EQ(choices.rows().rowCount(), 2);
    const int id = choices.insertChoice();
    EXPECT_EQ(choices.currentId(), id);
    EXPECT_EQ(rows(QStringLiteral("SELECT itemid, button, choice, cost, price, tax FROM opt WHERE id = ?"), {id}),
              QStringLiteral("5|1|New Choice|0|0|0"));

    exec(QStringLiteral("UPDATE opt SET cost = 1, price = 2, tax = 3 WHERE id = ?"), {id});
    EXPECT_TRUE(choices.update(id, QStringLiteral("Carafe"), QString(), QStringLiteral("0"), QStringLiteral("0.00")));
    EXPECT_EQ(rows(QStringLiteral("SELECT choice, cost, price, tax FROM opt WHERE id = ?"), {id}),
              QStringLiteral("Carafe|0|0|0"));

    // The price is read first, then the cost, then the tax; nothing is stored on a refusal.
    prompter.expectError(QStringLiteral("The price value is invalid."));
    EXPECT_FALSE(choices.update(id, QStringLiteral("Jug"), QStringLiteral("x"), QStringLiteral("abc"), QStringLiteral("y")));
    prompter.expectError(QStringLiteral("The cost value is invalid."));
    EXPECT_FALSE(choices.update(id, QStringLiteral("Jug"), QStringLiteral("x"), QStringLiteral("14"), QStringLiteral("y")));
    prompter.expectError(QStringLiteral("The tax value is invalid."));
    EXPECT_FALSE(choices.update(id, QStringLiteral("Jug"), QStringLiteral("6"), QStringLiteral("14"), QStringLiteral("1,27")));
    prompter.expectWarning(QStringLiteral("The Choice is blank."));
    EXPECT_FALSE(choices.update(id, QStringLiteral("  "), QStringLiteral("6"), QStringLiteral("14"), QStringLiteral("1.2727")));
    EXPECT_EQ(rows(QStringLiteral("SELECT choice, cost, price, tax FROM opt WHERE id = ?"), {id}),
              QStringLiteral("Carafe|0|0|0"));
    EXPECT_TRUE(choices.update(id, QStringLiteral("Jug"), QStringLiteral("6"), QStringLiteral("-14.5"), QStringLiteral("1.2727")));
    EXPECT_EQ(rows(QStringLiteral("SELECT choice, cost, price, tax FROM opt WHERE id = ?"), {id}),
              QStringLiteral("Jug|6|-14.5|1.2727"));

    choices.reload();
    ASSERT_TRUE(choices.locateId(id));
    prompter.expectConfirm(QStringLiteral("Delete Choice?"), true);
    choices.deleteChoice();
    EXPECT_EQ(choices.rows().rowCount(), 2);
    choices.load(5, 2);
    prompter.expectWarning(QStringLiteral("There are no choices to delete."));
    choices.deleteChoice();
}

TEST_F(ItemEditorTest, CategoriesRefuseTheSameNameInAnyCaseAndTheFirstBecomesTop) {
    exec(QStringLiteral("INSERT INTO item (id, name) VALUES (50, 'Jaffle')"));
    ItemCategories cats(db, prompter);
    cats.loadOffered();
    EXPECT_EQ(cats.offered().first(), QStringLiteral("Beer"));
    EXPECT_EQ(cats.offered().size(), 11);

    cats.load(50, QStringLiteral("Jaffle"));
    prompter.expectInformation(QStringLiteral("Cat cannot be blank."));
    EXPECT_FALSE(cats.add(QStringLiteral("  ")));
    EXPECT_TRUE(cats.add(QStringLiteral("Snacks")));
    EXPECT_TRUE(cats.add(QStringLiteral("Food")));
    EXPECT_EQ(cats.currentCat(), QStringLiteral("Food"));
    prompter.expectInformation(QStringLiteral("Cat:\"sNACKS\" already added to this item."));
    EXPECT_FALSE(cats.add(QStringLiteral("sNACKS")));
    EXPECT_EQ(rows(QStringLiteral("SELECT cat, COALESCE(topcat, '-') FROM icat WHERE itemid = 50 ORDER BY cat")),
              QStringLiteral("Food|- ; Snacks|T"));

    // Food becomes the top category, then loses the flag; the other rows are left as they are.
    ASSERT_EQ(cats.currentCat(), QStringLiteral("Food"));
    prompter.expectConfirm(QStringLiteral("Set the Cat:\"Food\" to Topcat?"), true);
    EXPECT_TRUE(cats.toggleTop());
    EXPECT_EQ(rows(QStringLiteral("SELECT cat, COALESCE(topcat, '-') FROM icat WHERE itemid = 50 ORDER BY cat")),
              QStringLiteral("Food|T ; Snacks|-"));
    EXPECT_EQ(cats.currentCat(), QStringLiteral("Food"));
    prompter.expectConfirm(QStringLiteral("Remove the Topcat flag from the Cat:\"Food\"?"), true);
    EXPECT_TRUE(cats.toggleTop());
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM icat WHERE topcat = 'T' AND itemid = 50")), QStringLiteral("0"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM icat WHERE topcat = 'T'")), QStringLiteral("17"));

    prompter.expectConfirm(QStringLiteral("Remove the Cat:\"Food\" from Jaffle?"), false);
    EXPECT_FALSE(cats.removeCurrent());
    prompter.expectConfirm(QStringLiteral("Remove the Cat:\"Food\" from Jaffle?"), true);
    EXPECT_TRUE(cats.removeCurrent());
    EXPECT_EQ(rows(QStringLiteral("SELECT cat FROM icat WHERE itemid = 50")), QStringLiteral("Snacks"));
    // The names offered stay as they were read.
    EXPECT_FALSE(cats.offered().contains(QStringLiteral("Snacks")));
}

} // namespace
