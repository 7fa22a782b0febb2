#include "TillFixture.h"

#include "ModalWatcher.h"
#include "db/RowSet.h"
#include "sales/ExtraPage.h"
#include "sales/ItemGrid.h"
#include "sales/ItemPage.h"
#include "sales/LineLists.h"
#include "sales/LinePanel.h"
#include "sales/ManRegisterPanel.h"
#include "sales/TLineForm.h"
#include "sales/TQtyForm.h"
#include "sales/TDeleteLineForm.h"
#include "sales/TabPage.h"
#include "ui/GlyphButton.h"
#include "ui/TouchWidgets.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QApplication>
#include <QCheckBox>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

using namespace pelora;
using test::TillTest;

namespace {

class SalesScreen : public TillTest {
protected:
    void SetUp() override {
        TillTest::SetUp();
        sql(QStringLiteral("UPDATE layout SET logoutmode = '0'"));
    }
    GlyphButton* gridButton(const QString& caption) const {
        for (QPushButton* b : form->pgeItem->grid->buttons)
            if (auto* g = qobject_cast<GlyphButton*>(b); g && g->caption() == caption)
                return g;
        ADD_FAILURE() << "no button " << caption.toStdString();
        return nullptr;
    }
    QLabel* gridLabel(const QString& caption) const {
        const auto& buttons = form->pgeItem->grid->buttons;
        for (std::size_t i = 0; i < buttons.size(); ++i)
            if (static_cast<GlyphButton*>(buttons[i])->caption() == caption)
                return form->pgeItem->grid->labels.at(i);
        return nullptr;
    }
    void touch(const QString& caption) {
        if (GlyphButton* b = gridButton(caption))
            b->click();
        settle();
    }
    void chooseNonTab() { form->pgeTab->btnNonTab->click(); }
    // A line list as the waiter sees it: one "qty name price" text per row.
    QStringList shown(QTableView* view) const {
        QStringList rows;
        const QAbstractItemModel* m = view->model();
        for (int r = 0; r < m->rowCount(); ++r)
            rows << QStringLiteral("%1 %2 %3").arg(m->index(r, 0).data().toString(), m->index(r, 1).data().toString(),
                                                    m->index(r, 2).data().toString());
        return rows;
    }
    db::RowSet& list1() { return form->lines().list(LineLists::kMain); }
    QString total1() const { return form->pnlRight->lblTotal1->text(); }
    // Runs `act` on the quantity keypad that `open` brings up.
    void onKeypad(const std::function<void(TQtyForm*)>& act, const std::function<void()>& open) {
        bool opened = false;
        test::whenModalOpens([&](QWidget* w) {
            opened = true;
            auto* keypad = qobject_cast<TQtyForm*>(w);
            ASSERT_NE(keypad, nullptr);
            act(keypad);
            if (keypad->isVisible())
                keypad->reject();
        });
        open();
        EXPECT_TRUE(opened);
    }
};

// A finger on the picture, the price strip or the frame of a button touches the button: the
// caption strip alone is a small target at a busy bar. Where the window finds the widget under
// the finger, that is the button's box (the price strip lets touches through to it).
TEST_F(SalesScreen, TheWholeFaceOfAButtonAnswersATouch) {
    const auto touchAt = [this](QPoint onGrid) {
        ItemGrid* grid = form->pgeItem->grid;
        QWidget* under = grid->childAt(onGrid);
        ASSERT_NE(under, nullptr);
        QTest::mouseClick(under, Qt::LeftButton, {}, under->mapFrom(grid, onGrid));
        settle();
    };
    const auto lines = [this] { return scalar(QStringLiteral("SELECT COUNT(*) FROM tabline1")); };
    for (const char* requery : {"F", "T"}) { // from the button cache, and read from the database
        sql(QStringLiteral("UPDATE master SET linkrequery = ?"), {QString::fromLatin1(requery)});
        sql(QStringLiteral("DELETE FROM tabline1"));
        ASSERT_TRUE(start());
        chooseNonTab();
        QLabel* price = gridLabel(QStringLiteral("Pale Ale"));
        ASSERT_NE(price, nullptr);
        touchAt(price->geometry().center()); // the price strip
        EXPECT_EQ(lines(), QStringLiteral("1")) << requery;
        const QRect box(290, 10, 130, 90);     // Pale Ale's box on the Home page
        touchAt(box.topLeft() + QPoint(1, 1)); // its frame
        touchAt(QPoint(box.center().x(), box.top() + 40)); // the middle, where the picture is
        EXPECT_EQ(lines(), QStringLiteral("3")) << requery;
        touchAt(QPoint(60, 90)); // the price strip of "Drinks", a link button
        EXPECT_EQ(form->state().currentLink, 2) << requery;
        EXPECT_EQ(lines(), QStringLiteral("3")) << requery;
        module.reset();
        form.reset();
        cwd.reset();
        settle();
    }
}

TEST_F(SalesScreen, TouchingItemsAddsPricedLinesUnderARoundedTotal) {
    sql(QStringLiteral("UPDATE item SET price1 = 4.81 WHERE id = 17")); // Flat White
    ASSERT_TRUE(start());
    form->btnLink->click();
    prompter.expectInformation(QStringLiteral("First select a Tab."));
    touch(QStringLiteral("Pale Ale"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM tabline1")), QStringLiteral("0"));

    chooseNonTab();
    EXPECT_EQ(form->pnlRight->lblTabRef->text(), QStringLiteral("NonTab"));
    touch(QStringLiteral("Pale Ale"));
    touch(QStringLiteral("Burger"));
    touch(QStringLiteral("Lager"));
    EXPECT_EQ(shown(form->pnlRight->tabline1),
              (QStringList{"1 Pale Ale 9.50", "1 Burger 24.00", "1 Lager 8.50"}));
    EXPECT_EQ(list1().value(u"itemname").asText(), QStringLiteral("Lager")); // the new line is current
    EXPECT_EQ(total1(), QStringLiteral("42.00"));
    touch(QStringLiteral("Flat White"));
    EXPECT_EQ(total1(), QStringLiteral("46.85")); // 46.81 up to the next 0.05 (roundmode "1")

    // The split list's total is never rounded.
    form->pnlRight->btnSplit->click();
    EXPECT_EQ(shown(form->pnlRight->tabline2), QStringList{"1 Flat White 4.81"});
    EXPECT_EQ(form->pnlRight->lblTotal2->text(), QStringLiteral("4.81"));
    EXPECT_EQ(total1(), QStringLiteral("42.00"));
    form->pnlRight->btnUnSplit->click();
    EXPECT_EQ(total1(), QStringLiteral("46.85"));
    EXPECT_TRUE(shown(form->pnlRight->tabline2).isEmpty());

    // Touching a row makes it the current line.
    form->pnlRight->tabline1->selectRow(1);
    EXPECT_EQ(list1().value(u"itemname").asText(), QStringLiteral("Burger"));
}

TEST_F(SalesScreen, TheTabsDiscountShowsInTheTotalAtOnce) {
    ASSERT_TRUE(start());
    form->state().currentTab = 10; // Jones Catering: "Regular", 5 %
    form->ReadLineLists();
    form->btnLink->click();
    touch(QStringLiteral("Pale Ale"));
    EXPECT_EQ(shown(form->pnlRight->tabline1), QStringList{"1 Pale Ale 9.025"});
    EXPECT_EQ(total1(), QStringLiteral("9.05"));
}

TEST_F(SalesScreen, ALineAnotherTillAddsMeanwhileIsLeftAlone) {
    ASSERT_TRUE(start());
    form->state().currentTab = 10; // Jones Catering, 5 % off
    form->ReadLineLists();
    form->btnLink->click();
    form->pgeItem->btnPreProcess->click();
    // Just before this till's line goes in, another till adds one to the same tab.
    module->db1.setStatementHook([this](const QString& sql) {
        if (sql.startsWith(QStringLiteral("INSERT INTO tabline1")))
            TillTest::sql(QStringLiteral("INSERT INTO tabline1 (id, pcref, tabid, itemid, itemname, qty, price,"
                                         " extprice, discrate) VALUES (9000, 'Deck', 10, 9, 'Cola', 1, 4.5, 4.5, 0)"));
    });
    touch(QStringLiteral("Lager"));
    module->db1.setStatementHook({});
    EXPECT_EQ(scalar(QStringLiteral("SELECT extprice FROM tabline1 WHERE itemname = 'Lager'")), QStringLiteral("8.075"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT processed FROM tabline1 WHERE itemname = 'Lager'")), QStringLiteral("T"));
    // The other till's line is neither discounted nor taken as sent.
    EXPECT_EQ(scalar(QStringLiteral("SELECT extprice FROM tabline1 WHERE id = 9000")), QStringLiteral("4.5"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT processed FROM tabline1 WHERE id = 9000")), QStringLiteral("F"));
    EXPECT_EQ(total1(), QStringLiteral("12.60")); // 8.075 + 4.50 = 12.575, up to 12.60
}

TEST_F(SalesScreen, TheGridShowsPricesStockAndStoppedItems) {
    ASSERT_TRUE(start());
    chooseNonTab();
    EXPECT_EQ(form->grpMain->title(), QStringLiteral("Item: Home"));
    ASSERT_EQ(form->pgeItem->grid->buttons.size(), 9u);
    EXPECT_EQ(form->pgeItem->grid->boxes.size(), 9u);
    EXPECT_EQ(gridLabel(QStringLiteral("Pale Ale"))->text(), QStringLiteral("9.50 (48)"));
    EXPECT_EQ(gridLabel(QStringLiteral("Drinks >"))->text(), QString());
    EXPECT_EQ(gridButton(QStringLiteral("Pale Ale"))->geometry(), QRect(294, 14, 122, 65));

    touch(QStringLiteral("Food >"));
    EXPECT_EQ(form->state().currentLink, 3);
    EXPECT_EQ(form->grpMain->title(), QStringLiteral("Item: Food"));
    EXPECT_FALSE(gridButton(QStringLiteral("Oysters"))->isEnabled());
    EXPECT_TRUE(gridButton(QStringLiteral("Oysters"))->isVisible());
    EXPECT_EQ(gridLabel(QStringLiteral("Sticky Date"))->text(), QStringLiteral("13.00^ (15)"));

    // Without the cache the page is read from the database, one line high.
    sql(QStringLiteral("UPDATE master SET linkrequery = 'T'"));
    relayout(QStringLiteral("countmode = '0'"));
    form->btnLink->click();
    form->ShowLink(1);
    EXPECT_EQ(form->grpMain->title(), QStringLiteral("Items: Home"));
    EXPECT_EQ(gridButton(QStringLiteral("Pale Ale"))->height(), 17);
    EXPECT_EQ(gridLabel(QStringLiteral("Pale Ale"))->text(), QStringLiteral("9.50"));
    chooseNonTab();
    touch(QStringLiteral("Pale Ale"));
    EXPECT_EQ(shown(form->pnlRight->tabline1), QStringList{"1 Pale Ale 9.50"});
    touch(QStringLiteral("Drinks >"));
    EXPECT_EQ(form->state().currentLink, 2);
}

TEST_F(SalesScreen, PreProcessingMarksTheNewLineAndMovesStock) {
    ASSERT_TRUE(start());
    chooseNonTab();
    QPushButton* pp = form->pgeItem->btnPreProcess;
    EXPECT_FALSE(pp->isVisibleTo(form.get())); // hidden on the screen; the till still runs it
    pp->click();
    EXPECT_TRUE(pp->isChecked());
    EXPECT_TRUE(captionIsRed(pp));
    touch(QStringLiteral("Drinks >")); // a page changes, nothing is processed
    EXPECT_TRUE(pp->isChecked());
    touch(QStringLiteral("Cola"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT processed FROM tabline1")), QStringLiteral("T"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT qty FROM item WHERE id = 9")), QStringLiteral("59"));
    EXPECT_FALSE(pp->isChecked());
    EXPECT_FALSE(captionIsRed(pp));
    EXPECT_EQ(gridLabel(QStringLiteral("Cola"))->text(), QStringLiteral("4.50 (59)"));
    EXPECT_EQ(list1().value(u"processed").asText(), QStringLiteral("T"));
    touch(QStringLiteral("Cola"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM tabline1 WHERE processed = 'F'")), QStringLiteral("1"));

    // A layout that processes every line as it is added; a failure leaves the line unsent.
    relayout(QStringLiteral("processmode = '3'"));
    chooseNonTab();
    touch(QStringLiteral("Lager"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT processed FROM tabline1 WHERE itemid = 3")), QStringLiteral("T"));
    module->db1.setStatementHook([](const QString& sql) {
        if (sql.contains(QStringLiteral("itemqty_update")))
            throw std::runtime_error("the connection dropped");
    });
    prompter.expectError(QStringLiteral("There was a preprocessing problem."));
    touch(QStringLiteral("Pale Ale"));
    module->db1.setStatementHook({});
    EXPECT_EQ(scalar(QStringLiteral("SELECT processed FROM tabline1 WHERE itemid = 2")), QStringLiteral("F"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT qty FROM item WHERE id = 2")), QStringLiteral("48"));
}

class Picker : public GridButtonPicker {
public:
    void pickButton(int liId, int cacheRow, std::optional<std::uint32_t> colour) override {
        picked.push_back({liId, cacheRow, static_cast<int>(colour.value_or(0))});
    }
    void dropButton(int, int, QPoint) override {}
    std::vector<std::array<int, 3>> picked;
};

TEST_F(SalesScreen, WhileTheButtonEditorIsOpenATouchPicksTheButton) {
    ASSERT_TRUE(start());
    chooseNonTab();
    Picker editor;
    form->setButtonEditor(&editor);
    touch(QStringLiteral("Pale Ale"));
    touch(QStringLiteral("Drinks >"));
    form->setButtonEditor(nullptr);
    ASSERT_EQ(editor.picked.size(), 2u);
    EXPECT_EQ(editor.picked[0], (std::array<int, 3>{3, 2, 2667765}));
    EXPECT_EQ(editor.picked[1][0], 1);
    EXPECT_EQ(form->state().currentLink, 1);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM tabline1")), QStringLiteral("0"));
}

TEST_F(SalesScreen, QuantityButtonsStepAndTheKeypadSets) {
    sql(QStringLiteral("UPDATE layout SET qtymode = '1' WHERE id = 2"));
    ASSERT_TRUE(start());
    chooseNonTab();
    touch(QStringLiteral("Lager"));
    LinePanel& right = *form->pnlRight;
    right.btnQtyInc->click();
    EXPECT_EQ(shown(right.tabline1), QStringList{"2 Lager 17.00"});
    EXPECT_EQ(total1(), QStringLiteral("17.00"));
    right.btnQtyDec->click();
    right.btnQtyDec->click(); // never below 1
    EXPECT_EQ(shown(right.tabline1), QStringList{"1 Lager 8.50"});
    EXPECT_EQ(scalar(QStringLiteral("SELECT extprice FROM tabline1")), QStringLiteral("8.5"));

    sql(QStringLiteral("UPDATE tabline1 SET processed = 'T'"));
    form->ReadLineLists();
    prompter.expectInformation(QStringLiteral("Line has been processed.Qty cannot change."));
    right.btnQtyInc->click();

    // The keypad: a quantity above 0, else a warning and the keypad stays.
    sql(QStringLiteral("DELETE FROM tabline1"));
    relayout(QStringLiteral("qtymode = '2'"));
    chooseNonTab();
    touch(QStringLiteral("Pale Ale"));
    prompter.expectWarning(QStringLiteral("Qty must be greater than zero."));
    prompter.expectWarning(QStringLiteral("Qty not valid."));
    onKeypad(
        [&](TQtyForm* keypad) {
            EXPECT_EQ(keypad->windowTitle(), QStringLiteral("QtyForm"));
            EXPECT_EQ(keypad->edtQty->text(), QStringLiteral("1"));
            keypad->findChild<QPushButton*>(QStringLiteral("btnKeyC"))->click();
            keypad->btnOK->click();
            EXPECT_TRUE(keypad->isVisible());
            keypad->edtQty->setText(QStringLiteral("x"));
            keypad->btnOK->click();
            EXPECT_TRUE(keypad->isVisible());
            keypad->findChild<QPushButton*>(QStringLiteral("btnKeyC"))->click();
            keypad->findChild<QPushButton*>(QStringLiteral("btnKey4"))->click();
            keypad->btnInc->click();
            EXPECT_EQ(keypad->edtQty->text(), QStringLiteral("5"));
            keypad->btnOK->click();
            EXPECT_FALSE(keypad->isVisible());
        },
        [&] { right.btnQtyInc->click(); });
    EXPECT_EQ(shown(right.tabline1), QStringList{"5 Pale Ale 47.50"});
    EXPECT_EQ(total1(), QStringLiteral("47.50"));
    onKeypad([](TQtyForm* keypad) { keypad->btnClose->click(); }, [&] { right.btnQtyDec->click(); });
    EXPECT_EQ(shown(right.tabline1), QStringList{"5 Pale Ale 47.50"});
    // Typed on a keyboard: Enter takes the quantity, it does not press a key of the keypad.
    onKeypad(
        [](TQtyForm* keypad) {
            keypad->edtQty->setText(QStringLiteral("3"));
            QTest::keyClick(keypad->edtQty, Qt::Key_Return);
            EXPECT_FALSE(keypad->isVisible());
        },
        [&] { right.btnQtyInc->click(); });
    EXPECT_EQ(shown(right.tabline1), QStringList{"3 Pale Ale 28.50"});

    // A quantity the line cannot hold is refused, and nothing changes: 16 digits, or more than
    // 99,999.
    prompter.expectWarning(QStringLiteral("Qty not valid."));
    prompter.expectWarning(QStringLiteral("Qty not valid."));
    onKeypad(
        [&](TQtyForm* keypad) {
            for (const char* typed : {"1234567890123456", "100000"}) {
                keypad->edtQty->setText(QString::fromLatin1(typed));
                keypad->btnOK->click();
                EXPECT_TRUE(keypad->isVisible());
                EXPECT_EQ(scalar(QStringLiteral("SELECT qty FROM tabline1")), QStringLiteral("3"));
            }
            keypad->edtQty->setText(QStringLiteral("99999"));
            keypad->btnOK->click();
            EXPECT_FALSE(keypad->isVisible());
        },
        [&] { right.btnQtyInc->click(); });
    EXPECT_EQ(shown(right.tabline1), QStringList{"99999 Pale Ale 949990.50"});
    EXPECT_EQ(total1(), QStringLiteral("949990.50"));

    // qtymode "3": every line added opens the keypad at once.
    relayout(QStringLiteral("qtymode = '3'"));
    chooseNonTab();
    onKeypad(
        [](TQtyForm* keypad) {
            EXPECT_EQ(QApplication::overrideCursor(), nullptr); // no hourglass over the keypad
            keypad->findChild<QPushButton*>(QStringLiteral("btnKey2"))->click();
            keypad->btnOK->click();
        },
        [&] { touch(QStringLiteral("Flat White")); });
    EXPECT_EQ(QApplication::overrideCursor(), nullptr); // and none left behind
    EXPECT_EQ(shown(right.tabline1).last(), QStringLiteral("2 Flat White 9.60"));
}

TEST_F(SalesScreen, ACountIsSetOnTheKeypadAndAnItemIsCountedOnce) {
    sql(QStringLiteral("UPDATE layout SET processmode = '3' WHERE id = 2"));
    ASSERT_TRUE(start());
    form->btnLink->click();
    form->state().currentTab = 2;
    form->ReadLineLists();
    EXPECT_FALSE(form->pnlRight->pnlList2->isVisibleTo(form->pnlRight));
    prompter.expectInformation(QStringLiteral("Add a line to the Stocktake."));
    form->pnlRight->btnQtyInc->click();
    onKeypad(
        [](TQtyForm* keypad) {
            EXPECT_EQ(keypad->edtQty->text(), QStringLiteral("0"));
            keypad->btnOK->click(); // a count of 0 is a count
            EXPECT_FALSE(keypad->isVisible());
        },
        [&] { touch(QStringLiteral("Pale Ale")); });
    EXPECT_EQ(scalar(QStringLiteral("SELECT itemqty FROM tabline1 WHERE tabid = 2")), QStringLiteral("48"));
    // Even where every line is sent as it is added, a count line is not: the stock stays.
    EXPECT_EQ(scalar(QStringLiteral("SELECT processed FROM tabline1 WHERE tabid = 2")), QStringLiteral("F"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT qty FROM item WHERE id = 2")), QStringLiteral("48"));
    prompter.expectInformation(QStringLiteral("Item: Pale Ale has already been counted."));
    touch(QStringLiteral("Pale Ale"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM tabline1")), QStringLiteral("1"));
}

TEST_F(SalesScreen, DeleteOneOrAllOfTheLines) {
    ASSERT_TRUE(start());
    chooseNonTab();
    form->btnExtra->click();
    prompter.expectInformation(QStringLiteral("Add an item to the tab."));
    form->pgeExtra->btnDelete->click();

    form->btnLink->click();
    for (const char* item : {"Pale Ale", "Lager", "Flat White"})
        touch(QString::fromLatin1(item));
    form->pnlRight->tabline1->selectRow(1);
    test::whenModalOpens([](QWidget* w) { qobject_cast<TDeleteLineForm*>(w)->btnOne->click(); });
    form->pgeExtra->btnDelete->click();
    EXPECT_EQ(shown(form->pnlRight->tabline1), (QStringList{"1 Pale Ale 9.50", "1 Flat White 4.80"}));
    EXPECT_EQ(total1(), QStringLiteral("14.30"));

    sql(QStringLiteral("UPDATE tabline1 SET processed = 'T' WHERE itemid = 2"));
    test::whenModalOpens([](QWidget* w) { qobject_cast<TDeleteLineForm*>(w)->btnAll->click(); });
    form->pgeExtra->btnDelete->click();
    EXPECT_EQ(shown(form->pnlRight->tabline1), QStringList{"1 Pale Ale 9.50"}); // sent: kept
    EXPECT_EQ(total1(), QStringLiteral("9.50"));

    // From the console the sent line goes too, and its stock comes back.
    test::whenModalOpens([](QWidget* w) { qobject_cast<TDeleteLineForm*>(w)->btnOne->click(); });
    form->OpenDeleteLineForm(QStringLiteral("Admin"));
    EXPECT_TRUE(shown(form->pnlRight->tabline1).isEmpty());
    EXPECT_EQ(scalar(QStringLiteral("SELECT qty FROM item WHERE id = 2")), QStringLiteral("49"));
    EXPECT_EQ(gridLabel(QStringLiteral("Pale Ale"))->text(), QStringLiteral("9.50 (49)"));
}

TEST_F(SalesScreen, TheLineViewerStepsThroughAList) {
    ASSERT_TRUE(start());
    chooseNonTab();
    prompter.expectInformation(QStringLiteral("There are no lines to display."));
    form->pnlRight->btnViewLine1->click();
    prompter.expectInformation(QStringLiteral("There are no split lines to display."));
    form->pnlRight->btnViewLine2->click();

    touch(QStringLiteral("Pale Ale"));
    touch(QStringLiteral("Gin & Tonic"));
    QStringList seen;
    test::whenModalOpens([&](QWidget* w) {
        auto* viewer = qobject_cast<TLineForm*>(w);
        ASSERT_NE(viewer, nullptr);
        seen << viewer->field(QStringLiteral("itemname"))->text() << viewer->field(QStringLiteral("price"))->text()
             << viewer->options->item(0, 0)->text() << viewer->options->item(0, 3)->text();
        viewer->btnPrior->click();
        seen << viewer->field(QStringLiteral("itemname"))->text() << viewer->field(QStringLiteral("pcref"))->text();
        EXPECT_FALSE(viewer->chkProcessed->isChecked());
        viewer->btnClose->click();
    });
    form->pnlRight->btnViewLine1->click();
    EXPECT_EQ(seen, (QStringList{"Gin & Tonic", "13.00", "Double", "6.00", "Pale Ale", "Bar"}));
    EXPECT_EQ(list1().value(u"itemname").asText(), QStringLiteral("Pale Ale"));
}

TEST_F(SalesScreen, ResetReturnsToTheStartPage) {
    sql(QStringLiteral("UPDATE layout SET manregmode = '1' WHERE id = 2"));
    ASSERT_TRUE(start());
    chooseNonTab();
    touch(QStringLiteral("Drinks >"));
    form->pgeItem->btnPreProcess->click();
    form->pgeItem->manRegister->show();
    form->pgeItem->btnReset->click();
    EXPECT_EQ(form->state().currentLink, 1);
    EXPECT_EQ(form->grpMain->title(), QStringLiteral("Item: Home"));
    EXPECT_FALSE(form->pgeItem->btnPreProcess->isChecked());
    EXPECT_FALSE(form->pgeItem->manRegister->isVisible());
    EXPECT_FALSE(form->pgeItem->btnManual->isChecked());
}

} // namespace
