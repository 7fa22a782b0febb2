#include "TillFixture.h"

#include "ModalWatcher.h"
#include "admin/TAdminForm.h"
#include "payment/TRecForm.h"
#include "print/MemorySpooler.h"
#include "sales/ExtraPage.h"
#include "sales/LineLists.h"
#include "sales/LinePanel.h"
#include "ui/TKeyBoardForm.h"

#include <QAbstractItemModel>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTableView>

using namespace pelora;
using test::TillTest;

namespace {

// Receipt 900 of a burger and a pale ale on Table 1, paid in cash a minute ago.
class ReceiptHistoryScreen : public TillTest {
protected:
    void SetUp() override {
        TillTest::SetUp();
        sql(QStringLiteral("UPDATE layout SET logoutmode = '0'"));
        sql(QStringLiteral("UPDATE receipt SET istamp = DATEADD(-10 DAY TO istamp)")); // the demo's sales of old
        sql(QStringLiteral("INSERT INTO receipt (id, pcref, staffref, tabid, tabref, total, tendered, mop, cr, istamp)"
                           " VALUES (900, 'Bar', 'Anna', 3, 'Table 1', 33.5, 40, 'Cash', 0,"
                           " DATEADD(-1 MINUTE TO CURRENT_TIMESTAMP))"));
        sql(QStringLiteral("INSERT INTO recline (id, pcref, recid, itemid, itemname, qty, price, extprice, outputname)"
                           " VALUES (900, 'Bar', 900, 12, 'Burger', 1, 24, 24, 'Kitchen')"));
        sql(QStringLiteral("INSERT INTO recline (id, pcref, recid, itemid, itemname, qty, price, extprice, outputname)"
                           " VALUES (901, 'Bar', 900, 2, 'Pale Ale', 1, 9.5, 9.5, 'Bar')"));
        ASSERT_TRUE(start());
    }
    static QString cell(const TRecForm& rec, int row, int column) {
        const QAbstractItemModel* m = rec.grdReceipts->model();
        return m->data(m->index(row, column)).toString();
    }
    static QStringList cardNames(const TRecForm& rec) {
        QStringList names;
        for (const QLabel* l : rec.scrLines->widget()->findChildren<QLabel*>(QStringLiteral("lblItemName")))
            names << l->text();
        return names;
    }
};

TEST_F(ReceiptHistoryScreen, HistoryRestartsAReceiptOntoItsTabWithItsLines) {
    prompter.expectInformation(QStringLiteral("Select a Tab."));
    form->pgeExtra->btnTabHist->click();

    touchTab(QStringLiteral("Table 1"));
    form->btnExtra->click();
    prompter.expectConfirm(QStringLiteral("Re-start the receipt?"), true);
    test::whenOpens<TRecForm>(QStringLiteral("RecForm"), [](TRecForm& rec) {
        EXPECT_EQ(rec.btnTabHist->text(), QStringLiteral("Tab: Table 1"));
        EXPECT_TRUE(rec.btnTabHist->isVisibleTo(&rec));
        ASSERT_EQ(rec.grdReceipts->model()->rowCount(), 1);
        EXPECT_EQ(rec.grdReceipts->model()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("TEND."));
        EXPECT_EQ(cell(rec, 0, 0) + u'|' + cell(rec, 0, 2) + u'|' + cell(rec, 0, 3), QStringLiteral("900|33.50|40.00"));
        EXPECT_EQ(cardNames(rec), QStringList({"Burger", "Pale Ale"}));
        rec.btnReverse->click();
    });
    form->pgeExtra->btnTabHist->click();

    EXPECT_EQ(form->state().currentTab, 3);
    EXPECT_EQ(form->pnlRight->lblTabRef->text(), QStringLiteral("Table 1"));
    EXPECT_EQ(form->lines().list(LineLists::kMain).rowCount(), 2);
    EXPECT_EQ(form->total1().toString(), QStringLiteral("33.50"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT total FROM receipt WHERE revrecid = 900")), QStringLiteral("-33.5"));
}

TEST_F(ReceiptHistoryScreen, TheConsolesHistoryFindsADocketThroughTheKeyboardAndPrintsItAgain) {
    sql(QStringLiteral("INSERT INTO receipt (id, tabid, tabref, total, tendered, mop, cr, istamp)"
                       " VALUES (901, 1, 'Non Tab', 5, 5, 'Cash', 0, DATEADD(-2 DAY TO CURRENT_TIMESTAMP))"));
    MemorySpooler& spooler = printIntoMemory();
    test::whenOpens<TRecForm>(QStringLiteral("RecForm"), [this](TRecForm& rec) {
        EXPECT_FALSE(rec.btnTabHist->isVisibleTo(&rec));
        EXPECT_EQ(rec.grdReceipts->model()->rowCount(), 1); // the last day's
        rec.btnQtyInc->click();
        rec.btnQtyInc->click();
        EXPECT_EQ(rec.lblDays->text() + u' ' + rec.lblDayText->text(), QStringLiteral("3 Days"));
        rec.btnRefresh->click();
        EXPECT_EQ(rec.grdReceipts->model()->rowCount(), 2);
        for (int i = 0; i < 3; ++i)
            rec.btnQtyDec->click();
        EXPECT_EQ(rec.lblDays->text() + u' ' + rec.lblDayText->text(), QStringLiteral("1 Day"));

        test::whenOpens<TKeyBoardForm>(QStringLiteral("KeyBoardForm"), [](TKeyBoardForm& keyboard) {
            for (const char* key : {"9", "0", "0"})
                keyboard.key(QString::fromLatin1(key))->click();
            keyboard.btnEnter->click();
        });
        rec.btnFind->click();
        ASSERT_EQ(rec.grdReceipts->model()->rowCount(), 1);
        EXPECT_EQ(cell(rec, 0, 0), QStringLiteral("900"));

        prompter.expectConfirm(QStringLiteral("Re-Print the receipt?"), true);
        rec.btnPrint->click();
        rec.btnClose->click();
    });
    form->OpenReceiptHistory();
    EXPECT_TRUE(QString::fromLatin1(spooler.bytesFor(QStringLiteral("Docket"))).contains(QStringLiteral("Burger")));
}

} // namespace

namespace {

// The console's "Receipt" opens the last day's receipts; its Admin session lets an old receipt
// be restarted.
TEST_F(ReceiptHistoryScreen, AnOldReceiptRestartsOnlyUnderTheConsolesAdminSession) {
    sql(QStringLiteral("UPDATE receipt SET istamp = DATEADD(-5 HOUR TO CURRENT_TIMESTAMP) WHERE id = 900"));
    const auto restartFromConsole = [this] {
        TAdminForm console(*form, *module, prompter, form.get());
        console.show();
        test::whenOpens<TRecForm>(QStringLiteral("RecForm"), [](TRecForm& rec) {
            EXPECT_FALSE(rec.btnTabHist->isVisibleTo(&rec));
            ASSERT_EQ(rec.grdReceipts->model()->rowCount(), 1);
            rec.btnReverse->click();
            rec.btnClose->click();
        });
        console.btnReceipt->click();
        EXPECT_EQ(console.result(), QDialog::Accepted);
        return console.level();
    };
    prompter.expectInformation(QStringLiteral("Receipt is too old to be restarted."));
    EXPECT_EQ(restartFromConsole(), AdminLevel::None);

    module->session().adminSession = true; // a manager logged in with "Session Password"
    prompter.expectConfirm(QStringLiteral("Receipt is older than Restart Mins permit.\nOnly Admin can proceed. Continue?"),
                           false);
    EXPECT_EQ(restartFromConsole(), AdminLevel::Admin);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COALESCE(revrecid, 0) FROM receipt WHERE id = 900")), QStringLiteral("0"));
}

} // namespace
