#include "app/TerminalSettings.h"
#include "sales/ButtonSettings.h"

#include "GTestSupport.h"

using namespace pelora;

namespace {

TEST(ButtonSettings, TheLayoutsModesSwitchTheButtons) {
    TerminalSettings s;
    s.qtyMode = QStringLiteral("0");
    s.manRegMode = QStringLiteral("0");
    s.optMode = QStringLiteral("0");
    s.findMode = QStringLiteral("0");
    s.ordMode = QStringLiteral("0");
    s.processMode = QStringLiteral("1");
    s.discMode = QStringLiteral("0");
    s.refMode = QStringLiteral("0");
    s.countMode = QStringLiteral("0");
    s.noSaleMode = QStringLiteral("0");
    s.logoutMode = QStringLiteral("0");
    ButtonSettings b = ButtonSettings::from(s);
    EXPECT_FALSE(b.qtyUpDown || b.manual || b.option || b.optionsColumn || b.fastFind || b.order ||
                 b.process || b.discount || b.refund || b.stocktake || b.noSale);
    EXPECT_TRUE(b.move && b.check && b.payment && b.preProcess);
    EXPECT_EQ(b.rightPanelWidth, 230);
    EXPECT_EQ(b.logoutCaption, QStringLiteral("Close"));

    s.qtyMode = QStringLiteral("3");
    s.manRegMode = QStringLiteral("2");
    s.optMode = QStringLiteral("2");
    s.findMode = QStringLiteral("2");
    s.ordMode = QStringLiteral("2");
    s.processMode = QStringLiteral("2");
    s.discMode = QStringLiteral("1");
    s.refMode = QStringLiteral("1");
    s.countMode = QStringLiteral("1");
    s.noSaleMode = QStringLiteral("1");
    s.logoutMode = QStringLiteral("1");
    b = ButtonSettings::from(s);
    EXPECT_TRUE(b.qtyUpDown && b.manual && b.option && b.optionsColumn && b.fastFind && b.order &&
                b.process && b.discount && b.refund && b.stocktake && b.noSale);
    EXPECT_EQ(b.rightPanelWidth, 318);
    EXPECT_EQ(b.logoutCaption, QStringLiteral("Logout"));

    // "1": options column without the typed message; "3": the message without the column.
    s.optMode = QStringLiteral("1");
    b = ButtonSettings::from(s);
    EXPECT_TRUE(b.optionsColumn);
    EXPECT_FALSE(b.option);
    s.optMode = QStringLiteral("3");
    b = ButtonSettings::from(s);
    EXPECT_FALSE(b.optionsColumn);
    EXPECT_TRUE(b.option);
    EXPECT_EQ(b.rightPanelWidth, 230);

    // Modes that are empty (a terminal added from the INI editor has no layout yet) switch on
    // what only "0" switches off.
    b = ButtonSettings::from(TerminalSettings{});
    EXPECT_TRUE(b.qtyUpDown && b.order && b.stocktake && b.noSale);
    EXPECT_FALSE(b.manual || b.fastFind || b.process || b.discount || b.refund);
}

} // namespace
