#include "TillFixture.h"

#include "ModalWatcher.h"
#include "common/TerminationSignal.h"
#include "sales/ExtraPage.h"
#include "sales/ItemGrid.h"
#include "sales/ItemPage.h"
#include "sales/LineLists.h"
#include "sales/LinePanel.h"
#include "sales/ManRegisterPanel.h"
#include "sales/OptionsColumn.h"
#include "sales/StatusLine.h"
#include "sales/TabPage.h"
#include "ui/CloseWithoutAsking.h"
#include "ui/TouchWidgets.h"

#include <QDialog>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <csignal>

using namespace pelora;
using test::TillTest;

namespace {

class MainForm : public TillTest {
protected:
    void SetUp() override {
        TillTest::SetUp();
        sql(QStringLiteral("UPDATE layout SET logoutmode = '0'"));
    }
    QString caption() const { return form->grpMain->title(); }
};

TEST_F(MainForm, OnlyButtonsWithAnOperationAreEnabledAndTheLayoutSetsTheRest) {
    ASSERT_TRUE(start());
    EXPECT_TRUE(form->btnTab->isEnabled());
    EXPECT_TRUE(form->btnLink->isEnabled());
    EXPECT_TRUE(form->btnExtra->isEnabled());
    // Operations still to come are present but cannot be pressed, whatever the modes say.
    for (const char* name : {"btnAdmin"}) {
        auto* b = child<QPushButton>(name);
        ASSERT_NE(b, nullptr);
        EXPECT_FALSE(b->isEnabled()) << name;
        EXPECT_FALSE(TMainForm::isWired(b)) << name;
    }

    // The demo layout: the options column and the fast find show, the panel is 318 wide.
    EXPECT_TRUE(form->pnlRight->options->isVisibleTo(form->pnlRight));
    EXPECT_TRUE(form->pnlRight->grpFastFind->isVisibleTo(form->pnlRight));
    EXPECT_EQ(form->normalRightPanelWidth(), 318);
    EXPECT_EQ(form->btnLogout->text(), QStringLiteral("Close"));

    relayout(QStringLiteral("optmode = '3', findmode = '0', logoutmode = '1'"));
    EXPECT_FALSE(form->pnlRight->options->isVisibleTo(form->pnlRight));
    EXPECT_FALSE(form->pnlRight->grpFastFind->isVisibleTo(form->pnlRight));
    EXPECT_EQ(form->normalRightPanelWidth(), 230);
    EXPECT_EQ(form->btnLogout->text(), QStringLiteral("Logout"));
    form->btnLink->click();
    EXPECT_EQ(form->pnlRight->width(), 230);

    relayout(QStringLiteral("optmode = '1', findmode = '2'"));
    EXPECT_TRUE(form->pnlRight->options->isVisibleTo(form->pnlRight));
    EXPECT_TRUE(form->pnlRight->grpFastFind->isVisibleTo(form->pnlRight));
    form->btnExtra->click();
    EXPECT_EQ(form->pnlRight->width(), 318);
}

TEST_F(MainForm, TheNavigationButtonsSwitchPagesAndThePanel) {
    ASSERT_TRUE(start());
    form->btnExtra->click();
    EXPECT_EQ(form->pgcMain->currentWidget(), static_cast<QWidget*>(form->pgeExtra));
    EXPECT_EQ(caption(), QStringLiteral("Extra"));
    EXPECT_FALSE(form->rightPanelCollapsed());
    EXPECT_EQ(form->pnlRight->width(), 318);

    form->btnLink->click();
    EXPECT_EQ(form->pgcMain->currentWidget(), static_cast<QWidget*>(form->pgeItem));
    EXPECT_TRUE(caption().startsWith(QStringLiteral("Item: ")));

    form->btnTab->click();
    EXPECT_EQ(form->pgcMain->currentWidget(), static_cast<QWidget*>(form->pgeTab));
    EXPECT_TRUE(caption().startsWith(QStringLiteral("Tab: ")));
    EXPECT_TRUE(form->rightPanelCollapsed());
    EXPECT_EQ(form->pnlRight->width(), 0);
}

TEST_F(MainForm, TheStartPageFollowsTheTabAndStartModes) {
    // Both, starting on the Item page: the NonTab is chosen.
    sql(QStringLiteral("UPDATE layout SET tabmode = '3', startmode = '2' WHERE id = 2"));
    ASSERT_TRUE(start());
    EXPECT_EQ(form->pgcMain->currentWidget(), static_cast<QWidget*>(form->pgeItem));
    EXPECT_FALSE(form->rightPanelCollapsed());
    EXPECT_EQ(form->state().currentTab, 1);
    EXPECT_EQ(form->pnlRight->lblTabRef->text(), QStringLiteral("NonTab"));
    EXPECT_EQ(form->state().moveMode, 0);

    // NonTab only: the tab controls are switched off.
    relayout(QStringLiteral("tabmode = '2'"));
    EXPECT_EQ(form->pgcMain->currentWidget(), static_cast<QWidget*>(form->pgeItem));
    EXPECT_EQ(form->state().currentTab, 1);
    EXPECT_FALSE(form->btnTab->isEnabled());

    // Tabs only: the Tab page, no tab chosen.
    relayout(QStringLiteral("tabmode = '1', startmode = '2'"));
    EXPECT_EQ(form->pgcMain->currentWidget(), static_cast<QWidget*>(form->pgeTab));
    EXPECT_TRUE(form->rightPanelCollapsed());
    EXPECT_EQ(form->state().currentTab, 0);
    EXPECT_EQ(form->pnlRight->lblTabRef->text(), QStringLiteral("Unknown"));
    EXPECT_TRUE(form->btnTab->isEnabled());
}

TEST_F(MainForm, TheManualRegisterOpensAtStartWithManregmodeTwo) {
    sql(QStringLiteral("UPDATE layout SET manregmode = '2' WHERE id = 2"));
    ASSERT_TRUE(start());
    ItemPage& item = *form->pgeItem;
    EXPECT_EQ(form->state().currentLink, 0);
    EXPECT_TRUE(item.manRegister->isVisibleTo(&item));
    EXPECT_TRUE(item.btnManual->isChecked());
    EXPECT_TRUE(captionIsRed(item.btnManual));
    EXPECT_EQ(item.manRegister->lblManRegPrice->text(), QStringLiteral("0"));
    EXPECT_EQ(item.manRegister->edtItemName->text(), QStringLiteral("Manual"));

    relayout(QStringLiteral("manregmode = '1'"));
    EXPECT_EQ(form->state().currentLink, 1);
    EXPECT_FALSE(item.manRegister->isVisibleTo(&item));
    EXPECT_FALSE(item.btnManual->isChecked());
    EXPECT_FALSE(captionIsRed(item.btnManual));
}

TEST_F(MainForm, TheRefreshTimerFollowsRefreshmode) {
    sql(QStringLiteral("UPDATE pc SET refreshmode = '0' WHERE ref = 'Bar'"));
    ASSERT_TRUE(start());
    EXPECT_FALSE(form->refreshTimer().isActive());
    form->ShowLink(1);
    EXPECT_FALSE(form->refreshTimer().isActive()); // a rebuild does not start it either

    sql(QStringLiteral("UPDATE pc SET refreshmode = '2', refreshrate = 30 WHERE ref = 'Bar'"));
    reload();
    ASSERT_TRUE(form->refreshTimer().isActive());
    EXPECT_EQ(form->refreshTimer().interval(), 30000);
    form->RefreshTimerTick();
    EXPECT_EQ(beeps, 1);

    // Every rebuild of the grid starts the countdown again.
    QTest::qWait(300);
    EXPECT_LT(form->refreshTimer().remainingTime(), 29800);
    form->ShowLink(1);
    EXPECT_GT(form->refreshTimer().remainingTime(), 29800);
    // So does a touch on an item, though adding its line rebuilds nothing.
    form->pgeTab->btnNonTab->click();
    QTest::qWait(300);
    EXPECT_LT(form->refreshTimer().remainingTime(), 29800);
    touchItem(QStringLiteral("Pale Ale"));
    EXPECT_GT(form->refreshTimer().remainingTime(), 29800);

    sql(QStringLiteral("UPDATE pc SET refreshmode = '1' WHERE ref = 'Bar'"));
    reload();
    form->RefreshTimerTick();
    EXPECT_EQ(beeps, 1); // silent

    // A rate of 0 seconds would rebuild the grid without pause: the timer stays off.
    sql(QStringLiteral("UPDATE pc SET refreshrate = 0 WHERE ref = 'Bar'"));
    reload();
    EXPECT_FALSE(form->refreshTimer().isActive());
    form->ShowLink(1);
    EXPECT_FALSE(form->refreshTimer().isActive());
}

// "Admin" opens whatever console is plugged in, under the hourglass until it shows.
TEST_F(MainForm, AdminOpensThePluggedInConsoleOrSaysItCannot) {
    ASSERT_TRUE(start());
    EXPECT_FALSE(form->btnAdmin->isEnabled()); // no console yet
    int made = 0;
    bool shown = false;
    form->setAdminConsole([&](TMainForm& till) -> std::unique_ptr<QDialog> {
        EXPECT_EQ(&till, form.get());
        EXPECT_NE(QApplication::overrideCursor(), nullptr);
        ++made;
        if (made == 2)
            throw std::runtime_error("the console's query failed");
        if (made == 3)
            return nullptr;
        auto console = std::make_unique<QDialog>(&till);
        console->setObjectName(QStringLiteral("AdminForm"));
        return console;
    });
    form->setAdminConsole(form->adminConsole()); // plugged in again: still one console a touch
    ASSERT_TRUE(form->btnAdmin->isEnabled());
    test::whenModalOpens(QStringLiteral("AdminForm"), [&](QWidget* console) {
        shown = true;
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        static_cast<QDialog*>(console)->reject();
    });
    form->btnAdmin->click();
    EXPECT_TRUE(shown);
    EXPECT_EQ(made, 1);
    prompter.expectError(QStringLiteral("Cannot open AdminForm."));
    form->btnAdmin->click();
    prompter.expectError(QStringLiteral("Cannot open AdminForm."));
    form->btnAdmin->click();
    EXPECT_EQ(made, 3);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// A reset of the application starts with no tab chosen: the last account's balance goes too.
TEST_F(MainForm, LoadingTheSettingsShowsTheBalanceOfTheTabItLeavesChosen) {
    ASSERT_TRUE(start());
    touchTab(QStringLiteral("Smith J"));
    EXPECT_EQ(form->pnlRight->lblBalance->text(), QStringLiteral("Bal: 42.50"));
    reload();
    EXPECT_EQ(form->state().currentTab, 0);
    EXPECT_EQ(form->pnlRight->lblBalance->text(), QString());
}

// A shut-down or Ctrl+C closes the till as "Close" does, without the question, also with a
// window open over the sales screen.
TEST_F(MainForm, TerminationClosesTheTillWithoutAsking) {
    ASSERT_TRUE(start());
    const TerminationSignal stop([this] { closeWithoutAsking(*form); });
    touchTab(QStringLiteral("Table 1"));
    touchItem(QStringLiteral("Pale Ale"));
    // The steak's "How is it cooked?" cannot be closed without a choice: it ends all the same.
    bool wasOpen = false;
    test::whenModalOpens(QStringLiteral("OptChoiceForm"), [&](QWidget*) {
        wasOpen = true;
        ::raise(SIGTERM);
    });
    touchItem(QStringLiteral("Steak"));
    EXPECT_TRUE(wasOpen);
    QTRY_VERIFY(!form->isVisible());
    EXPECT_FALSE(form->lines().list(LineLists::kMain).isOpen());
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM tabline1")), QStringLiteral("2")); // both lines kept
}

TEST_F(MainForm, AFailedRefreshIsReportedOnceWhileItsMessageIsShowing) {
    ASSERT_TRUE(start());
    module->db1.disconnect(); // the server has gone away
    prompter.expectError(QStringLiteral("The database is not connected."));
    // The timer goes on while the message waits for OK: those ticks add no second message.
    prompter.whileNextPromptShows([this] { form->RefreshTimerTick(); });
    form->RefreshTimerTick();
    EXPECT_EQ(prompter.shown().size(), 1u);
    EXPECT_TRUE(form->isVisible());
}

TEST_F(MainForm, ARebuiltPageIsFreedAfterTheEventThatRebuiltIt) {
    ASSERT_TRUE(start());
    settle();
    ItemGrid& grid = *form->pgeItem->grid;
    QPointer<QPushButton> pressed = new QPushButton(&grid);
    grid.buttons.push_back(pressed);
    form->statusLine().setText(0, QStringLiteral("somebody else"));

    form->ShowLink(2);
    EXPECT_EQ(form->state().currentLink, 2);
    ASSERT_FALSE(pressed.isNull()); // still there for the click that caused the rebuild
    EXPECT_FALSE(pressed->isVisible());
    EXPECT_EQ(std::count(grid.buttons.begin(), grid.buttons.end(), pressed.data()), 0);
    EXPECT_EQ(form->statusLine().text(0), QStringLiteral("somebody else"));
    settle();
    EXPECT_TRUE(pressed.isNull());
    EXPECT_EQ(grid.setAsideCount(), 0);
    EXPECT_EQ(form->statusLine().text(0), QStringLiteral("PC/Staff: Bar/Default"));
}

TEST_F(MainForm, StockChangedOnAnotherTillShowsAtTheNextRebuild) {
    ASSERT_TRUE(start()); // countmode "1", buttons from the cache
    auto qtyOfItem = [&](const QString& id) {
        for (const auto& row : form->terminal().buttons.rows().rows())
            if (row[ButtonCache::ItemId] == id)
                return row[ButtonCache::Qty];
        return QString();
    };
    EXPECT_EQ(qtyOfItem(QStringLiteral("4")), QStringLiteral("24"));
    QTest::qWait(20);
    sql(QStringLiteral("UPDATE item SET qty = 19 WHERE id = 4"));
    form->ShowLink(1);
    EXPECT_EQ(qtyOfItem(QStringLiteral("4")), QStringLiteral("19"));
}

TEST_F(MainForm, AnUnknownCharacterSetKeepsTheCodeOfThePreviousLoad) {
    sql(QStringLiteral("UPDATE layout SET charset = 'Greek' WHERE id = 2"));
    ASSERT_TRUE(start());
    EXPECT_EQ(form->settings().charsetCode, 161);
    relayout(QStringLiteral("charset = 'Klingon'"));
    EXPECT_EQ(form->settings().charsetCode, 161);
    relayout(QStringLiteral("charset = 'Russian'"));
    EXPECT_EQ(form->settings().charsetCode, 204);
}

TEST_F(MainForm, PicturesLoadFromTheImagesFolderAndAMissingFileStaysEmpty) {
    const QString images = site.folder() + QStringLiteral("/images/");
    ASSERT_TRUE(QDir().mkpath(images));
    QImage picture(24, 24, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    ASSERT_TRUE(picture.save(images + QStringLiteral("beer.png")));
    ASSERT_TRUE(picture.save(images + QStringLiteral("back.png")));
    sql(QStringLiteral("UPDATE pc SET imagepath = ?"), {images});
    sql(QStringLiteral("UPDATE layout SET filename = 'back.png' WHERE id = 2"));
    ASSERT_TRUE(start()); // no message for the three pictures that are not there

    const PictureList& pictures = form->pictures();
    ASSERT_EQ(pictures.count(), 4);
    ASSERT_NE(pictures.find(1), nullptr);
    EXPECT_FALSE(pictures.find(1)->bitmap.isNull());
    EXPECT_EQ(pictures.find(1)->fileName, QStringLiteral("beer.png"));
    ASSERT_NE(pictures.find(2), nullptr);
    EXPECT_TRUE(pictures.find(2)->bitmap.isNull());
    EXPECT_EQ(pictures.find(4)->index, 3);
    EXPECT_EQ(pictures.find(9), nullptr);
    EXPECT_EQ(form->pgeItem->grid->background().size(), QSize(24, 24));

    relayout(QStringLiteral("glyphmode = '0', filename = ''"));
    EXPECT_EQ(form->pictures().count(), 0);
    EXPECT_TRUE(form->pgeItem->grid->background().isNull());
}

} // namespace
