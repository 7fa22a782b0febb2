#include "TillFixture.h"

#include "ModalWatcher.h"
#include "payment/TMopChoiceForm.h"
#include "payment/TTenderedForm.h"
#include "print/MemorySpooler.h"
#include "print/TCheckChoiceForm.h"
#include "sales/LinePanel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>

using namespace pelora;
using test::TillTest;

namespace {

class CheckScreen : public TillTest {
protected:
    void SetUp() override {
        TillTest::SetUp();
        sql(QStringLiteral("UPDATE layout SET logoutmode = '0'"));
        ASSERT_TRUE(start());
        spooler = &printIntoMemory();
    }
    static void onCheck(std::function<void(TCheckChoiceForm&)> act) {
        test::whenOpens<TCheckChoiceForm>(QStringLiteral("CheckChoiceForm"), std::move(act));
    }
    static void onTender(std::function<void(TTenderedForm&)> act) {
        test::whenOpens<TTenderedForm>(QStringLiteral("TenderedForm"), std::move(act));
    }
    // Table 1 with a burger and a beer (33.50), both for Seat 1, and a water in no split.
    void seatOneOnTableOne() {
        touchTab(QStringLiteral("Table 1"));
        touchItem(QStringLiteral("Burger"));
        touchItem(QStringLiteral("Pale Ale"));
        sql(QStringLiteral("UPDATE tabline1 SET splitref = 'Seat 1', splitmsg = 'Seat 1' WHERE tabid = 3"));
        form->ReadLineLists();
    }
    static QPushButton* buttonCaptioned(const std::vector<QPushButton*>& buttons, const QString& caption) {
        for (QPushButton* b : buttons)
            if (b->text() == caption)
                return b;
        ADD_FAILURE() << "no button " << caption.toStdString();
        return nullptr;
    }
    QString splitTendered(const char* ref) {
        return scalar(QStringLiteral("SELECT tendered FROM split WHERE ref = ?"), {ref});
    }
    // The papers on the docket printer, where the demo prints its checks too.
    QString printed() const { return QString::fromLatin1(spooler->bytesFor(QStringLiteral("Docket"))); }
    QPushButton* check() const { return form->pnlRight->btnCheck; }

    MemorySpooler* spooler = nullptr;
};

TEST_F(CheckScreen, WithoutSplitsOnlyTheWholeTabIsOfferedAndItsCheckPrints) {
    ASSERT_TRUE(check()->isEnabled());
    prompter.expectInformation(QStringLiteral("Add an item to the tab."));
    check()->click();

    relayout(QStringLiteral("splitmode = '0'"));
    seatOneOnTableOne();
    bool opened = false;
    onCheck([&](TCheckChoiceForm& window) {
        opened = true;
        EXPECT_EQ(window.windowTitle(), QStringLiteral("CheckChoiceForm"));
        EXPECT_EQ(window.lblTabRef->text(), QStringLiteral("Table 1"));
        EXPECT_TRUE(window.splitButtons.empty());
        EXPECT_FALSE(window.scrSplits->isVisibleTo(&window));
        QStringList offered;
        for (QPushButton* b : window.findChildren<QPushButton*>())
            if (b->isVisibleTo(&window))
                offered << b->text();
        offered.sort();
        EXPECT_EQ(offered, (QStringList{"+ Pre-Tender", "Add all to Check", "Close"}));
        window.btnAll->click();
        EXPECT_FALSE(window.isVisible()); // printed and closed
    });
    check()->click();
    EXPECT_TRUE(opened);
    EXPECT_TRUE(printed().contains(QStringLiteral("Check for Tab:Table 1 PC:Bar\r\n")));
    EXPECT_TRUE(printed().contains(QStringLiteral("Total:    33.50 ")));
    EXPECT_FALSE(printed().contains(QStringLiteral("Split:")));
}

TEST_F(CheckScreen, AShortOrAbandonedPreTenderStoresAndPrintsNothing) {
    seatOneOnTableOne();
    touchItem(QStringLiteral("Pale Ale")); // in no split
    onCheck([&](TCheckChoiceForm& window) {
        EXPECT_EQ(window.splits(), (QStringList{"", "Seat 1"}));
        ASSERT_EQ(window.splitButtons.size(), 2u);
        EXPECT_EQ(window.splitButtons[0]->text(), QStringLiteral("Unsplit"));
        EXPECT_EQ(window.splitButtons[1]->geometry(), QRect(5, 45, 150, window.splitButtons[1]->height()));
        ASSERT_EQ(window.preTenderButtons.size(), 1u); // none beside "Unsplit"
        EXPECT_EQ(window.preTenderButtons[0]->geometry().left(), 155);
        // At least 91 wide, and wide enough that its caption is never cut.
        QPushButton* preTender = window.preTenderButtons[0];
        EXPECT_GE(preTender->width(), std::max(91, preTender->fontMetrics().horizontalAdvance(preTender->text())));
        EXPECT_EQ(window.preTenderButtons[0]->y(), window.splitButtons[1]->y());

        onTender([&](TTenderedForm& tender) {
            EXPECT_EQ(tender.btnProcess->text(), QStringLiteral("Print Check"));
            EXPECT_EQ(tender.lblMop->text(), QStringLiteral("Cash"));
            EXPECT_EQ(tender.lblTotal->text(), QStringLiteral("33.50"));
            EXPECT_EQ(tender.edtTendered->text(), QStringLiteral("0"));
            tender.btnTnd20->click();
            prompter.expectInformation(QStringLiteral("Tender an amount."));
            tender.btnProcess->click();
            EXPECT_TRUE(tender.isVisible());
            tender.btnClose->click();
        });
        window.preTenderButtons[0]->click();
        EXPECT_TRUE(window.isVisible());
        EXPECT_FALSE(window.tendered());

        // The whole tab's pre-tender abandoned: the window stays for another choice.
        onTender([](TTenderedForm& tender) {
            tender.btnTnd100->click();
            tender.btnClose->click();
        });
        window.btnChg->click();
        EXPECT_TRUE(window.isVisible());
        window.btnClose->click();
    });
    check()->click();
    EXPECT_EQ(splitTendered("Seat 1"), QStringLiteral("0"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT tendered FROM tab WHERE id = 3")), QStringLiteral("0"));
    EXPECT_TRUE(printed().isEmpty());
}

TEST_F(CheckScreen, APreTenderOnASplitIsWherePaymentStartsAndThePaymentClearsIt) {
    seatOneOnTableOne();
    onCheck([&](TCheckChoiceForm& window) {
        EXPECT_EQ(window.splits(), QStringList{"Seat 1"});
        onTender([](TTenderedForm& tender) {
            tender.btnTnd50->click();
            tender.btnProcess->click();
        });
        window.preTenderButtons[0]->click();
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(window.tendered(), Money::fromWhole(50));
        // The window keeps the amount: the split's check printed again shows it too.
        spooler->documents.clear();
        window.splitButtons[0]->click();
        EXPECT_TRUE(printed().contains(QStringLiteral("Split:Seat 1\r\n")));
        EXPECT_TRUE(printed().contains(QStringLiteral("Change:    16.50 ")));
        window.btnClose->click();
    });
    check()->click();
    EXPECT_EQ(splitTendered("Seat 1"), QStringLiteral("50"));

    test::whenModalOpens(QStringLiteral("MopChoiceForm"), [](QWidget* w) {
        static_cast<TMopChoiceForm*>(w)->mopButton(QStringLiteral("Cash"))->click();
    });
    bool tendered = false;
    onTender([&](TTenderedForm& tender) {
        tendered = true;
        EXPECT_EQ(tender.btnProcess->text(), QStringLiteral("Process"));
        EXPECT_EQ(tender.edtTendered->text(), QStringLiteral("50.00"));
        EXPECT_EQ(tender.lblChange->text(), QStringLiteral("Change:    16.50"));
        tender.btnProcess->click();
    });
    form->pnlRight->btnTendered->click();
    settle();
    EXPECT_TRUE(tendered);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM tabline1 WHERE tabid = 3")), QStringLiteral("0"));
    EXPECT_EQ(splitTendered("Seat 1"), QStringLiteral("0"));
}

TEST_F(CheckScreen, AWholeTabPreTenderIsKeptWhenItsCheckCannotPrint) {
    seatOneOnTableOne();
    spooler->installed.removeAll(QStringLiteral("Docket"));
    onCheck([&](TCheckChoiceForm& window) {
        onTender([](TTenderedForm& tender) {
            tender.btnTnd50->click();
            tender.btnProcess->click();
        });
        prompter.expectError(QStringLiteral("Printer Docket not found"));
        window.btnChg->click();
        EXPECT_TRUE(window.isVisible()); // the failure ended the action before the window closed
        window.btnClose->click();
    });
    check()->click();
    EXPECT_EQ(scalar(QStringLiteral("SELECT tendered FROM tab WHERE id = 3")), QStringLiteral("50"));

    // Printed, it closes the window.
    spooler->installed << QStringLiteral("Docket");
    onCheck([&](TCheckChoiceForm& window) {
        onTender([](TTenderedForm& tender) {
            tender.btnTnd100->click();
            tender.btnProcess->click();
        });
        window.btnChg->click();
        EXPECT_FALSE(window.isVisible());
    });
    check()->click();
    EXPECT_EQ(scalar(QStringLiteral("SELECT tendered FROM tab WHERE id = 3")), QStringLiteral("100"));
    EXPECT_TRUE(printed().contains(QStringLiteral("Tendered:   100.00 ")));
}

} // namespace
