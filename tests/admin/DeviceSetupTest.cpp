#include "admin/devices/DeviceSetupList.h"
#include "admin/devices/OdRows.h"
#include "print/CodeString.h"
#include "print/Spooler.h"

#include "GTestSupport.h"
#include "ScriptedPrompter.h"
#include "TestDatabase.h"

using namespace pelora;

namespace {

const QString kSystemNotChanged = QStringLiteral("\"Check/Docket/Drawer/Z\" should not be changed.");
const QString kSystemNotDeleted = QStringLiteral("\"Check/Docket/Drawer/Z must not be deleted.");

QStringList names(const RecordEditor& list) {
    QStringList texts;
    for (int r = 0; r < list.rows().rowCount(); ++r)
        texts << list.nameAt(r);
    return texts;
}

class DeviceSetupTest : public test::DatabaseTest {
protected:
    test::ScriptedPrompter prompter{test::gtestFailures()};
};

TEST_F(DeviceSetupTest, SystemOutputsAreNeitherRenamedNorDeletedAndNewOnesAre) {
    exec(QStringLiteral("INSERT INTO output (id, name) VALUES (50, 'Fifty')"));
    auto outputs = DeviceSetupList::outputs(db, prompter);
    outputs->load();
    EXPECT_EQ(names(*outputs), QStringList({"Check", "Docket", "Drawer", "X", "Fifty"})); // never output 1

    ASSERT_TRUE(outputs->locateId(50));
    prompter.expectInformation(kSystemNotChanged);
    EXPECT_FALSE(outputs->mayEdit());
    // Nor is a rename written from anywhere else.
    outputs->setField(QStringLiteral("name"), QStringLiteral("Patio"));
    prompter.expectWarning(kSystemNotChanged);
    EXPECT_FALSE(outputs->save());
    outputs->cancel();
    prompter.expectInformation(kSystemNotDeleted);
    outputs->remove();
    EXPECT_EQ(scalar(QStringLiteral("SELECT name FROM output WHERE id = 50")), QStringLiteral("Fifty"));

    // Answering No makes nothing; Yes makes the placeholder once, above the system's ids.
    prompter.expectConfirm(QStringLiteral("Insert new Output?"), false);
    EXPECT_FALSE(outputs->insert());
    prompter.expectConfirm(QStringLiteral("Insert new Output?"), true);
    ASSERT_TRUE(outputs->insert());
    const int made = outputs->currentId();
    EXPECT_EQ(made, 101);
    ASSERT_TRUE(outputs->mayEdit());
    outputs->setField(QStringLiteral("name"), QStringLiteral("Terrace"));
    ASSERT_TRUE(outputs->save());
    prompter.expectConfirm(QStringLiteral("Delete Output?"), true);
    outputs->remove();
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM output WHERE id = ?"), {made}), QStringLiteral("0"));
}

class DeviceSetupDemoTest : public test::DemoDatabaseTest {
protected:
    test::ScriptedPrompter prompter{test::gtestFailures()};
};

TEST_F(DeviceSetupDemoTest, AnOutputOrDeviceInUseIsNotDeleted) {
    const QString before = rows(QStringLiteral("SELECT id, outputid, deviceid FROM od ORDER BY id"));
    auto devices = DeviceSetupList::devices(db, prompter);
    devices->load();
    EXPECT_EQ(names(*devices), QStringList({"Docket", "Kitchen", "BarPrinter"}));
    ASSERT_TRUE(devices->locateNoCase(QStringLiteral("name"), QStringLiteral("kitchen")));
    prompter.expectConfirm(QStringLiteral("Delete Device?"), true);
    prompter.expectWarning(QStringLiteral("Could not delete Device.\nMake sure Device is not in the OD table."));
    devices->remove();
    EXPECT_EQ(names(*devices), QStringList({"Docket", "Kitchen", "BarPrinter"}));
    EXPECT_EQ(devices->rows().value(u"name").asText(), QStringLiteral("Kitchen"));

    auto outputs = DeviceSetupList::outputs(db, prompter);
    outputs->load();
    ASSERT_TRUE(outputs->locateId(101)); // Kitchen: on an od row and on items
    prompter.expectConfirm(QStringLiteral("Delete Output?"), true);
    prompter.expectWarning(QStringLiteral("Could not delete Output.\nMake sure Output is not in the OD or Item tables."));
    outputs->remove();
    EXPECT_EQ(rows(QStringLiteral("SELECT id, outputid, deviceid FROM od ORDER BY id")), before);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM device")), QStringLiteral("3"));

    // With no devices left, "Delete" says so.
    exec(QStringLiteral("DELETE FROM od"));
    exec(QStringLiteral("DELETE FROM device"));
    devices->load();
    prompter.expectInformation(QStringLiteral("Device table is empty."));
    devices->remove();
}

TEST_F(DeviceSetupDemoTest, LinkingMakesARowForThisTerminal) {
    OdRows od(db, prompter);
    od.load();
    ASSERT_EQ(od.rows().rowCount(), 6);
    prompter.expectInformation(QStringLiteral("First add a line to Output."));
    EXPECT_FALSE(od.link(0, 2, QStringLiteral("Patio")));
    prompter.expectInformation(QStringLiteral("First add a line to Device."));
    EXPECT_FALSE(od.link(101, 0, QStringLiteral("Patio")));

    ASSERT_TRUE(od.link(101, 3, QStringLiteral("Patio")));
    const int made = od.currentId();
    EXPECT_EQ(od.rows().rowCount(), 7);
    EXPECT_EQ(od.rows().value(u"outputname").asText() + u'/' + od.rows().value(u"devicename").asText(),
              QStringLiteral("Kitchen/BarPrinter"));
    EXPECT_EQ(rows(QStringLiteral("SELECT pcref, outputid, deviceid FROM od WHERE id = ?"), {made}),
              QStringLiteral("Patio|101|3"));
    // Its terminal can then be changed.
    od.setField(QStringLiteral("pcref"), QStringLiteral("Bar"));
    ASSERT_TRUE(od.save());
    EXPECT_EQ(scalar(QStringLiteral("SELECT pcref FROM od WHERE id = ?"), {made}), QStringLiteral("Bar"));

    prompter.expectConfirm(QStringLiteral("Remove OD line?"), false);
    od.unlink();
    prompter.expectConfirm(QStringLiteral("Remove OD line?"), true);
    od.unlink();
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM od WHERE id = ?"), {made}), QStringLiteral("0"));
    EXPECT_EQ(od.rows().rowCount(), 6);

    exec(QStringLiteral("DELETE FROM od"));
    od.load();
    prompter.expectInformation(QStringLiteral("OD table is empty."));
    od.unlink();
}

// Each code field is checked with the parser the printing uses: a good string is written, a
// malformed one is refused by name and the row keeps everything typed.
TEST_F(DeviceSetupDemoTest, EveryCodeStringIsCheckedBeforeItIsWritten) {
    OdRows od(db, prompter);
    od.load();
    ASSERT_TRUE(od.locateId(5));
    const std::vector<std::pair<QString, QString>> malformed{
        {QStringLiteral("#27#"), QStringLiteral("it ends in \"#\"")},
        {QStringLiteral("#27#112x"), QStringLiteral("\"112x\" is not a number")},
        {QStringLiteral("27 64"), QStringLiteral("\"27 64\" is not a number")},
        {QStringLiteral("#1234567890"), QStringLiteral("\"1234567890\" has more than 9 digits")}};
    for (const OdRows::CodeField& field : OdRows::codeFields()) {
        SCOPED_TRACE(field.caption.toStdString());
        for (const auto& [codes, reason] : malformed) {
            od.setField(QStringLiteral("htext"), QStringLiteral("TYPED"));
            od.setField(field.column, codes);
            prompter.expectWarning(field.caption + QStringLiteral(" is not a valid code string: ") + reason + u'.');
            EXPECT_FALSE(od.save());
            EXPECT_TRUE(od.isEditing());
            EXPECT_EQ(od.rows().value(u"htext").asText(), QStringLiteral("TYPED"));
            // The printing refuses it for the same reason.
            EXPECT_THROW(decodeCodes(codes), PrintError);
            EXPECT_EQ(codeStringFault(codes), reason);
        }
        od.setField(field.column, QStringLiteral("#27#112#00#00#00"));
        ASSERT_TRUE(od.save());
        EXPECT_EQ(scalar(QStringLiteral("SELECT %1 FROM od WHERE id = 5").arg(field.column)),
                  QStringLiteral("#27#112#00#00#00"));
    }
    // An empty code and one without the leading "#" are good too.
    od.setField(QStringLiteral("begincode1"), db::Value());
    od.setField(QStringLiteral("endcode2"), QStringLiteral("29#86#1"));
    EXPECT_TRUE(od.save());
}

} // namespace
