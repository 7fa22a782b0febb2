#include "TillFixture.h"

#include "ModalWatcher.h"
#include "db/RowSet.h"
#include "sales/ExtraPage.h"
#include "sales/ItemGrid.h"
#include "sales/ItemPage.h"
#include "sales/LineLists.h"
#include "sales/LinePanel.h"
#include "sales/TTabFindForm.h"
#include "sales/TTabMoveForm.h"
#include "sales/TTabOpenForm.h"
#include "sales/TabPage.h"
#include "ui/GlyphButton.h"
#include "ui/TKeyBoardForm.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <utility>

using namespace pelora;
using test::TillTest;

namespace {

class TabScreen : public TillTest {
protected:
    void SetUp() override {
        TillTest::SetUp();
        sql(QStringLiteral("UPDATE layout SET logoutmode = '0'"));
    }
    TabPage& tabPage() const { return *form->pgeTab; }
    QStringList listed() const {
        QStringList refs;
        for (int i = 0; i < tabPage().tabList->count(); ++i)
            refs << tabPage().tabList->item(i)->text();
        return refs;
    }
    QString caption() const { return form->grpMain->title(); }
    QString tabLabel() const { return form->pnlRight->lblTabRef->text(); }
    QString linesOf(int tabId) {
        return scalar(QStringLiteral("SELECT COUNT(*) FROM tabline1 WHERE tabid = ?"), {tabId});
    }
    // "Move", then "One" or "All" in the move window.
    void startMove(bool one) {
        test::whenModalOpens(QStringLiteral("TabMoveForm"), [one](QWidget* w) {
            auto* move = static_cast<TTabMoveForm*>(w);
            (one ? move->btnOne : move->btnAll)->click();
        });
        form->pgeExtra->btnMove->click();
    }
    // A line of a tab put there by a till, as another till's waiter would.
    void addLine(int list, int tabId, const QString& pcRef) {
        sql(QStringLiteral("INSERT INTO tabline%1 (id, pcref, tabid, itemid, itemname, qty)"
                           " VALUES (NEXT VALUE FOR tabline%1id_gen, ?, ?, 2, 'Beer', 1)")
                .arg(list),
            {pcRef, tabId});
    }
    // The tabs of the map shown marked as occupied, by their list entries; a button that
    // disagrees with its entry fails the test.
    QStringList marked() const {
        QStringList refs;
        for (int i = 0; i < tabPage().tabList->count(); ++i) {
            const QListWidgetItem* entry = tabPage().tabList->item(i);
            const GlyphButton* button = tabPage().tabButtons.at(static_cast<std::size_t>(i));
            EXPECT_EQ(button->isMarked(), entry->font().bold()) << entry->text().toStdString();
            if (entry->font().bold())
                refs << entry->text();
        }
        return refs;
    }
    // The captions "Active" shows; the window is closed again.
    QStringList active() {
        QStringList captions;
        test::whenModalOpens(QStringLiteral("TabOpenForm"), [&captions](QWidget* w) {
            auto* open = static_cast<TTabOpenForm*>(w);
            for (QPushButton* b : open->tabButtons)
                captions << static_cast<GlyphButton*>(b)->caption();
            open->btnClose->click();
        });
        tabPage().btnActive->click();
        return captions;
    }
};

// The tab map editor as the sales screen sees it: what it is handed.
struct TabMapEditorSpy : TabButtonPicker {
    std::vector<std::pair<int, QPoint>> picked;
    std::vector<std::pair<int, QPoint>> dropped;
    void pickTabButton(int tabId, QPoint position) override { picked.emplace_back(tabId, position); }
    void dropTabButton(int tabId, QPoint topLeft) override { dropped.emplace_back(tabId, topLeft); }
    void clearSelection() override {}
};

TEST_F(TabScreen, TheMapShowsItsTabsAsButtonsAndAList) {
    sql(QStringLiteral("UPDATE tm SET btnwidth = NULL WHERE tabid = 12"));
    sql(QStringLiteral("UPDATE tm SET imageid = 1, imagelrtb = 'X' WHERE tabid = 3"));
    sql(QStringLiteral("UPDATE tm SET imageid = 2, imagelrtb = 'B' WHERE tabid = 4"));
    ASSERT_TRUE(start());
    EXPECT_EQ(form->pgcMain->currentWidget(), static_cast<QWidget*>(form->pgeTab));
    EXPECT_EQ(caption(), QStringLiteral("Tab: Bar Room"));
    EXPECT_EQ(listed(), QStringList({"Jones Catering", "Patel R", "Room 12", "Smith J", "Table 1", "Table 2",
                                     "Table 3", "Table 4"}));
    EXPECT_EQ(tabPage().lblFirstRow->text(), QStringLiteral("0"));
    ASSERT_EQ(tabPage().tabButtons.size(), 8u);
    GlyphButton* table2 = tabButton(QStringLiteral("Table 2"));
    ASSERT_NE(table2, nullptr);
    EXPECT_EQ(table2->geometry(), QRect(290, 95, 90, 40));
    EXPECT_EQ(tabButton(QStringLiteral("Patel R"))->width(), 0); // no width: 0 wide
    EXPECT_EQ(table2->placement(), u'B');
    EXPECT_EQ(tabButton(QStringLiteral("Table 1"))->placement(), u'L'); // "X" is no place: left
    EXPECT_GE(tabPage().mapCanvas->width(), 780);

    // ">>" to the last map, and no further; "<<" back, and no further.
    tabPage().btnMapNext->click();
    EXPECT_EQ(caption(), QStringLiteral("Tab: Dining"));
    EXPECT_EQ(listed(), QStringList({"Room 12", "Table 5", "Table 6"}));
    EXPECT_EQ(tabPage().lblFirstRow->text(), QStringLiteral("8"));
    tabPage().btnMapNext->click();
    EXPECT_EQ(form->state().currentMapId, 2);
    tabPage().btnMapPrior->click();
    tabPage().btnMapPrior->click();
    EXPECT_EQ(form->state().currentMapId, 1);
    EXPECT_EQ(listed().size(), 8);
}

TEST_F(TabScreen, AMapWithoutTabsListsNothingAndAMapWithoutPictureStillHasButtons) {
    sql(QStringLiteral("UPDATE map SET filename = '' WHERE id = 2"));
    sql(QStringLiteral("INSERT INTO map (id, name, filename) VALUES (3, 'Terrace', '')"));
    ASSERT_TRUE(start());
    tabPage().btnMapNext->click();
    EXPECT_EQ(tabPage().tabButtons.size(), 3u);
    EXPECT_EQ(tabPage().mapPicture->size(), QSize(0, 0));
    tabPage().btnMapNext->click();
    EXPECT_EQ(caption(), QStringLiteral("Tab: Terrace"));
    EXPECT_TRUE(listed().isEmpty());
    EXPECT_TRUE(tabPage().tabButtons.empty());
    prompter.expectWarning(QStringLiteral("Tab list is blank."));
    form->ChooseListedTab();
    EXPECT_EQ(form->state().currentTab, 0);
}

TEST_F(TabScreen, ATabIsChosenByButtonOrListAndShowsItsBalance) {
    ASSERT_TRUE(start());
    touchTab(QStringLiteral("Smith J"));
    EXPECT_EQ(form->state().currentTab, 9);
    EXPECT_EQ(tabLabel(), QStringLiteral("Smith J"));
    EXPECT_EQ(form->pgcMain->currentWidget(), static_cast<QWidget*>(form->pgeItem));
    EXPECT_EQ(tabPage().tabList->currentItem()->text(), QStringLiteral("Smith J"));
    LinePanel& right = *form->pnlRight;
    EXPECT_EQ(right.grpTab->height(), 50);
    EXPECT_EQ(right.lblBalance->text(), QStringLiteral("Bal: 42.50"));
    EXPECT_EQ(right.lblLimit->text(), QStringLiteral("Limit: 500.00"));
    EXPECT_EQ(right.lblAvail->text(), QStringLiteral("Avail: 457.50"));
    touchItem(QStringLiteral("Pale Ale"));
    EXPECT_EQ(linesOf(9), QStringLiteral("1"));

    // A double-click on the list: Patel R, whose credit is stopped.
    form->btnTab->click();
    QListWidget& list = *tabPage().tabList;
    list.setCurrentRow(1);
    emit list.itemDoubleClicked(list.item(1));
    settle();
    EXPECT_EQ(form->state().currentTab, 12);
    EXPECT_EQ(form->pgcMain->currentWidget(), static_cast<QWidget*>(form->pgeItem));
    EXPECT_EQ(right.lblAvail->text(), QStringLiteral("Cr Stopped"));

    // The NonTab has no account.
    tabPage().btnNonTab->click();
    EXPECT_EQ(tabLabel(), QStringLiteral("NonTab"));
    EXPECT_EQ(right.grpTab->height(), 34);
    EXPECT_TRUE(right.lblBalance->text().isEmpty());
}

TEST_F(TabScreen, LinesMoveToAnotherTabOrToTheNonTab) {
    ASSERT_TRUE(start());
    prompter.expectInformation(QStringLiteral("Add an item to the tab."));
    form->pgeExtra->btnMove->click();

    touchTab(QStringLiteral("Table 1"));
    touchItem(QStringLiteral("Pale Ale"));
    touchItem(QStringLiteral("Lager"));
    startMove(false);
    EXPECT_EQ(form->state().moveMode, 1);
    EXPECT_EQ(form->pgcMain->currentWidget(), static_cast<QWidget*>(form->pgeTab));
    EXPECT_TRUE(tabPage().cancelMoveShown());
    touchTab(QStringLiteral("Table 2"));
    EXPECT_EQ(linesOf(4), QStringLiteral("2"));
    EXPECT_EQ(linesOf(3), QStringLiteral("0"));
    EXPECT_EQ(form->state().moveMode, 0);
    EXPECT_FALSE(tabPage().cancelMoveShown());
    EXPECT_EQ(form->state().currentTab, 3); // the tab stays; its lists are empty now
    EXPECT_FALSE(form->lines().hasLines(LineLists::kMain));

    // One line of Table 2 to this terminal's NonTab.
    touchTab(QStringLiteral("Table 2"));
    startMove(true);
    EXPECT_EQ(form->state().moveMode, 2);
    tabPage().btnNonTab->click();
    EXPECT_EQ(linesOf(4), QStringLiteral("1"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT pcref FROM tabline1 WHERE tabid = 1")), QStringLiteral("Bar"));
    EXPECT_EQ(form->state().currentTab, 4);
    EXPECT_EQ(form->pgcMain->currentWidget(), static_cast<QWidget*>(form->pgeItem));

    // "Active" while a move is pending only selects; "Cancel Move" abandons the move.
    startMove(false);
    test::whenModalOpens(QStringLiteral("TabOpenForm"), [](QWidget* w) {
        auto* open = static_cast<TTabOpenForm*>(w);
        QStringList captions;
        for (QPushButton* b : open->tabButtons)
            captions << static_cast<GlyphButton*>(b)->caption();
        EXPECT_EQ(captions, QStringList({"Non Tab", "Table 2"}));
        open->tabButtons.at(0)->click();
    });
    tabPage().btnActive->click();
    EXPECT_EQ(form->state().currentTab, 1);
    EXPECT_EQ(tabLabel(), QStringLiteral("Non Tab"));
    EXPECT_EQ(form->state().moveMode, 1);
    tabPage().btnCancelMove->click();
    EXPECT_EQ(form->state().moveMode, 0);
    EXPECT_FALSE(tabPage().cancelMoveShown());
    EXPECT_EQ(form->pgcMain->currentWidget(), static_cast<QWidget*>(form->pgeItem));
}

TEST_F(TabScreen, AFailedMoveStaysPendingAndAFailedBalanceStillShowsTheTabsLines) {
    ASSERT_TRUE(start());
    touchTab(QStringLiteral("Table 1"));
    touchItem(QStringLiteral("Pale Ale"));
    startMove(false);
    const auto failOn = [this](const char* procedure) {
        module->db1.setStatementHook([procedure](const QString& sql) {
            if (sql.contains(QLatin1String(procedure)))
                throw std::runtime_error("the connection dropped");
        });
    };
    failOn("tab_move_all_tab_1");
    prompter.expectError(QStringLiteral("the connection dropped"));
    touchTab(QStringLiteral("Table 2"));
    EXPECT_EQ(form->state().moveMode, 1); // another target, or "Cancel Move", can follow
    EXPECT_TRUE(tabPage().cancelMoveShown());
    EXPECT_EQ(linesOf(3), QStringLiteral("1"));
    tabPage().btnCancelMove->click();

    failOn("tab_balcr_lookup");
    prompter.expectError(QStringLiteral("the connection dropped"));
    touchTab(QStringLiteral("Table 2"));
    module->db1.setStatementHook({});
    EXPECT_EQ(form->state().currentTab, 4);
    EXPECT_EQ(tabLabel(), QStringLiteral("Table 2"));
    EXPECT_FALSE(form->lines().hasLines(LineLists::kMain)); // Table 1's line is not shown as Table 2's
}

TEST_F(TabScreen, TheFindWindowSearchesThroughTheKeyboard) {
    ASSERT_TRUE(start());
    test::whenModalOpens(QStringLiteral("KeyBoardForm"), [](QWidget* w) {
        auto* keyboard = static_cast<TKeyBoardForm*>(w);
        for (const char* key : {"S", "M", "I"})
            keyboard->key(QString::fromLatin1(key))->click();
        keyboard->btnEnter->click();
        test::whenModalOpens(QStringLiteral("TabFindForm"), [](QWidget* f) {
            auto* find = static_cast<TTabFindForm*>(f);
            EXPECT_EQ(find->edtSearch->text(), QStringLiteral("Smi"));
            ASSERT_EQ(find->grdTabs->rowCount(), 1);
            EXPECT_TRUE(find->categoryButtons().empty());

            find->btnShowAll->click();
            EXPECT_EQ(find->grdTabs->rowCount(), 10);
            ASSERT_EQ(find->categoryButtons().size(), 3u);
            find->categoryButtons().at(0)->click(); // Accounts
            ASSERT_EQ(find->grdTabs->rowCount(), 3);
            EXPECT_EQ(find->grdTabs->item(0, 0)->text(), QStringLiteral("Jones Catering"));
            find->btnSelect->click();
        });
    });
    tabPage().btnTabFind->click();
    EXPECT_EQ(form->state().currentTab, 10);
    EXPECT_EQ(tabLabel(), QStringLiteral("Jones Catering"));
    EXPECT_EQ(form->pgcMain->currentWidget(), static_cast<QWidget*>(form->pgeItem));
}

TEST_F(TabScreen, ReBalanceRecountsTheReceiptsOfTheTab) {
    ASSERT_TRUE(start());
    tabPage().btnNonTab->click();
    prompter.expectInformation(QStringLiteral("First select a Tab."));
    form->pgeExtra->btnReBalance->click();

    sql(QStringLiteral("INSERT INTO receipt (id, tabid, cr, total) VALUES (100, 9, 30, 30)"));
    sql(QStringLiteral("INSERT INTO receipt (id, tabid, cr, total) VALUES (101, 9, 12.5, 12.5)"));
    touchTab(QStringLiteral("Smith J"));
    const QString question = QStringLiteral("Recalculate balance for Tab:Smith J from receipts?") + kLineBreak +
                             kLineBreak + QStringLiteral("Yes: All receipts will be recalculated.") + kLineBreak +
                             QStringLiteral("No: An incremental calculation will be used.");
    prompter.expectConfirmWithCancel(question, Prompter::Answer::Cancel);
    form->pgeExtra->btnReBalance->click();
    prompter.expectConfirmWithCancel(question, Prompter::Answer::No)
        .expectInformation(QStringLiteral("Expected Receipt Balance : 42.50"));
    form->pgeExtra->btnReBalance->click();
    sql(QStringLiteral("UPDATE receipt SET cr = 10 WHERE id = 100"));
    prompter.expectConfirmWithCancel(question, Prompter::Answer::Yes)
        .expectInformation(QStringLiteral("Expected Receipt Balance : 22.50"));
    form->pgeExtra->btnReBalance->click();
    EXPECT_EQ(form->pnlRight->lblBalance->text(), QStringLiteral("Bal: 42.50")); // the running balance stays
}

TEST_F(TabScreen, OccupiedTablesAreMarkedAsActiveListsThem) {
    addLine(1, 4, QStringLiteral("Deck")); // Table 2, from another till
    addLine(2, 9, QStringLiteral("Deck")); // Smith J, in the split list only
    addLine(1, 7, QStringLiteral("Bar"));  // Table 5, on the other map
    addLine(1, 2, QStringLiteral("Bar"));  // a count is no table
    ASSERT_TRUE(start());
    EXPECT_EQ(marked(), QStringList({"Smith J", "Table 2"}));

    // Another till opens Table 3: "1 - Tab" shows it.
    addLine(1, 5, QStringLiteral("Deck"));
    tabPage().btnNonTab->click();
    EXPECT_EQ(marked(), QStringList({"Smith J", "Table 2"}));
    form->btnTab->click();
    EXPECT_EQ(marked(), QStringList({"Smith J", "Table 2", "Table 3"}));

    // A waiter who stays on the floor plan sees the tables other tills open and pay at the
    // next refresh.
    addLine(1, 3, QStringLiteral("Deck")); // Table 1
    sql(QStringLiteral("DELETE FROM tabline1 WHERE tabid = 4"));
    form->RefreshTimerTick();
    EXPECT_EQ(marked(), QStringList({"Smith J", "Table 1", "Table 3"}));

    tabPage().btnMapNext->click();
    EXPECT_EQ(marked(), QStringList({"Table 5"}));
    EXPECT_EQ(active(), QStringList({"Smith J", "Table 1", "Table 3", "Table 5"}));
}

TEST_F(TabScreen, TheMarkMovesWithTheLinesAndGoesWithThePayment) {
    ASSERT_TRUE(start());
    printIntoMemory();
    touchTab(QStringLiteral("Table 1"));
    touchItem(QStringLiteral("Pale Ale"));
    touchItem(QStringLiteral("Lager"));
    form->btnTab->click();
    EXPECT_EQ(marked(), QStringList({"Table 1"}));

    startMove(false);
    touchTab(QStringLiteral("Table 4"));
    EXPECT_EQ(marked(), QStringList({"Table 4"}));

    // One line back: both are occupied.
    touchTab(QStringLiteral("Table 4"));
    startMove(true);
    touchTab(QStringLiteral("Table 1"));
    EXPECT_EQ(marked(), QStringList({"Table 1", "Table 4"}));

    // Paid on a till that starts on the Item page: the Tab page is not shown again, yet the
    // mark goes with the last line.
    relayout(QStringLiteral("startmode = '2'"));
    touchTab(QStringLiteral("Table 4"));
    payInCash(form->pnlRight->btnTendered, QStringLiteral("20"));
    EXPECT_EQ(linesOf(6), QStringLiteral("0"));
    EXPECT_EQ(form->pgcMain->currentWidget(), static_cast<QWidget*>(form->pgeItem));
    EXPECT_EQ(marked(), QStringList({"Table 1"}));
    EXPECT_EQ(active(), marked());
}

TEST_F(TabScreen, WithTheTabMapEditorOpenATabButtonIsDraggedIntoPlace) {
    ASSERT_TRUE(start());
    form->show();
    TabMapEditorSpy editor;
    form->setTabMapEditor(&editor);

    // A touch, even one that trembles a little, hands the button to the editor and chooses
    // nothing.
    drag(tabButton(QStringLiteral("Table 2")), {QPoint(3, 4)}); // at 290,95
    ASSERT_EQ(editor.picked.size(), 1u);
    EXPECT_EQ(editor.picked[0], std::make_pair(4, QPoint(290, 95)));
    EXPECT_EQ(tabPage().tabList->currentItem()->text(), QStringLiteral("Table 2"));
    EXPECT_EQ(form->state().currentTab, 0);
    EXPECT_TRUE(editor.dropped.empty());

    drag(tabButton(QStringLiteral("Table 2")), {QPoint(15, 10), QPoint(40, -5)});
    ASSERT_EQ(editor.dropped.size(), 1u);
    EXPECT_EQ(editor.dropped[0], std::make_pair(4, QPoint(330, 90)));
    EXPECT_EQ(editor.picked.size(), 1u); // a drag is no touch
    // The editor wrote nothing: the button stands where it is stored.
    EXPECT_EQ(tabButton(QStringLiteral("Table 2"))->pos(), QPoint(290, 95));

    // Never left of or above the map's top left.
    drag(tabButton(QStringLiteral("Table 1")), {QPoint(-150, -300)}); // at 90,95
    ASSERT_EQ(editor.dropped.size(), 2u);
    EXPECT_EQ(editor.dropped[1], std::make_pair(3, QPoint(0, 0)));

    // With the editor closed a drag is a touch that chooses the tab.
    form->setTabMapEditor(nullptr);
    drag(tabButton(QStringLiteral("Table 2")), {QPoint(30, 0)});
    EXPECT_EQ(editor.dropped.size(), 2u);
    EXPECT_EQ(editor.picked.size(), 1u);
    EXPECT_EQ(form->state().currentTab, 4);
    EXPECT_EQ(tabButton(QStringLiteral("Table 2"))->pos(), QPoint(290, 95));
}

} // namespace
