#include "app/StaffList.h"
#include "app/TerminalData.h"
#include "db/DbError.h"
#include "db/ServerClock.h"
#include "sales/SalesCaches.h"

#include "GTestSupport.h"
#include "TestDatabase.h"

using namespace pelora;

namespace {

class FixedClock : public db::ServerClock {
public:
    QDateTime now() override { return QDateTime(QDate(2026, 12, 9), QTime(18, 30)); }
};

class TerminalLoad : public test::DemoDatabaseTest {
protected:
    TerminalData load(QString pcRef = QStringLiteral("Bar"), int previousCharset = 0) {
        loadedRef = pcRef;
        return TerminalData::load(db, clock, loadedRef, previousCharset);
    }
    FixedClock clock;
    QString loadedRef;
};

TEST_F(TerminalLoad, ReadsTheTerminalItsLayoutAndItsManualOutput) {
    const TerminalData d = load();
    const TerminalSettings& s = d.settings;
    EXPECT_EQ(loadedRef, QStringLiteral("Bar"));
    EXPECT_EQ(s.layoutId, 2);
    EXPECT_EQ(s.layoutName, QStringLiteral("Bar"));
    EXPECT_EQ(s.outputName, QStringLiteral("Bar"));
    EXPECT_EQ(s.outputId, 102);
    EXPECT_EQ(s.mapId, 1);
    EXPECT_EQ(s.refreshRate, 30);
    EXPECT_EQ(s.refreshMode, QStringLiteral("1"));
    EXPECT_EQ(s.linkId, 1);
    EXPECT_EQ(s.charset, QStringLiteral("Default"));
    EXPECT_EQ(s.charsetCode, 1);
    EXPECT_EQ(s.libtnfsize, 11);
    EXPECT_EQ(s.tmbtnfsize, 10);
    EXPECT_DOUBLE_EQ(s.restartMins, 15);
    EXPECT_EQ(s.qtyMode, QStringLiteral("2"));
    EXPECT_DOUBLE_EQ(s.manRegCostRate, 0.4);
    EXPECT_DOUBLE_EQ(s.manRegTaxRate, 0.0909);
    EXPECT_EQ(s.roundMode, QStringLiteral("1"));
    EXPECT_EQ(s.logoutMode, QStringLiteral("1"));
    EXPECT_EQ(s.normalRightPanelWidth(), 318); // optmode "2" shows the options column
    EXPECT_EQ(d.lastRefresh, clock.now());
}

TEST_F(TerminalLoad, AnUnknownTerminalRunsAsTerminalOne) {
    const TerminalData d = load(QStringLiteral("Till 9"));
    EXPECT_EQ(loadedRef, QStringLiteral("Default"));
    EXPECT_EQ(d.settings.layoutName, QStringLiteral("Default"));
    EXPECT_EQ(d.settings.normalRightPanelWidth(), 318);

    exec(QStringLiteral("DELETE FROM od"));
    exec(QStringLiteral("DELETE FROM pc"));
    EXPECT_THROW(load(QStringLiteral("Till 9")), db::DbError);
}

TEST(CharsetCode, NamesSelectTheirCodeAndUnknownNamesKeepThePreviousOne) {
    EXPECT_EQ(charsetCode(QStringLiteral("Default"), 0), 1);
    EXPECT_EQ(charsetCode(QStringLiteral("Ansi"), 7), 0);
    EXPECT_EQ(charsetCode(QStringLiteral("OEM"), 0), 255);
    EXPECT_EQ(charsetCode(QStringLiteral("Chinese: traditional"), 0), 136);
    EXPECT_EQ(charsetCode(QStringLiteral("Korean: Johab"), 0), 130);
    EXPECT_EQ(charsetCode(QStringLiteral("Vietnamese"), 0), 163);
    EXPECT_EQ(charsetCode(QStringLiteral("Greek"), 0), 161);
    EXPECT_EQ(charsetCode(QStringLiteral("greek"), 161), 161); // names match exactly
    EXPECT_EQ(charsetCode(QStringLiteral("Klingon"), 204), 204);
    EXPECT_EQ(charsetCode(QString(), 0), 0);
}

TEST_F(TerminalLoad, CachesAreInTheirOrderAndHoldTexts) {
    exec(QStringLiteral("INSERT INTO staff (id, ref, pword) VALUES (9, 'Jo', 'AbC9')"));
    const TerminalData d = load();

    const db::TextTable& buttons = d.buttons.rows();
    ASSERT_EQ(buttons.rowCount(), 28);
    ASSERT_EQ(buttons.row(0).size(), std::size_t(ButtonCache::ColumnCount));
    EXPECT_EQ(ButtonCache::ColumnCount, 97);
    // The first button of the Home page leads to Drinks: no item, so the item's columns are empty.
    EXPECT_EQ(buttons.at(0, ButtonCache::LiId), QStringLiteral("1"));
    EXPECT_EQ(buttons.at(0, ButtonCache::LinkIdLink), QStringLiteral("2"));
    EXPECT_EQ(buttons.at(0, ButtonCache::ItemId), QString());
    EXPECT_EQ(buttons.at(0, ButtonCache::BoxColour), QStringLiteral("10508860"));
    EXPECT_EQ(buttons.at(0, ButtonCache::LinkName), QStringLiteral("Home"));
    EXPECT_EQ(buttons.at(0, ButtonCache::OutputName), QString());
    // The steak (li 6) with its two automatic options, made in the kitchen.
    const int steak = 5;
    EXPECT_EQ(buttons.at(steak, ButtonCache::ItemName), QStringLiteral("Steak"));
    EXPECT_EQ(buttons.at(steak, ButtonCache::Qty), QStringLiteral("20"));
    EXPECT_EQ(buttons.at(steak, ButtonCache::Price1), QStringLiteral("34"));
    EXPECT_EQ(buttons.at(steak, ButtonCache::Tax1), QStringLiteral("3.0909"));
    EXPECT_EQ(buttons.at(steak, ButtonCache::optionColumn(1, ButtonCache::OptCaption)), QStringLiteral("Cooked"));
    EXPECT_EQ(buttons.at(steak, ButtonCache::optionColumn(1, ButtonCache::OptForced)), QStringLiteral("T"));
    EXPECT_EQ(buttons.at(steak, ButtonCache::optionColumn(2, ButtonCache::OptPrompt)), QStringLiteral("Which sauce?"));
    EXPECT_EQ(buttons.at(steak, ButtonCache::optionColumn(10, ButtonCache::OptTax)), QString());
    EXPECT_EQ(buttons.at(steak, ButtonCache::OutputName), QStringLiteral("Kitchen"));
    // Pages follow each other by link, each page's buttons by id.
    EXPECT_EQ(buttons.at(9, ButtonCache::LinkId), QStringLiteral("2"));
    EXPECT_EQ(buttons.at(27, ButtonCache::LinkId), QStringLiteral("3"));

    ASSERT_EQ(d.mops.rowCount(), 3);
    EXPECT_EQ(d.mops.at(0, 1), QStringLiteral("Account"));
    EXPECT_EQ(d.mops.at(1, 1), QStringLiteral("Cash"));
    EXPECT_EQ(d.mops.at(2, 1), QStringLiteral("EFTPOS"));

    // One map's tab buttons together, by the tab's ref.
    QStringList refs;
    for (const auto& row : d.tabMap.rows())
        refs << row[TmMapId] + u':' + row[TmRef];
    EXPECT_EQ(refs, QStringList({"1:Jones Catering", "1:Patel R", "1:Room 12", "1:Smith J", "1:Table 1",
                                 "1:Table 2", "1:Table 3", "1:Table 4", "2:Room 12", "2:Table 5",
                                 "2:Table 6"}));
    ASSERT_EQ(d.maps.rowCount(), 2);
    EXPECT_EQ(d.maps.at(1, MapName), QStringLiteral("Dining"));
    EXPECT_EQ(d.maps.at(1, MapFileName), QStringLiteral("dining.jpg"));

    EXPECT_EQ(d.optionChoices.rowCount(), 16);
    EXPECT_EQ(d.optionChoices.at(0, 3), QStringLiteral("Glass"));
    EXPECT_EQ(d.discounts.rowCount(), 5);
    EXPECT_EQ(d.discounts.at(2, 1), QStringLiteral("Staff"));
    EXPECT_EQ(d.discounts.at(2, 3), QStringLiteral("T"));

    // Staff passwords are compared in lower case; a staff member without one has an empty text.
    ASSERT_EQ(d.staff.rowCount(), 4);
    EXPECT_EQ(d.staff.at(0, StaffPassword), QString());
    EXPECT_EQ(d.staff.at(3, StaffRef), QStringLiteral("Jo"));
    EXPECT_EQ(d.staff.at(3, StaffPassword), QStringLiteral("abc9"));

    ASSERT_EQ(d.pictureRows.rowCount(), 4); // glyphmode "1"
    EXPECT_EQ(d.pictureRows.at(0, PictureFileName), QStringLiteral("beer.png"));
}

TEST_F(TerminalLoad, RequeryFlagsLeaveTheirCachesEmpty) {
    exec(QStringLiteral("UPDATE master SET linkrequery = 'T', optrequery = 'T', tabrequery = 'T',"
                        " moprequery = 'T', discrequery = 'T'"));
    exec(QStringLiteral("UPDATE layout SET glyphmode = '0' WHERE id = 2"));
    const TerminalData d = load();
    EXPECT_EQ(d.master.linkRequery, QStringLiteral("T"));
    EXPECT_EQ(d.master.itemRequery, QStringLiteral("F"));
    EXPECT_TRUE(d.buttons.isEmpty());
    EXPECT_TRUE(d.optionChoices.isEmpty());
    EXPECT_TRUE(d.tabMap.isEmpty());
    EXPECT_TRUE(d.maps.isEmpty());
    EXPECT_TRUE(d.mops.isEmpty());
    EXPECT_TRUE(d.discounts.isEmpty());
    EXPECT_TRUE(d.pictureRows.isEmpty());
    EXPECT_EQ(d.staff.rowCount(), 3); // always loaded
    EXPECT_EQ(d.outputDevices.entries().rowCount(), 6);
}

TEST_F(TerminalLoad, OutputDevicesAreThisTerminalsInIdOrder) {
    // Another terminal's rows are not this one's; of two rows for one output the first counts.
    exec(QStringLiteral("INSERT INTO od (id, pcref, outputid, deviceid, bcpl) VALUES (20, 'Kitchen PC', 3, 2, 40)"));
    exec(QStringLiteral("INSERT INTO od (id, pcref, outputid, deviceid, bcpl) VALUES (21, 'Bar', 3, 3, 32)"));
    const TerminalData d = load();
    const db::TextTable& od = d.outputDevices.entries();
    ASSERT_EQ(od.rowCount(), 7);
    ASSERT_EQ(od.row(0).size(), std::size_t(OutputDeviceTable::ColumnCount));
    EXPECT_EQ(od.at(0, OutputDeviceTable::OutputName), QStringLiteral("Docket"));
    EXPECT_EQ(od.at(0, OutputDeviceTable::DeviceName), QStringLiteral("Docket"));
    EXPECT_EQ(od.at(0, OutputDeviceTable::Cat), QStringLiteral("P"));
    EXPECT_EQ(od.at(0, OutputDeviceTable::BeginCode1), QStringLiteral("#27#64"));
    EXPECT_EQ(od.at(0, OutputDeviceTable::EjectLines), QStringLiteral("4"));
    EXPECT_EQ(od.at(0, OutputDeviceTable::HFont), QString()); // null reads as empty
    EXPECT_EQ(od.at(0, OutputDeviceTable::BCpl), QStringLiteral("42"));
    EXPECT_EQ(od.at(6, OutputDeviceTable::Id), QStringLiteral("21"));
    EXPECT_EQ(d.outputDevices.find(QStringLiteral("Docket")), 0);
    EXPECT_EQ(d.outputDevices.find(QStringLiteral("Kitchen")), 4);
    EXPECT_EQ(d.outputDevices.find(QStringLiteral("docket")), -1);
    EXPECT_EQ(d.outputDevices.find(QStringLiteral("Lounge")), -1);
}

} // namespace
