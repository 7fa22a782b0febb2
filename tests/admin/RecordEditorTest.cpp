#include "admin/EditorMembers.h"
#include "admin/RecordEditor.h"
#include "admin/StaffEditor.h"
#include "admin/layouts/LayoutEditing.h"
#include "app/StaffList.h"
#include "payment/MopList.h"
#include "sales/LineDiscounts.h"
#include "sales/OptionSlots.h"
#include "sales/SalesCaches.h"
#include "sales/TabSearch.h"
#include "tabs/SplitChoices.h"

#include "GTestSupport.h"
#include "ScriptedPrompter.h"
#include "TestDatabase.h"

using namespace pelora;

namespace {

const QString kUniqueName = QStringLiteral("Could not save the changes.\nMake sure Name is Unique.");

class RecordEditorTest : public test::DemoDatabaseTest {
protected:
    QStringList names(RecordEditor& editor) {
        QStringList list;
        for (int r = 0; r < editor.rows().rowCount(); ++r)
            list << editor.nameAt(r);
        return list;
    }
    test::ScriptedPrompter prompter{test::gtestFailures()};
};

TEST_F(RecordEditorTest, InsertMakesThePlaceholderOnceAndFindsItInAnyLetterCase) {
    RecordEditor mops(db, prompter, mopMember());
    mops.load();
    EXPECT_EQ(names(mops), QStringList({"Cash", "EFTPOS"})); // method 1 is never listed

    ASSERT_TRUE(mops.insertOrSave());
    EXPECT_EQ(mops.rows().value(u"name").asText(), QStringLiteral("New MOP"));
    const int made = mops.currentId();
    EXPECT_GT(made, 3);
    mops.move(RecordEditor::Move::First);

    // Another till left one in other letters: Insert goes to it.
    exec(QStringLiteral("UPDATE mop SET name = 'nEW mop' WHERE id = ?"), {made});
    mops.load();
    ASSERT_TRUE(mops.insertRow());
    EXPECT_EQ(mops.currentId(), made);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM mop")), QStringLiteral("4"));

    RecordEditor discs(db, prompter, discMember());
    discs.load();
    ASSERT_TRUE(discs.insertRow());
    EXPECT_EQ(discs.rows().value(u"rate").asDouble(), 0.0);
    EXPECT_EQ(scalar(QStringLiteral("SELECT name || '/' || CAST(rate AS NUMERIC(9, 2)) FROM disc WHERE id = ?"), {discs.currentId()}),
              QStringLiteral("New Disc/0.00"));
}

// An editor closed or stopped right after "Insert" leaves its placeholder behind: no till may
// then take money as "New MOP", seat guests at "New Tab" or log "New Staff" in.
TEST_F(RecordEditorTest, APlaceholderLeftBehindIsOfferedNowhereOnTheSalesSide) {
    exec(QStringLiteral("INSERT INTO mop (id, name) VALUES (50, 'New MOP')"));
    exec(QStringLiteral("INSERT INTO disc (id, name, rate) VALUES (50, 'new disc', 0)"));
    exec(QStringLiteral("INSERT INTO staff (id, ref, pword) VALUES (50, 'New Staff', '4444')"));
    exec(QStringLiteral("INSERT INTO split (id, ref) VALUES (50, 'New Split')"));
    exec(QStringLiteral("INSERT INTO tab (id, ref) VALUES (50, 'New Tab')"));
    exec(QStringLiteral("INSERT INTO map (id, name, filename) VALUES (50, 'New Map', '')"));
    exec(QStringLiteral("INSERT INTO layout (id, name) VALUES (50, 'New Layout')"));
    exec(QStringLiteral("INSERT INTO opt (id, itemid, button, choice, cost, price, tax)"
                        " SELECT 900, itemid, button, 'New Choice', 0, 0, 0 FROM opt ROWS 1"));
    const auto column = [](const db::TextTable& table, int c) {
        QStringList texts;
        for (int r = 0; r < table.rowCount(); ++r)
            texts << table.at(r, c);
        return texts;
    };
    EXPECT_EQ(column(loadMopList(db), 1), QStringList({"Account", "Cash", "EFTPOS"}));
    const db::TextTable discounts = loadDiscounts(db);
    EXPECT_FALSE(column(discounts, 1).contains(QStringLiteral("new disc")));
    for (const db::TextTable* cache : {&discounts, static_cast<const db::TextTable*>(nullptr)})
        for (const DiscountOffer& offer : LineDiscounts::offered(db, cache, true))
            EXPECT_NE(offer.id, QStringLiteral("50"));
    EXPECT_FALSE(staffRefForPassword(loadStaffList(db), QStringLiteral("4444")));
    EXPECT_EQ(staffRefForPassword(loadStaffList(db), QStringLiteral("1234")), QStringLiteral("Alex"));
    EXPECT_FALSE(column(SplitChoices::all(db).splits, 1).contains(QStringLiteral("New Split")));
    EXPECT_FALSE(column(SplitChoices::search(db, QStringLiteral("new")).splits, 1).contains(QStringLiteral("New Split")));
    EXPECT_FALSE(column(SplitChoices::splitsOfCategory(db, QString()), 1).contains(QStringLiteral("New Split")));
    EXPECT_FALSE(column(TabSearch::search(db, QString()).tabs, TabSearch::TabRef).contains(QStringLiteral("New Tab")));
    EXPECT_FALSE(column(TabSearch::search(db, QStringLiteral("tab")).tabs, TabSearch::TabRef).contains(QStringLiteral("New Tab")));
    EXPECT_FALSE(column(TabSearch::tabsOfCategory(db, QString()), TabSearch::TabRef).contains(QStringLiteral("New Tab")));
    EXPECT_FALSE(column(loadMaps(db), 1).contains(QStringLiteral("New Map")));
    for (const auto& [id, name] : layoutsByName(db))
        EXPECT_NE(name, QStringLiteral("New Layout"));
    const int item = scalar(QStringLiteral("SELECT itemid FROM opt WHERE id = 900")).toInt();
    const int slot = scalar(QStringLiteral("SELECT button FROM opt WHERE id = 900")).toInt();
    const db::TextTable options = loadOptionChoices(db);
    for (const db::TextTable* cache : {&options, static_cast<const db::TextTable*>(nullptr)}) {
        const std::vector<OptionSlots::Choice> offered = OptionSlots::choices(db, cache, item, slot);
        EXPECT_FALSE(offered.empty());
        for (const OptionSlots::Choice& choice : offered)
            EXPECT_NE(choice.choice, QStringLiteral("New Choice"));
    }
}

// A name the system keeps for a row no editor lists ("Account", "Non Tab") is refused as the
// system's, not as a name some hidden row has taken.
TEST_F(RecordEditorTest, ANameOfAHiddenRowIsSaidToBeTheSystemsOwn) {
    RecordEditor mops(db, prompter, mopMember());
    mops.load();
    ASSERT_TRUE(mops.insertRow());
    mops.setField(QStringLiteral("name"), QStringLiteral("Account"));
    prompter.expectWarning(QStringLiteral("Could not save the changes.\n\"Account\" is kept by the system: choose another Name."));
    EXPECT_FALSE(mops.save());
    EXPECT_TRUE(mops.isEditing());
    mops.setField(QStringLiteral("name"), QStringLiteral("Cash")); // listed: the usual warning
    prompter.expectWarning(kUniqueName);
    EXPECT_FALSE(mops.save());
    mops.setField(QStringLiteral("name"), QStringLiteral("Voucher"));
    EXPECT_TRUE(mops.save());

    RecordEditor discs(db, prompter, discMember());
    discs.load();
    ASSERT_TRUE(discs.locateNoCase(QStringLiteral("name"), QStringLiteral("Regular")));
    discs.setField(QStringLiteral("name"), QStringLiteral("No Discount"));
    prompter.expectWarning(QStringLiteral("Could not save the changes.\n\"No Discount\" is kept by the system: choose another Name."));
    EXPECT_FALSE(discs.save());
}

TEST_F(RecordEditorTest, AFailedWriteKeepsTheEditOpenWithTheMembersWarning) {
    RecordEditor mops(db, prompter, mopMember());
    mops.load();
    ASSERT_TRUE(mops.locateNoCase(QStringLiteral("name"), QStringLiteral("eftpos")));
    mops.setField(QStringLiteral("name"), QStringLiteral("Cash"));
    ASSERT_TRUE(mops.isEditing());

    prompter.expectWarning(kUniqueName);
    EXPECT_FALSE(mops.insertOrSave()); // "Save"
    EXPECT_TRUE(mops.isEditing());
    // Leaving the row writes it first: it fails again and the editor stays.
    prompter.expectWarning(kUniqueName);
    EXPECT_FALSE(mops.move(RecordEditor::Move::First));
    EXPECT_TRUE(mops.isEditing());
    EXPECT_EQ(mops.rows().value(u"name").asText(), QStringLiteral("Cash"));

    // Corrected, the same edit writes; a blank name never does.
    mops.setField(QStringLiteral("name"), db::Value());
    prompter.expectWarning(QStringLiteral("Name cannot be blank."));
    EXPECT_FALSE(mops.save());
    mops.setField(QStringLiteral("name"), QStringLiteral("Card"));
    EXPECT_TRUE(mops.move(RecordEditor::Move::First)); // written on the way
    EXPECT_FALSE(mops.isEditing());
    EXPECT_EQ(scalar(QStringLiteral("SELECT name FROM mop WHERE id = 3")), QStringLiteral("Card"));
}

TEST_F(RecordEditorTest, NamesWithQuotesAndAccentsRoundTripThroughEveryEditor) {
    const QString name = QStringLiteral("Joe's \"Caf\u00e9\" \u00d8");
    RecordEditor mops(db, prompter, mopMember());
    mops.load();
    mops.insertRow();
    mops.setField(QStringLiteral("name"), name.left(10));
    ASSERT_TRUE(mops.save());

    RecordEditor discs(db, prompter, discMember());
    discs.load();
    discs.insertRow();
    discs.setField(QStringLiteral("name"), name);
    discs.setField(QStringLiteral("rate"), 12.5);
    discs.setField(QStringLiteral("restricted"), QStringLiteral("T"));
    ASSERT_TRUE(discs.save());

    StaffEditor staff(db, prompter);
    staff.load();
    staff.insertRow();
    staff.setField(QStringLiteral("ref"), name);
    staff.setField(QStringLiteral("fname"), QStringLiteral("Zo\u00eb"));
    ASSERT_TRUE(staff.save());

    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM mop WHERE name = ?"), {name.left(10)}), QStringLiteral("1"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT CAST(rate AS NUMERIC(9, 2)) || restricted FROM disc WHERE name = ?"), {name}),
              QStringLiteral("12.50T"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT fname FROM staff WHERE ref = ?"), {name}), QStringLiteral("Zo\u00eb"));
    discs.load();
    EXPECT_TRUE(discs.locateNoCase(QStringLiteral("name"), name.toUpper()));
}

// 101 is the discount that deletes the lines it is put on: a manager must be able to make one.
TEST_F(RecordEditorTest, ARateOutsideNoughtToAHundredIsRefusedButTheDeletingRateIsTaken) {
    RecordEditor discs(db, prompter, discMember());
    discs.load();
    ASSERT_TRUE(discs.locateNoCase(QStringLiteral("name"), QStringLiteral("Regular")));
    for (const db::Value& bad : {db::Value(100.01), db::Value(100.5), db::Value(101.01), db::Value(-1.0), db::Value()}) {
        discs.setField(QStringLiteral("rate"), bad);
        prompter.expectWarning(QStringLiteral("Rate must be a number from 0 to 100, or 101 to delete the lines."));
        EXPECT_FALSE(discs.save());
    }
    discs.setField(QStringLiteral("rate"), 100.0);
    EXPECT_TRUE(discs.save());
    discs.setField(QStringLiteral("rate"), 101.0);
    EXPECT_TRUE(discs.save());
    EXPECT_EQ(scalar(QStringLiteral("SELECT rate FROM disc WHERE name = 'Regular'")), QStringLiteral("101"));
}

TEST_F(RecordEditorTest, DeletingAsksFirstAndLeavesWhatOldRowsNameReadable) {
    // Tab 7 carries discount 5 and an open line discounted by it; a receipt was paid by EFTPOS.
    exec(QStringLiteral("UPDATE tab SET discid = 5 WHERE id = 7"));
    exec(QStringLiteral("INSERT INTO tabline1 (id, pcref, tabid, itemid, itemname, qty, price, discname, discrate, disc, "
                        "extprice) VALUES (900, 'Bar', 7, 2, 'Pale Ale', 1, 9.5, 'Regular', 5, 0.475, 9.025)"));

    RecordEditor discs(db, prompter, discMember());
    discs.load();
    ASSERT_TRUE(discs.locateNoCase(QStringLiteral("name"), QStringLiteral("Regular")));
    prompter.expectConfirm(QStringLiteral("Delete the disc record?"), false);
    discs.deleteOrCancel();
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM disc WHERE id = 5")), QStringLiteral("1"));
    prompter.expectConfirm(QStringLiteral("Delete the disc record?"), true);
    discs.deleteOrCancel();
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM disc WHERE id = 5")), QStringLiteral("0"));
    EXPECT_FALSE(names(discs).contains(QStringLiteral("Regular")));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COALESCE(discid, 0) FROM tab WHERE id = 7")), QStringLiteral("0"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT discname || '/' || CAST(extprice AS NUMERIC(12, 4)) FROM tabline1 WHERE id = 900")),
              QStringLiteral("Regular/9.0250"));

    RecordEditor mops(db, prompter, mopMember());
    mops.load();
    ASSERT_TRUE(mops.locateNoCase(QStringLiteral("name"), QStringLiteral("EFTPOS")));
    prompter.expectConfirm(QStringLiteral("Delete the mop record?"), true);
    mops.deleteRow();
    EXPECT_EQ(names(mops), QStringList({"Cash"}));
    EXPECT_EQ(scalar(QStringLiteral("SELECT mop FROM receipt WHERE id = 2")), QStringLiteral("EFTPOS"));

    prompter.expectConfirm(QStringLiteral("Delete the mop record?"), true);
    mops.deleteRow();
    prompter.expectWarning(QStringLiteral("There are no mops to delete."));
    mops.deleteRow();
    EXPECT_EQ(scalar(QStringLiteral("SELECT name FROM mop")), QStringLiteral("Account"));
}

TEST_F(RecordEditorTest, StaffOneMustRemainAndEveryoneElseIsAskedFor) {
    StaffEditor staff(db, prompter);
    staff.load();
    ASSERT_TRUE(staff.locateNoCase(QStringLiteral("ref"), QStringLiteral("DEFAULT")));
    prompter.expectWarning(QStringLiteral("This Staff record must remain.")); // and no question
    staff.deleteRow();
    ASSERT_TRUE(staff.locateNoCase(QStringLiteral("ref"), QStringLiteral("sam")));
    prompter.expectConfirm(QStringLiteral("Delete the Staff record?"), true);
    staff.deleteRow();
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM staff")), QStringLiteral("2"));
}

TEST_F(RecordEditorTest, APinAnotherStaffMemberHasIsRefusedAsTheLoginComparesIt) {
    exec(QStringLiteral("UPDATE staff SET pword = 'ab12' WHERE id = 3"));
    StaffEditor staff(db, prompter);
    staff.load();
    ASSERT_TRUE(staff.locateNoCase(QStringLiteral("ref"), QStringLiteral("Alex")));
    staff.setField(QStringLiteral("pword"), QStringLiteral("AB12"));
    prompter.expectWarning(QStringLiteral("The PIN is already used by Sam.\nThe PIN must be unique for every staff member."));
    EXPECT_FALSE(staff.save());
    EXPECT_TRUE(staff.isEditing());
    EXPECT_EQ(scalar(QStringLiteral("SELECT pword FROM staff WHERE id = 2")), QStringLiteral("1234"));

    // Its own PIN again, or none at all (which nobody can log in with), is no clash.
    staff.setField(QStringLiteral("pword"), QStringLiteral("1234"));
    EXPECT_TRUE(staff.save());
    staff.setField(QStringLiteral("pword"), db::Value());
    EXPECT_TRUE(staff.save());
    ASSERT_TRUE(staff.locateNoCase(QStringLiteral("ref"), QStringLiteral("Sam")));
    staff.setField(QStringLiteral("pword"), db::Value());
    EXPECT_TRUE(staff.save());
}

TEST_F(RecordEditorTest, ClosingAsksToSaveAnOpenEditAndAFailedSaveKeepsTheWindow) {
    RecordEditor mops(db, prompter, mopMember());
    mops.load();
    mops.setField(QStringLiteral("name"), QStringLiteral("Voucher"));
    prompter.expectConfirm(QStringLiteral("Save changes?"), false);
    EXPECT_TRUE(mops.mayClose());
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM mop WHERE name = 'Voucher'")), QStringLiteral("0"));

    mops.load();
    mops.setField(QStringLiteral("name"), QStringLiteral("EFTPOS"));
    prompter.expectConfirm(QStringLiteral("Save changes?"), true);
    prompter.expectWarning(kUniqueName);
    EXPECT_FALSE(mops.mayClose());
    mops.setField(QStringLiteral("name"), QStringLiteral("Voucher"));
    prompter.expectConfirm(QStringLiteral("Save changes?"), true);
    EXPECT_TRUE(mops.mayClose());
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM mop WHERE name = 'Voucher'")), QStringLiteral("1"));
}

TEST_F(RecordEditorTest, AMemberThatAsksBeforeLeavingAnEditDropsItOnNo) {
    RecordEditorMember asking = mopMember();
    asking.askOnNavigate = true;
    RecordEditor mops(db, prompter, asking);
    mops.load();
    mops.setField(QStringLiteral("name"), QStringLiteral("Voucher"));
    prompter.expectConfirm(QStringLiteral("Save changes?"), false);
    EXPECT_TRUE(mops.move(RecordEditor::Move::Last));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM mop WHERE name = 'Voucher'")), QStringLiteral("0"));
    mops.setField(QStringLiteral("name"), QStringLiteral("Voucher"));
    prompter.expectConfirm(QStringLiteral("Save changes?"), true);
    EXPECT_TRUE(mops.move(RecordEditor::Move::First));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM mop WHERE name = 'Voucher'")), QStringLiteral("1"));
}

} // namespace
