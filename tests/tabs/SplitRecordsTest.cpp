#include "db/DbError.h"
#include "db/StoredProc.h"
#include "db/TextTable.h"
#include "tabs/SplitRecords.h"

#include "GTestSupport.h"
#include "TestDatabase.h"

#include <stdexcept>

using namespace pelora;

namespace {

class SplitRecordsTest : public test::DemoDatabaseTest {
protected:
    void SetUp() override {
        DemoDatabaseTest::SetUp();
        splits = std::make_unique<SplitRecords>(db, proc, prompter);
        splits->setLinesChanged([this] { ++linesRead; });
    }
    void line(int list, int tabId, const char* pcRef, const char* splitRef, const char* splitMsg) {
        const QString table = QStringLiteral("tabline%1").arg(list);
        exec(QStringLiteral("INSERT INTO %1 (id, pcref, tabid, itemid, itemname, qty, splitref, splitmsg)"
                            " VALUES (?, ?, ?, 2, 'Beer', 1, ?, ?)")
                 .arg(table),
             {proc.nextId(table), pcRef, tabId, splitRef, splitMsg});
    }
    // "list/tab/till:ref:message" of every open line, by list and id.
    QStringList markers() {
        const db::TextTable rows = db::TextTable::load(
            db, QStringLiteral("SELECT 1, id, tabid, pcref, splitref, splitmsg FROM tabline1 UNION ALL"
                               " SELECT 2, id, tabid, pcref, splitref, splitmsg FROM tabline2 ORDER BY 1, 2"));
        QStringList out;
        for (const auto& r : rows.rows())
            out << r.at(0) + u'/' + r.at(2) + u'/' + r.at(3) + u':' + r.at(4) + u':' + r.at(5);
        return out;
    }
    void edit(const char* column, const QString& value) {
        splits->rows().setField(QString::fromLatin1(column), value);
    }
    QString splitRef(int id) { return scalar(QStringLiteral("SELECT ref FROM split WHERE id = ?"), {id}); }
    QString unsavable() const {
        return QStringLiteral("Could not save the changes.") + kLineBreak + QStringLiteral("Make sure Ref is Unique.");
    }

    test::ScriptedPrompter prompter{test::gtestFailures()};
    db::StoredProc proc{db};
    std::unique_ptr<SplitRecords> splits;
    int linesRead = 0;
};

TEST_F(SplitRecordsTest, ANewRefAndMessageReachEveryOpenLineOfTheSplitOnEveryTabAndTill) {
    line(1, 1, "Bar", "Seat 1", "Seat 1");
    line(1, 1, "Patio", "Seat 1", "Seat 1");
    line(2, 3, "Bar", "Seat 1", "Seat 1");
    line(2, 10, "Patio", "Seat 1", "Seat 1");
    line(1, 3, "Bar", "Seat 2", "Seat 2");
    line(1, 3, "Bar", "", "");
    splits->showAll(QStringLiteral("Seat 1"));
    ASSERT_EQ(splits->currentRef(), QStringLiteral("Seat 1"));

    edit("ref", QStringLiteral("Guest 1"));
    ASSERT_TRUE(splits->save());
    EXPECT_EQ(markers(), QStringList({"1/1/Bar:Guest 1:Seat 1", "1/1/Patio:Guest 1:Seat 1", "1/3/Bar:Seat 2:Seat 2",
                                      "1/3/Bar::", "2/3/Bar:Guest 1:Seat 1", "2/10/Patio:Guest 1:Seat 1"}));
    EXPECT_EQ(linesRead, 1);

    // The message is rewritten under the ref the lines now carry; both at once work the same.
    edit("msg", QStringLiteral("No onions"));
    ASSERT_TRUE(splits->save());
    edit("ref", QStringLiteral("Guest 9"));
    edit("msg", QStringLiteral("Window"));
    ASSERT_TRUE(splits->save());
    EXPECT_EQ(markers(), QStringList({"1/1/Bar:Guest 9:Window", "1/1/Patio:Guest 9:Window", "1/3/Bar:Seat 2:Seat 2",
                                      "1/3/Bar::", "2/3/Bar:Guest 9:Window", "2/10/Patio:Guest 9:Window"}));
    EXPECT_EQ(linesRead, 3);

    // Other details leave the lines alone, and so does a ref typed back to what it was.
    edit("name", QStringLiteral("Ann"));
    edit("ref", QStringLiteral("Guest 8"));
    edit("ref", QStringLiteral("Guest 9"));
    ASSERT_TRUE(splits->save());
    EXPECT_EQ(linesRead, 3);
    EXPECT_EQ(scalar(QStringLiteral("SELECT name FROM split WHERE id = 1")), QStringLiteral("Ann"));
}

TEST_F(SplitRecordsTest, TheReservedRefAndABlankRefAreRefusedAndTheEditStays) {
    line(1, 3, "Bar", "", "");
    line(1, 3, "Bar", "Seat 1", "Seat 1");
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("Unsplit"), QStringLiteral("\"Unsplit\" is a reserved ref. Use a different ref.")},
        {QString(), QStringLiteral("\"Ref\" cannot be blank.")},
        // The database compares without trailing blanks, so blanks would be the unsplit lines' mark.
        {QStringLiteral("   "), QStringLiteral("\"Ref\" cannot be blank.")},
    };
    splits->showAll(QStringLiteral("Seat 1"));
    for (const auto& [ref, message] : cases) {
        edit("ref", ref);
        prompter.expectInformation(message);
        EXPECT_FALSE(splits->save()) << ref.toStdString();
        EXPECT_TRUE(splits->rows().isEditing());
        EXPECT_EQ(splits->currentRef(), ref);
        EXPECT_EQ(splitRef(1), QStringLiteral("Seat 1"));
        EXPECT_EQ(markers(), QStringList({"1/3/Bar::", "1/3/Bar:Seat 1:Seat 1"}));
        splits->rows().cancel();
    }
    EXPECT_EQ(linesRead, 0);
}

TEST_F(SplitRecordsTest, AnAccountTabsRefIsTakenOnlyAfterYesAndNeverCopiedToTheTabs) {
    line(1, 3, "Bar", "Company", "On the company");
    splits->showAll(QStringLiteral("Company"));
    const QString question =
        QStringLiteral("Ref: \"jones CATERING\" already exists in Tab. Update Split Ref?");
    edit("ref", QStringLiteral("jones CATERING"));
    prompter.expectConfirm(question, false);
    EXPECT_FALSE(splits->save());
    EXPECT_TRUE(splits->rows().isEditing());
    EXPECT_EQ(splitRef(5), QStringLiteral("Company"));
    EXPECT_EQ(markers(), QStringList({"1/3/Bar:Company:On the company"}));

    prompter.expectConfirm(question, true);
    ASSERT_TRUE(splits->save());
    EXPECT_EQ(splitRef(5), QStringLiteral("jones CATERING"));
    EXPECT_EQ(markers(), QStringList({"1/3/Bar:jones CATERING:On the company"}));

    // Asked once: a later save that keeps the ref does not ask again.
    edit("name", QStringLiteral("J C"));
    ASSERT_TRUE(splits->save());

    const QString tabs = scalar(QStringLiteral("SELECT COUNT(*) FROM tab"));
    prompter.expectConfirm(QStringLiteral("Copy the Split \"jones CATERING\" to the Tab table?"), true)
        .expectInformation(QStringLiteral("Ref: \"jones CATERING\" already exists in Tab."));
    EXPECT_EQ(splits->copyToTab(), std::nullopt);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM tab")), tabs);
}

TEST_F(SplitRecordsTest, CopyToTabMakesAnAccountTabWithTheSplitsDetails) {
    exec(QStringLiteral("UPDATE split SET name = 'Mia Rossi', street1 = '1 Bay St', suburb = 'Glebe', state = 'NSW',"
                        " postcode = '2037', mphone = '0400 000 001', email = 'mia@example.com',"
                        " notes = 'Cake at nine' WHERE id = 4"));
    splits->showAll(QStringLiteral("Birthday"));
    prompter.expectConfirm(QStringLiteral("Copy the Split \"Birthday\" to the Tab table?"), false);
    EXPECT_EQ(splits->copyToTab(), std::nullopt);

    prompter.expectConfirm(QStringLiteral("Copy the Split \"Birthday\" to the Tab table?"), true)
        .expectInformation(QStringLiteral("Ref: \"Birthday\" sucessfully added to Tab."));
    EXPECT_EQ(splits->copyToTab(), QStringLiteral("Birthday"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT cat || '|' || discid || '|' || name || '|' || street1 || '|'"
                                    " || COALESCE(street2, '-') || '|' || suburb || '|' || state || '|' || postcode"
                                    " || '|' || mphone || '|' || email || '|' || notes"
                                    " FROM tab WHERE ref = 'Birthday' AND id > 12")),
              QStringLiteral("Parties|2|Mia Rossi|1 Bay St|-|Glebe|NSW|2037|0400 000 001|mia@example.com|Cake at nine"));

    // An edit is saved first; a split without a discount gives a tab without one.
    splits->showAll(QStringLiteral("Company"));
    edit("ref", QStringLiteral("Acme"));
    prompter.expectConfirm(QStringLiteral("Copy the Split \"Acme\" to the Tab table?"), true)
        .expectInformation(QStringLiteral("Ref: \"Acme\" sucessfully added to Tab."));
    EXPECT_EQ(splits->copyToTab(), QStringLiteral("Acme"));
    EXPECT_EQ(splitRef(5), QStringLiteral("Acme"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COALESCE(CAST(discid AS VARCHAR(10)), 'none') FROM tab WHERE ref = 'Acme'")),
              QStringLiteral("none"));

    // The NonTab's ref is taken too, though it is no account tab.
    splits->showAll(QStringLiteral("Seat 1"));
    edit("ref", QStringLiteral("Non Tab"));
    prompter.expectConfirm(QStringLiteral("Copy the Split \"Non Tab\" to the Tab table?"), true)
        .expectInformation(QStringLiteral("Ref: \"Non Tab\" already exists in Tab."));
    EXPECT_EQ(splits->copyToTab(), std::nullopt);

    // The placeholder is no tab's name.
    ASSERT_TRUE(splits->insert());
    prompter.expectInformation(QStringLiteral("Rename \"New Split\" to a valid Tab Ref."));
    EXPECT_EQ(splits->copyToTab(), std::nullopt);
}

TEST_F(SplitRecordsTest, InsertReusesThePlaceholderInAnyLetterCase) {
    splits->find(QStringLiteral("seat"));
    ASSERT_TRUE(splits->insert());
    EXPECT_EQ(splits->rows().rowCount(), 7); // every split listed again
    EXPECT_EQ(splits->currentRef(), QStringLiteral("New Split"));
    const qint64 id = splits->rows().value(u"id").asInt();
    splits->rows().first();
    ASSERT_TRUE(splits->insert());
    EXPECT_EQ(splits->rows().value(u"id").asInt(), id);
    exec(QStringLiteral("UPDATE split SET ref = 'NEW SPLIT' WHERE id = ?"), {id});
    ASSERT_TRUE(splits->insert());
    EXPECT_EQ(splits->rows().value(u"id").asInt(), id);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM split")), QStringLiteral("7"));

    db.setStatementHook([](const QString& sql) {
        if (sql.startsWith(QStringLiteral("INSERT INTO split")))
            throw db::DbError(QStringLiteral("refused"));
    });
    exec(QStringLiteral("DELETE FROM split WHERE id = ?"), {id});
    prompter.expectWarning(QStringLiteral("Could not insert new split"));
    EXPECT_FALSE(splits->insert());
    db.setStatementHook({});
}

TEST_F(SplitRecordsTest, ARefusedWriteKeepsTheEditAndChangesNoLine) {
    line(1, 3, "Bar", "Seat 1", "Seat 1");
    line(2, 4, "Bar", "Seat 1", "Seat 1");
    splits->showAll(QStringLiteral("Seat 1"));
    edit("ref", QStringLiteral("Seat 2")); // another split's
    edit("msg", QStringLiteral("Moved"));
    prompter.expectWarning(unsavable());
    EXPECT_FALSE(splits->save());
    EXPECT_TRUE(splits->rows().isEditing());
    EXPECT_EQ(splits->currentRef(), QStringLiteral("Seat 2"));
    EXPECT_EQ(markers(), QStringList({"1/3/Bar:Seat 1:Seat 1", "2/4/Bar:Seat 1:Seat 1"}));
    EXPECT_EQ(linesRead, 0);

    // A line update that fails takes the rename of the other list back with it.
    edit("ref", QStringLiteral("Seat 7"));
    db.setStatementHook([](const QString& sql) {
        if (sql.startsWith(QStringLiteral("UPDATE tabline2 SET splitmsg")))
            throw std::runtime_error("the connection dropped");
    });
    EXPECT_THROW(splits->save(), std::runtime_error);
    db.setStatementHook({});
    EXPECT_TRUE(splits->rows().isEditing());
    EXPECT_EQ(markers(), QStringList({"1/3/Bar:Seat 1:Seat 1", "2/4/Bar:Seat 1:Seat 1"}));
    EXPECT_EQ(splitRef(1), QStringLiteral("Seat 1"));

    ASSERT_TRUE(splits->save());
    EXPECT_EQ(markers(), QStringList({"1/3/Bar:Seat 7:Moved", "2/4/Bar:Seat 7:Moved"}));
    EXPECT_EQ(linesRead, 1);
}

TEST_F(SplitRecordsTest, SearchCategoriesDiscountsAndDelete) {
    splits->find(QStringLiteral("SEAT"));
    EXPECT_EQ(splits->rows().rowCount(), 4);
    splits->find(QStringLiteral("%")); // as it stands, no wildcard
    EXPECT_TRUE(splits->rows().isEmpty());
    EXPECT_EQ(splits->currentRef(), QString());
    prompter.expectWarning(QStringLiteral("There are no splits to delete."));
    EXPECT_FALSE(splits->remove());

    exec(QStringLiteral("INSERT INTO split (id, ref, cat) VALUES (20, 'Walk-in', '')"));
    exec(QStringLiteral("INSERT INTO split (id, ref, cat) VALUES (21, 'Stray', NULL)"));
    EXPECT_EQ(splits->categories(), QStringList({"", "Business", "Parties", "Seats"}));
    QStringList names;
    const db::TextTable offered = splits->discounts(false);
    for (const auto& r : offered.rows())
        names << r.at(SplitRecords::DiscName);
    EXPECT_EQ(names, QStringList({"No Discount", "Happy Hour", "Manager Comp", "Regular"}));
    EXPECT_EQ(splits->discounts(true).rowCount(), 5); // Staff too

    splits->showAll(QStringLiteral("Company"));
    prompter.expectConfirm(QStringLiteral("Delete the split record?"), false);
    EXPECT_FALSE(splits->remove());
    prompter.expectConfirm(QStringLiteral("Delete the split record?"), true);
    EXPECT_TRUE(splits->remove());
    EXPECT_EQ(splitRef(5), QString());
    EXPECT_EQ(splits->rows().rowCount(), 7);
}

} // namespace
