#include "TillFixture.h"

#include "ModalWatcher.h"
#include "payment/TMopChoiceForm.h"
#include "payment/TTenderedForm.h"
#include "print/MemorySpooler.h"
#include "sales/ExtraPage.h"
#include "sales/LineLists.h"
#include "sales/LinePanel.h"
#include "sales/StatusLine.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace pelora;
using test::TillTest;

namespace {

class PaymentScreen : public TillTest {
protected:
    void SetUp() override {
        TillTest::SetUp();
        sql(QStringLiteral("UPDATE layout SET logoutmode = '0'"));
        ASSERT_TRUE(start());
        spooler = &printIntoMemory();
    }
    // The next chooser: checks and presses through `act`.
    static void onChooser(std::function<void(TMopChoiceForm&)> act) {
        test::whenOpens<TMopChoiceForm>(QStringLiteral("MopChoiceForm"), std::move(act));
    }
    static void onTender(std::function<void(TTenderedForm&)> act) {
        test::whenOpens<TTenderedForm>(QStringLiteral("TenderedForm"), std::move(act));
    }
    // Pays with a method and the amount typed on the keypad.
    void pay(QPushButton* button, const char* method, const char* keys) {
        onChooser([method](TMopChoiceForm& chooser) { chooser.mopButton(QString::fromLatin1(method))->click(); });
        onTender([keys](TTenderedForm& tender) {
            for (const char* k = keys; *k; ++k)
                tender.buttontag(QLatin1Char(*k));
            tender.btnProcess->click();
        });
        button->click();
        settle();
    }
    QString lastReceipt() {
        return scalar(QStringLiteral("SELECT tabref || '|' || CAST(COALESCE(total, 0) AS NUMERIC(9, 2)) || '|' ||"
                                     " CAST(tendered AS NUMERIC(9, 2)) || '|' || mop || '|' || CAST(cr AS NUMERIC(9, 2))"
                                     " FROM receipt ORDER BY id DESC ROWS 1"));
    }
    QString balance(int tabId) {
        return Money::fromDouble(scalar(QStringLiteral("SELECT balance FROM tab WHERE id = ?"), {tabId}).toDouble()).toString();
    }
    QString receipts() { return scalar(QStringLiteral("SELECT COUNT(*) FROM receipt")); }
    QString docket() const { return QString::fromLatin1(spooler->bytesFor(QStringLiteral("Docket"))); }
    bool linesShown() { return form->lines().hasLines(LineLists::kMain) || form->lines().hasLines(LineLists::kSplit); }
    QPushButton* payment() const { return form->pnlRight->btnTendered; }

    MemorySpooler* spooler = nullptr;
};

TEST_F(PaymentScreen, CashWithChangeSendsTheOrdersPrintsTheDocketAndStartsAgain) {
    prompter.expectWarning(QStringLiteral("Add a line to the tab."));
    payment()->click();

    touchTab(QStringLiteral("Table 1"));
    touchItem(QStringLiteral("Burger"));
    touchItem(QStringLiteral("Pale Ale"));
    bool chose = false, tendered = false;
    onChooser([&](TMopChoiceForm& chooser) {
        chose = true;
        QStringList names;
        for (QPushButton* b : chooser.mopButtons)
            names << b->text();
        EXPECT_EQ(names, QStringList({"Account", "Cash", "EFTPOS"}));
        EXPECT_EQ(chooser.lblTotal->text(), QStringLiteral("33.50"));
        EXPECT_EQ(chooser.source, QStringLiteral("tabline1"));
        // Table 1 runs no account.
        prompter.expectInformation(QStringLiteral("Zero Credit available."));
        chooser.mopButton(QStringLiteral("Account"))->click();
        chooser.mopButton(QStringLiteral("Cash"))->click();
    });
    onTender([&](TTenderedForm& tender) {
        tendered = true;
        EXPECT_EQ(tender.lblTotal->text(), QStringLiteral("33.50"));
        EXPECT_EQ(tender.edtTendered->text(), QStringLiteral("0"));
        EXPECT_FALSE(tender.pnlChange->isVisibleTo(&tender));
        tender.buttontag(u'5');
        tender.buttontag(u'0');
        EXPECT_EQ(tender.lblChange->text(), QStringLiteral("Change:    16.50"));
        EXPECT_TRUE(tender.pnlChange->isVisibleTo(&tender));
        tender.btnClear->click();
        EXPECT_EQ(tender.edtTendered->text(), QStringLiteral("0"));
        EXPECT_FALSE(tender.pnlChange->isVisibleTo(&tender));
        tender.btnTnd20->click();
        EXPECT_FALSE(tender.pnlChange->isVisibleTo(&tender)); // 20 does not cover 33.50
        prompter.expectWarning(QStringLiteral("Tendered amount is short."));
        tender.btnProcess->click();
        tender.btnTnd50->click();
        EXPECT_EQ(tender.edtTendered->text(), QStringLiteral("50.00"));
        tender.btnProcess->click();
    });
    payment()->click();
    settle();
    EXPECT_TRUE(chose && tendered);

    EXPECT_EQ(lastReceipt(), QStringLiteral("Table 1|33.50|50.00|Cash|0.00"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM tabline1")), QStringLiteral("0"));
    // The terminal sends orders at payment: the kitchen had the burger before the docket printed.
    EXPECT_TRUE(QString::fromLatin1(spooler->bytesFor(QStringLiteral("Kitchen"))).contains(QStringLiteral("Burger")));
    EXPECT_TRUE(docket().contains(QStringLiteral("Cash Tendered:")));
    EXPECT_TRUE(docket().contains(QStringLiteral("16.50")));
    EXPECT_EQ(form->statusLine().text(2), QStringLiteral("Change: 16.50"));
    // The panel widens rather than cut the change off.
    form->statusLine().setText(2, QStringLiteral("Change: 123456.75"));
    const QLabel* change = form->statusLine().panel(2);
    EXPECT_GE(change->contentsRect().width(), change->fontMetrics().horizontalAdvance(change->text()));
    EXPECT_EQ(form->state().currentTab, 0);
    EXPECT_FALSE(linesShown());

    // The NonTab has no account to charge.
    form->ChooseNonTab();
    touchItem(QStringLiteral("Pale Ale"));
    onChooser([](TMopChoiceForm& chooser) {
        EXPECT_FALSE(chooser.mopButton(QStringLiteral("Account"))->isEnabled());
        EXPECT_TRUE(chooser.mopButton(QStringLiteral("Cash"))->isEnabled());
        chooser.btnClose->click();
    });
    payment()->click();
    EXPECT_TRUE(linesShown());
}

TEST_F(PaymentScreen, AnAccountTakesWhatItsCreditAllowsAndTheRestIsTendered) {
    // Smith J owes 42.50 of 500.
    touchTab(QStringLiteral("Smith J"));
    touchItem(QStringLiteral("Burger"));
    onChooser([](TMopChoiceForm& chooser) { chooser.mopButton(QStringLiteral("Account"))->click(); });
    payment()->click();
    EXPECT_EQ(lastReceipt(), QStringLiteral("Smith J|24.00|0.00|Account|24.00"));
    EXPECT_EQ(balance(9), QStringLiteral("66.50"));
    EXPECT_TRUE(docket().contains(QStringLiteral("Account Tendered:")));
    // The kitchen hears of the burger before the sale is recorded.
    EXPECT_TRUE(QString::fromLatin1(spooler->bytesFor(QStringLiteral("Kitchen"))).contains(QStringLiteral("1    Burger")));
    EXPECT_EQ(form->state().currentTab, 0);

    // Without the kitchen's printer the account sale waits, as a cash sale does.
    touchTab(QStringLiteral("Smith J"));
    touchItem(QStringLiteral("Burger"));
    spooler->installed.removeAll(QStringLiteral("Kitchen"));
    onChooser([&](TMopChoiceForm& chooser) {
        prompter.expectInformation(QStringLiteral("Problem printing Order.\nPrinter Kitchen not found"));
        chooser.mopButton(QStringLiteral("Account"))->click();
        EXPECT_TRUE(chooser.isVisible());
        chooser.btnClose->click();
    });
    payment()->click();
    EXPECT_EQ(balance(9), QStringLiteral("66.50"));
    EXPECT_TRUE(linesShown());
    spooler->installed << QStringLiteral("Kitchen");
    onChooser([](TMopChoiceForm& chooser) { chooser.mopButton(QStringLiteral("Account"))->click(); });
    payment()->click();
    EXPECT_EQ(balance(9), QStringLiteral("90.50"));

    // Room 12 may run up 10 only: 10 on the account, the rest in cash.
    sql(QStringLiteral("UPDATE tab SET crlimit = 10 WHERE id = 11"));
    touchTab(QStringLiteral("Room 12"));
    touchItem(QStringLiteral("Burger"));
    touchItem(QStringLiteral("Pale Ale"));
    onChooser([&](TMopChoiceForm& chooser) {
        prompter.expectConfirm(QStringLiteral("Available credit is 10.00 on a 33.50 sale.\nWill you pay the difference of 23.50?"),
                               true);
        chooser.mopButton(QStringLiteral("Account"))->click();
        EXPECT_FALSE(chooser.mopButton(QStringLiteral("Account"))->isEnabled());
        EXPECT_EQ(chooser.lblTotal->text(), QStringLiteral("23.50"));
        chooser.mopButton(QStringLiteral("Cash"))->click();
    });
    onTender([](TTenderedForm& tender) {
        EXPECT_EQ(tender.lblTotal->text(), QStringLiteral("23.50"));
        tender.btnTnd50->click();
        tender.btnProcess->click();
    });
    payment()->click();
    settle();
    EXPECT_EQ(lastReceipt(), QStringLiteral("Room 12|23.50|50.00|Cash|10.00"));
    EXPECT_EQ(balance(11), QStringLiteral("10.00"));
    EXPECT_EQ(form->statusLine().text(2), QStringLiteral("Change: 26.50"));

    // Patel R's credit is stopped.
    touchTab(QStringLiteral("Patel R"));
    touchItem(QStringLiteral("Pale Ale"));
    onChooser([&](TMopChoiceForm& chooser) {
        prompter.expectInformation(QStringLiteral("Credit Stopped. Zero Credit available."));
        chooser.mopButton(QStringLiteral("Account"))->click();
        chooser.btnClose->click();
    });
    payment()->click();
    EXPECT_EQ(receipts(), QStringLiteral("5")); // the demo's two and these three
}

TEST_F(PaymentScreen, ARefundIsCommittedAtOnceAndABadTenderIsRefused) {
    prompter.expectWarning(QStringLiteral("Add a line to the tab."));
    form->pgeExtra->btnRefund->click();

    touchTab(QStringLiteral("Table 1"));
    touchItem(QStringLiteral("Pale Ale"));
    onChooser([](TMopChoiceForm& chooser) {
        EXPECT_EQ(chooser.refund, QStringLiteral("T"));
        chooser.mopButton(QStringLiteral("Cash"))->click();
    });
    prompter.expectInformation(QStringLiteral("Refund of 9.50 as Cash accepted."));
    form->pgeExtra->btnRefund->click();
    EXPECT_EQ(lastReceipt(), QStringLiteral("Table 1|-9.50|-9.50|Cash|0.00"));
    EXPECT_TRUE(docket().contains(QStringLiteral("Cash Refund:")));
    EXPECT_FALSE(linesShown());

    touchTab(QStringLiteral("Table 1"));
    touchItem(QStringLiteral("Pale Ale"));
    for (const char* keys : {"..", "1.2.3"}) {
        prompter.expectWarning(QStringLiteral("Cash tendered is invalid. Clear and try again."));
        onChooser([](TMopChoiceForm& chooser) { chooser.mopButton(QStringLiteral("EFTPOS"))->click(); });
        onTender([keys](TTenderedForm& tender) {
            for (const char* k = keys; *k; ++k)
                tender.buttontag(QLatin1Char(*k));
            tender.btnProcess->click();
            tender.btnClose->click(); // the window stayed for the operator to correct
        });
        payment()->click();
        settle();
    }
    EXPECT_TRUE(linesShown());
    EXPECT_EQ(receipts(), QStringLiteral("3"));
}

TEST_F(PaymentScreen, MoneyIsPaidIntoAnAccountAndOutOfOneInCredit) {
    prompter.expectInformation(QStringLiteral("Select a tab.\nNote: The selected tab cannot be \"Unknown\" or \"NonTab\"."));
    form->pgeExtra->btnCredit->click();

    touchTab(QStringLiteral("Smith J"));
    onChooser([](TMopChoiceForm& chooser) {
        EXPECT_EQ(chooser.creditMode, QStringLiteral("Credit"));
        EXPECT_EQ(chooser.lblTotal->text(), QStringLiteral("42.50"));
        EXPECT_FALSE(chooser.mopButton(QStringLiteral("Account"))->isEnabled());
        chooser.mopButton(QStringLiteral("Cash"))->click();
    });
    onTender([](TTenderedForm& tender) {
        EXPECT_EQ(tender.edtTendered->text(), QStringLiteral("0")); // nothing pre-filled
        tender.btnTnd20->click();
        EXPECT_FALSE(tender.pnlChange->isVisibleTo(&tender));
        tender.btnProcess->click();
    });
    form->pgeExtra->btnCredit->click();
    settle();
    EXPECT_EQ(lastReceipt(), QStringLiteral("Smith J|0.00|20.00|Cash|-20.00"));
    EXPECT_EQ(balance(9), QStringLiteral("22.50"));
    EXPECT_EQ(form->pnlRight->lblBalance->text(), QStringLiteral("Bal: 22.50"));
    EXPECT_TRUE(docket().contains(QStringLiteral("Cash Paid In:")));

    // In credit by 40: the customer wants 25 paid out; 50 is more than the account holds.
    sql(QStringLiteral("UPDATE tab SET balance = -40 WHERE id = 9"));
    prompter.expectConfirmWithCancel(QStringLiteral("The Tab is already in credit. Increase Credit?\n\n"
                                                    "Yes: the customer wants to pay for more credit.\n"
                                                    "No: the customer wants money paid out."),
                                     Prompter::Answer::No);
    onChooser([](TMopChoiceForm& chooser) {
        EXPECT_EQ(chooser.creditMode, QStringLiteral("Debit"));
        chooser.mopButton(QStringLiteral("Cash"))->click();
    });
    onTender([&](TTenderedForm& tender) {
        tender.btnTnd50->click();
        prompter.expectInformation(QStringLiteral("Maximum payout is 40.00"));
        tender.btnProcess->click();
        tender.btnClear->click();
        tender.buttontag(u'2');
        tender.buttontag(u'5');
        tender.btnProcess->click();
    });
    form->pgeExtra->btnCredit->click();
    settle();
    EXPECT_EQ(lastReceipt(), QStringLiteral("Smith J|0.00|-25.00|Cash|25.00"));
    EXPECT_EQ(balance(9), QStringLiteral("-15.00"));
    EXPECT_TRUE(docket().contains(QStringLiteral("Cash Paid Out:")));
}

// The demo rounds list 1's total up to 0.05: Jones Catering's 5% off a Pale Ale is 9.025, and
// the guest pays 9.05. The receipt, the change and the docket all say 9.05.
TEST_F(PaymentScreen, ARoundedSaleChargesTheRoundedTotalOnTheDocketToo) {
    touchTab(QStringLiteral("Jones"));
    touchItem(QStringLiteral("Pale Ale"));
    pay(payment(), "Cash", "10");
    EXPECT_EQ(lastReceipt(), QStringLiteral("Jones Catering|9.05|10.00|Cash|0.00"));
    EXPECT_EQ(form->statusLine().text(2), QStringLiteral("Change: 0.95"));
    EXPECT_TRUE(docket().contains(QStringLiteral("Rounding:    0.025 \r\n"))) << docket().toStdString();
    EXPECT_TRUE(docket().contains(QStringLiteral("Total:     9.05 \r\n")));
    EXPECT_TRUE(docket().contains(QStringLiteral("Change:     0.95 \r\n")));
    EXPECT_FALSE(docket().contains(QStringLiteral("0.975"))); // the change against the lines' sum
}

TEST_F(PaymentScreen, APrinterFailureNeverLeavesAPaidLineToPayAgain) {
    // The kitchen printer is gone: nothing is committed, the window stays.
    spooler->installed.removeAll(QStringLiteral("Kitchen"));
    touchTab(QStringLiteral("Table 1"));
    touchItem(QStringLiteral("Burger"));
    onChooser([](TMopChoiceForm& chooser) { chooser.mopButton(QStringLiteral("Cash"))->click(); });
    onTender([&](TTenderedForm& tender) {
        tender.btnTnd50->click();
        prompter.expectInformation(QStringLiteral("Problem printing Order.\nPrinter Kitchen not found"));
        tender.btnProcess->click();
        EXPECT_TRUE(tender.isVisible());
        tender.btnClose->click();
    });
    payment()->click();
    settle();
    EXPECT_EQ(receipts(), QStringLiteral("2"));
    EXPECT_TRUE(linesShown());

    // The docket printer is gone: the sale stands, and the screen is clear before the message.
    spooler->installed = QStringList{QStringLiteral("Kitchen")};
    prompter.expectError(QStringLiteral("Printer Docket not found"));
    prompter.whileNextPromptShows([&] {
        EXPECT_FALSE(linesShown());
        EXPECT_EQ(receipts(), QStringLiteral("3"));
    });
    pay(payment(), "Cash", "30");
    EXPECT_EQ(lastReceipt(), QStringLiteral("Table 1|24.00|30.00|Cash|0.00"));
    prompter.expectWarning(QStringLiteral("Add a line to the tab."));
    payment()->click();
}

TEST_F(PaymentScreen, LinesChangedOnAnotherTillAreReadAgainInsteadOfPaid) {
    touchTab(QStringLiteral("Table 1"));
    touchItem(QStringLiteral("Burger"));
    touchItem(QStringLiteral("Pale Ale"));
    onChooser([](TMopChoiceForm& chooser) { chooser.mopButton(QStringLiteral("EFTPOS"))->click(); });
    onTender([&](TTenderedForm& tender) {
        tender.buttontag(u'4');
        tender.buttontag(u'0');
        // Another till takes the beer off the tab meanwhile.
        sql(QStringLiteral("DELETE FROM tabline1 WHERE itemname = 'Pale Ale'"));
        prompter.expectWarning(QStringLiteral("The tab was changed on another till. Its lines have been read again:"
                                              " check them and take the payment again."));
        tender.btnProcess->click();
    });
    payment()->click();
    settle();
    EXPECT_EQ(receipts(), QStringLiteral("2"));
    EXPECT_EQ(form->pnlRight->lblTotal1->text(), QStringLiteral("24.00"));
    EXPECT_EQ(form->state().currentTab, 3);
}

// Till 1 shows Table 1 with two lines; till 2 adds two more; till 1 takes the money it shows.
// The guests would leave with the rest unpaid: the payment and the check are refused and the
// tab is shown as it now is.
TEST_F(PaymentScreen, APaymentFromAScreenThatMissesAnotherTillsLinesIsRefused) {
    const QString changed = QStringLiteral("The tab was changed on another till. Its lines have been read again:"
                                           " check them and take the payment again.");
    touchTab(QStringLiteral("Table 1"));
    touchItem(QStringLiteral("Burger"));
    touchItem(QStringLiteral("Pale Ale"));
    ASSERT_EQ(form->pnlRight->lblTotal1->text(), QStringLiteral("33.50"));
    const QString before = receipts();
    const auto addOnTillTwo = [&](int id) {
        sql(QStringLiteral("INSERT INTO tabline1 (id, pcref, staffref, tabid, itemid, itemname, qty, price, adjprice,"
                           " extprice, outputname, processed) VALUES (?, 'Bar 2', 'Sam', 3, 2, 'Pale Ale', 1, 8.75,"
                           " 8.75, 8.75, 'Bar', 'T')"),
            {id});
    };
    onChooser([](TMopChoiceForm& chooser) { chooser.mopButton(QStringLiteral("Cash"))->click(); });
    onTender([&](TTenderedForm& tender) {
        EXPECT_EQ(tender.lblTotal->text(), QStringLiteral("33.50"));
        addOnTillTwo(9001);
        addOnTillTwo(9002);
        tender.btnTnd50->click();
        prompter.expectWarning(changed);
        tender.btnProcess->click();
    });
    payment()->click();
    settle();
    EXPECT_EQ(receipts(), before);
    EXPECT_EQ(form->pnlRight->lblTotal1->text(), QStringLiteral("51.00"));
    EXPECT_EQ(form->lines().list(LineLists::kMain).rowCount(), 4);

    // The check, too, is of the tab this screen shows or of none.
    addOnTillTwo(9003);
    prompter.expectWarning(changed);
    form->pnlRight->btnCheck->click();
    EXPECT_EQ(form->pnlRight->lblTotal1->text(), QStringLiteral("59.75"));

    // Read again, the whole tab is paid at once.
    pay(payment(), "Cash", "60");
    EXPECT_EQ(lastReceipt(), QStringLiteral("Table 1|59.75|60.00|Cash|0.00"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM tabline1 WHERE tabid = 3")), QStringLiteral("0"));
}

} // namespace
