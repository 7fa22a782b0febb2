#include "TillFixture.h"

#include "ModalWatcher.h"
#include "payment/TMopChoiceForm.h"
#include "payment/TTenderedForm.h"
#include "print/MemorySpooler.h"
#include "print/TOrderForm.h"
#include "sales/ExtraPage.h"
#include "sales/ItemGrid.h"
#include "sales/ItemPage.h"
#include "sales/LinePanel.h"
#include "sales/TabPage.h"
#include "ui/GlyphButton.h"
#include "ui/TouchWidgets.h"

#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QRect>

using namespace pelora;
using test::TillTest;

namespace {

class OrderScreen : public TillTest {
protected:
    void SetUp() override {
        TillTest::SetUp();
        sql(QStringLiteral("UPDATE layout SET logoutmode = '0'"));
    }
    void startWithPrinters() {
        ASSERT_TRUE(start());
        spooler = &printIntoMemory();
    }
    QString paperOf(const char* printer) const {
        return QString::fromLatin1(spooler->bytesFor(QString::fromLatin1(printer)));
    }
    QString unprocessed() {
        return scalar(QStringLiteral("SELECT LIST(itemname, ',') FROM (SELECT itemname FROM tabline1"
                                     " WHERE processed = 'F' ORDER BY id)"));
    }
    QString stockOf(int itemId) { return scalar(QStringLiteral("SELECT qty FROM item WHERE id = ?"), {itemId}); }
    void line(int id, int tabId, const char* pcRef, int itemId, const char* name, const char* output,
              const char* processed) {
        sql(QStringLiteral("INSERT INTO tabline1 (id, pcref, tabid, itemid, itemname, qty, outputname, processed)"
                           " VALUES (?, ?, ?, ?, ?, 1, ?, ?)"),
            {id, pcRef, tabId, itemId, name, output, processed});
    }

    MemorySpooler* spooler = nullptr;
};

TEST_F(OrderScreen, ProcessSendsEachOutputItsOrderMarksTheLinesAndStartsAgain) {
    startWithPrinters();
    prompter.expectInformation(QStringLiteral("Select a Tab."));
    form->pnlRight->btnProcess->click();

    touchTab(QStringLiteral("Table 1"));
    touchItem(QStringLiteral("Burger"));
    touchItem(QStringLiteral("Pale Ale"));
    ASSERT_EQ(unprocessed(), QStringLiteral("Burger,Pale Ale"));
    form->pnlRight->btnProcess->click();
    settle();

    EXPECT_TRUE(paperOf("Kitchen").contains(QStringLiteral("Order for Tab:Table 1 PC:Bar\r\nOutput:Kitchen\r\n")));
    EXPECT_TRUE(paperOf("Kitchen").contains(QStringLiteral("1    Burger\r\n")));
    EXPECT_FALSE(paperOf("Kitchen").contains(QStringLiteral("Pale Ale")));
    EXPECT_TRUE(paperOf("BarPrinter").contains(QStringLiteral("1    Pale Ale\r\n")));
    EXPECT_EQ(unprocessed(), QString());
    EXPECT_EQ(stockOf(12), QStringLiteral("29")); // stock is counted as the order goes out
    EXPECT_EQ(form->state().currentTab, 0);        // back to the start, no tab chosen
    EXPECT_EQ(form->pgcMain->currentWidget(), static_cast<QWidget*>(form->pgeTab));

    // A kitchen printer that cannot be found: its lines stay to be sent, and the message names it.
    touchTab(QStringLiteral("Table 1"));
    touchItem(QStringLiteral("Burger"));
    spooler->installed.removeAll(QStringLiteral("Kitchen"));
    prompter.expectInformation(QStringLiteral("Problem printing Order.\nPrinter Kitchen not found"));
    form->pnlRight->btnProcess->click();
    EXPECT_EQ(unprocessed(), QStringLiteral("Burger"));
    EXPECT_EQ(form->state().currentTab, 3);
}

// A second till set up with nothing but its docket row: the kitchen's and the bar's orders are
// said to have no printer there and stay to be sent, at "Process" and at a payment alike.
TEST_F(OrderScreen, ASecondTillWithoutTheKitchensPrinterSaysSoAndKeepsTheOrder) {
    sql(QStringLiteral("INSERT INTO pc (id, ref, layoutid, imagepath, mapid, outputid, docketmode, drawermode)"
                       " SELECT 9, 'Bar 2', layoutid, imagepath, mapid, outputid, '1', '0' FROM pc WHERE ref = 'Bar'"));
    sql(QStringLiteral("INSERT INTO od (id, pcref, outputid, deviceid, bcpl) VALUES (90, 'Bar 2', 3, 1, 42)"));
    ASSERT_TRUE(start(QStringLiteral("Bar 2")));
    spooler = &printIntoMemory();
    const QString noPrinters = QStringLiteral("Problem printing Order.\nKitchen has no printer on this till (Bar 2).\n"
                                              "Bar has no printer on this till (Bar 2).");
    touchTab(QStringLiteral("Table 1"));
    touchItem(QStringLiteral("Burger"));
    touchItem(QStringLiteral("Pale Ale"));
    prompter.expectInformation(noPrinters);
    form->pnlRight->btnProcess->click();
    EXPECT_EQ(unprocessed(), QStringLiteral("Burger,Pale Ale"));
    EXPECT_TRUE(spooler->documents.empty());
    EXPECT_EQ(form->state().currentTab, 3); // the tab stays, to be sent once there is a printer

    // The payment stops before anything is recorded.
    const QString receipts = scalar(QStringLiteral("SELECT COUNT(*) FROM receipt"));
    test::whenOpens<TMopChoiceForm>(QStringLiteral("MopChoiceForm"), [](TMopChoiceForm& chooser) {
        chooser.mopButton(QStringLiteral("Cash"))->click();
    });
    test::whenOpens<TTenderedForm>(QStringLiteral("TenderedForm"), [&](TTenderedForm& tender) {
        tender.btnTnd50->click();
        prompter.expectInformation(noPrinters);
        tender.btnProcess->click();
        EXPECT_TRUE(tender.isVisible());
        tender.btnClose->click();
    });
    form->pnlRight->btnTendered->click();
    settle();
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM receipt")), receipts);
    EXPECT_EQ(unprocessed(), QStringLiteral("Burger,Pale Ale"));
}

TEST_F(OrderScreen, TheOrderWindowShowsCardsMarksLinesAndPrintsOnRequest) {
    line(101, 3, "Bar", 12, "Burger", "Kitchen", "F");
    line(102, 3, "Bar", 2, "Pale Ale", "Bar", "T");
    line(103, 1, "Bar", 2, "Pale Ale", "Bar", "F");
    line(104, 1, "Patio", 2, "Pale Ale", "Bar", "F");
    sql(QStringLiteral("UPDATE tabline1 SET optmsg = 'No onion', opt1caption = 'Bacon', opt1choice = 'T' WHERE id = 101"));
    startWithPrinters();
    touchTab(QStringLiteral("Table 1"));

    bool opened = false;
    test::whenModalOpens(QStringLiteral("OrderForm"), [&](QWidget* w) {
        opened = true;
        auto& orders = *static_cast<TOrderForm*>(w);
        // Every line of the tab, the one sent already in the window's colour without a button.
        ASSERT_EQ(orders.tabButtons.size(), 2u);
        EXPECT_EQ(orders.tabButtons[0]->text(), QStringLiteral("Table 1"));
        EXPECT_EQ(orders.tabButtons[1]->text(), QStringLiteral("All"));
        EXPECT_EQ(orders.tabButtons[1]->geometry(), QRect(160, 5, 40, 26));
        ASSERT_EQ(orders.cards.size(), 2u);
        QFrame* burger = orders.cards[0];
        EXPECT_EQ(burger->palette().color(burger->backgroundRole()), QColor(Qt::white));
        EXPECT_EQ(burger->height(), 70);
        EXPECT_EQ(burger->findChild<QLineEdit*>(QStringLiteral("edtOptions"))->text(), QStringLiteral("Bacon"));
        QLineEdit* message = burger->findChild<QLineEdit*>(QStringLiteral("edtMessage"));
        EXPECT_EQ(message->text(), QStringLiteral("No onion"));
        EXPECT_EQ(message->palette().color(QPalette::Base), QColor(Qt::green));
        EXPECT_EQ(orders.cards[1]->height(), 50);
        EXPECT_EQ(orders.cards[1]->findChild<QPushButton*>(QStringLiteral("btnProcessed")), nullptr);

        burger->findChild<QPushButton*>(QStringLiteral("btnProcessed"))->click();
        EXPECT_NE(burger->palette().color(burger->backgroundRole()), QColor(Qt::white));
        EXPECT_TRUE(orders.linesChanged());

        // Every tab's lines: each terminal's walk-in lines have a button of their own.
        orders.btnRefresh2->click();
        QStringList captions;
        for (QPushButton* b : orders.tabButtons)
            captions << b->text();
        EXPECT_EQ(captions, QStringList({"Table 1", "All", "Bar", "All", "Patio", "All"}));
        orders.tabButtons[4]->click(); // Patio's new lines
        ASSERT_EQ(orders.cards.size(), 1u);
        EXPECT_FALSE(orders.allMode());
        prompter.expectConfirm(QStringLiteral("Print the order?"), true);
        orders.btnOutput->click();
        EXPECT_EQ(spooler->documents.size(), 1u);
        EXPECT_TRUE(paperOf("BarPrinter").contains(QStringLiteral("Order for Tab:Patio PC:Patio\r\nOutput:Bar")));
        prompter.expectConfirm(QStringLiteral("Print the order?"), false);
        orders.btnOutput->click();
        EXPECT_EQ(spooler->documents.size(), 1u);

        // Auto refresh: every ten seconds to start with, five at the least.
        orders.btnAutoRefresh->click();
        EXPECT_TRUE(orders.Timer1.isActive());
        EXPECT_EQ(orders.Timer1.interval(), 10000);
        EXPECT_TRUE(captionIsRed(orders.btnAutoRefresh));
        orders.btnQtyDec->click();
        orders.btnQtyDec->click();
        EXPECT_EQ(orders.seconds(), 5);
        orders.btnQtyInc->click();
        EXPECT_EQ(orders.Timer1.interval(), 10000);
        orders.Timer1Timer(); // a tick reloads the new lines of every tab
        EXPECT_EQ(orders.tabButtons.size(), 4u);
        orders.btnAutoRefresh->click();
        EXPECT_FALSE(orders.Timer1.isActive());
        orders.btnClose->click();
    });
    form->pgeExtra->btnTabOrder->click();
    EXPECT_TRUE(opened);
    EXPECT_EQ(scalar(QStringLiteral("SELECT processed FROM tabline1 WHERE id = 101")), QStringLiteral("T"));
    EXPECT_EQ(stockOf(12), QStringLiteral("29"));
}

TEST_F(OrderScreen, NoSaleKicksTheDrawer) {
    startWithPrinters();
    form->pgeExtra->btnNoSale->click();
    ASSERT_EQ(spooler->documents.size(), 1u);
    EXPECT_EQ(spooler->documents[0].printer, QStringLiteral("Docket"));
    EXPECT_EQ(spooler->documents[0].bytes, QByteArray("\x1bp\x00\x19\xfa", 5));
}

} // namespace
