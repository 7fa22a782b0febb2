#include "admin/EditorMembers.h"
#include "admin/RecordEditor.h"
#include "admin/StaffEditor.h"

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
