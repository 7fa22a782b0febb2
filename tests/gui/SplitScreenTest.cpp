#include "TillFixture.h"

#include "ModalWatcher.h"
#include "payment/TMopChoiceForm.h"
#include "payment/TTenderedForm.h"
#include "print/MemorySpooler.h"
#include "print/TCheckChoiceForm.h"
#include "sales/LineLists.h"
#include "sales/LinePanel.h"
#include "tabs/TSplitChoiceForm.h"
#include "tabs/TSplitForm.h"
#include "ui/GlyphButton.h"
#include "ui/TKeyBoardForm.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QPushButton>
#include <QRect>
#include <QTableWidget>

using namespace pelora;
using test::TillTest;

namespace {

class SplitScreen : public TillTest {
protected:
    void SetUp() override {
        TillTest::SetUp();
        sql(QStringLiteral("UPDATE layout SET logoutmode = '0'"));
        ASSERT_TRUE(start());
    }
    // "Split", then `act` on the chooser; the test closes it (or the chooser closes itself).
    void chooser(const std::function<void(TSplitChoiceForm&)>& act) {
        bool opened = false;
        test::whenModalOpens(QStringLiteral("SplitChoiceForm"), [&](QWidget* w) {
            opened = true;
            auto& c = *static_cast<TSplitChoiceForm*>(w);
            EXPECT_EQ(c.windowTitle(), QStringLiteral("SplitChoiceForm"));
            act(c);
            if (c.isVisible())
                c.btnClose->click();
        });
        form->pnlRight->btnSRef->click();
        settle();
        EXPECT_TRUE(opened);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
    static QStringList column(const QTableWidget* grid, int c = 0) {
        QStringList out;
        for (int r = 0; r < grid->rowCount(); ++r)
            out << grid->item(r, c)->text();
        return out;
    }
    static QString selected(const QTableWidget* grid) {
        return grid->currentRow() < 0 ? QString() : grid->item(grid->currentRow(), 0)->text();
    }
    static void select(QTableWidget* grid, const char* ref) {
        const int row = static_cast<int>(column(grid).indexOf(QString::fromLatin1(ref)));
        ASSERT_GE(row, 0) << ref;
        grid->selectRow(row);
    }
    // Puts a split on list 1's current line through the chooser.
    void split(const char* ref) {
        chooser([ref](TSplitChoiceForm& c) {
            c.btnShowAll->click();
            select(c.grdSplits, ref);
            c.btnSetSplitRef->click();
            EXPECT_FALSE(c.isVisible());
        });
    }
    QString lines(const char* table) {
        return scalar(QStringLiteral("SELECT LIST(itemname || ':' || COALESCE(splitref, '') || ':' ||"
                                     " COALESCE(discname, '') || ':' || CAST(discrate AS INTEGER), ', ')"
                                     " FROM (SELECT * FROM %1 ORDER BY id)")
                          .arg(QLatin1String(table)));
    }
};

TEST_F(SplitScreen, TheChooserPutsASplitOnTheLineAndOpensWhereTheLastWasChosen) {
    touchTab(QStringLiteral("Table 1"));
    prompter.expectInformation(QStringLiteral("First add an item."));
    chooser([](TSplitChoiceForm& c) {
        EXPECT_EQ(c.categoryButtons().size(), 3u); // nothing remembered yet: every category
        EXPECT_EQ(c.grdSplits->rowCount(), 6);
        c.btnSetSplitRef->click(); // no line to put it on
    });

    touchItem(QStringLiteral("Pale Ale"));
    chooser([](TSplitChoiceForm& c) {
        // A finger's height, one every 30.
        EXPECT_EQ(c.categoryButtons().at(2)->geometry(), QRect(5, 65, c.categoryButtons().at(2)->width(), 26));
        c.categoryButtons().at(2)->click(); // Seats
        EXPECT_EQ(column(c.grdSplits), QStringList({"Seat 1", "Seat 2", "Seat 3", "Seat 4"}));
        c.grdSplits->selectRow(1);
        c.btnSetSplitRef->click();
    });
    EXPECT_EQ(lines("tabline1"), QStringLiteral("Pale Ale:Seat 2::0"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT splitmsg FROM tabline1")), QStringLiteral("Seat 2"));

    // A new line opens the chooser on the category and the split chosen last.
    touchItem(QStringLiteral("Lager"));
    chooser([](TSplitChoiceForm& c) {
        EXPECT_TRUE(c.edtSearch->text().isEmpty());
        ASSERT_EQ(c.categoryButtons().size(), 1u);
        EXPECT_EQ(c.categoryButtons().at(0)->text(), QStringLiteral("Seats"));
        EXPECT_EQ(selected(c.grdSplits), QStringLiteral("Seat 2"));
        EXPECT_EQ(column(c.grdRefs1), QStringList({"Seat 2"}));
        select(c.grdSplits, "Seat 3");
        emit c.grdSplits->cellDoubleClicked(c.grdSplits->currentRow(), 0);
        EXPECT_FALSE(c.isVisible());
    });

    // On a split line it opens on that line's split, and changing it is asked first.
    chooser([this](TSplitChoiceForm& c) {
        EXPECT_EQ(c.edtSearch->text(), QStringLiteral("Seat 3"));
        EXPECT_EQ(selected(c.grdSplits), QStringLiteral("Seat 3"));
        EXPECT_EQ(selected(c.grdRefs1), QStringLiteral("Seat 3"));
        select(c.grdSplits, "Seat 1");
        prompter.expectConfirm(QStringLiteral("Already split! Change the split reference?"), false);
        c.btnSetSplitRef->click();
        EXPECT_TRUE(c.isVisible());
        c.btnShowAll->click();
        EXPECT_EQ(c.categoryButtons().size(), 3u);
        select(c.grdSplits, "Birthday"); // Happy Hour, 10 %
        prompter.expectConfirm(QStringLiteral("Already split! Change the split reference?"), true);
        c.btnSetSplitRef->click();
    });
    EXPECT_EQ(lines("tabline1"), QStringLiteral("Pale Ale:Seat 2::0, Lager:Birthday:Happy Hour:10"));
    EXPECT_EQ(form->pnlRight->lblTotal1->text(), QStringLiteral("17.15")); // 9.50 + 7.65
}

TEST_F(SplitScreen, AGuestsLinesMoveToTheSecondListAndBackAndASplitIsCleared) {
    touchTab(QStringLiteral("Table 1"));
    touchItem(QStringLiteral("Pale Ale"));
    split("Seat 1");
    touchItem(QStringLiteral("Lager"));
    split("Seat 2");
    touchItem(QStringLiteral("Flat White"));
    split("Seat 2");
    touchItem(QStringLiteral("Pale Ale"));

    chooser([this](TSplitChoiceForm& c) {
        EXPECT_EQ(column(c.grdRefs1), QStringList({"Seat 1", "Seat 2"}));
        EXPECT_EQ(c.grdRefs2->rowCount(), 0);
        c.btnUnSplit->click(); // nothing on the second list: nothing happens
        select(c.grdRefs1, "Seat 2");
        c.btnSplit->click();
        EXPECT_EQ(column(c.grdRefs1), QStringList({"Seat 1"}));
        EXPECT_EQ(column(c.grdRefs2), QStringList({"Seat 2"}));
        EXPECT_EQ(lines("tabline2"), QStringLiteral("Lager:Seat 2::0, Flat White:Seat 2::0"));
        EXPECT_EQ(form->pnlRight->lblTotal2->text(), QStringLiteral("13.30"));

        emit c.grdRefs2->cellDoubleClicked(0, 0); // back, as the button does
        EXPECT_EQ(c.grdRefs2->rowCount(), 0);
        c.btnSplitAll->click(); // every split line, the unsplit ale stays
        EXPECT_EQ(column(c.grdRefs2), QStringList({"Seat 1", "Seat 2"}));
        EXPECT_EQ(lines("tabline1"), QStringLiteral("Pale Ale:::0"));
        c.btnUnSplitAll->click();
        EXPECT_EQ(c.grdRefs2->rowCount(), 0);
        EXPECT_FALSE(form->lines().hasLines(LineLists::kSplit));

        select(c.grdRefs1, "Seat 2");
        c.btnClearSplitRef->click();
        EXPECT_EQ(column(c.grdRefs1), QStringList({"Seat 1"}));
        c.btnClearSplitRef->click();
        EXPECT_EQ(c.grdRefs1->rowCount(), 0);
        prompter.expectInformation(QStringLiteral("First add a split."));
        c.btnClearSplitRef->click();
    });
    EXPECT_EQ(form->lines().list(LineLists::kMain).rowCount(), 4);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM tabline1 WHERE discname = 'No Discount'"
                                    " AND splitref = '' AND splitmsg = ''")),
              QStringLiteral("3"));
}

TEST_F(SplitScreen, TheChooserFindsSplitsThroughTheKeyboard) {
    touchTab(QStringLiteral("Table 1"));
    touchItem(QStringLiteral("Pale Ale"));
    chooser([](TSplitChoiceForm& c) {
        test::whenModalOpens(QStringLiteral("KeyBoardForm"), [](QWidget* w) {
            auto* keyboard = static_cast<TKeyBoardForm*>(w);
            for (const char* key : {"S", "E", "A"})
                keyboard->key(QString::fromLatin1(key))->click();
            keyboard->btnEnter->click();
        });
        c.btnFind->click();
        EXPECT_EQ(c.edtSearch->text(), QStringLiteral("Sea"));
        EXPECT_EQ(column(c.grdSplits), QStringList({"Seat 1", "Seat 2", "Seat 3", "Seat 4"}));
        ASSERT_EQ(c.categoryButtons().size(), 1u); // the categories holding "Sea" too
        EXPECT_EQ(c.categoryButtons().at(0)->text(), QStringLiteral("Seats"));
        c.btnShowAll->click();
        EXPECT_EQ(c.grdSplits->rowCount(), 6);
        c.btnRefresh->click(); // the search again
        EXPECT_EQ(c.grdSplits->rowCount(), 4);
    });
}

TEST_F(SplitScreen, ASplitRenamedInTheEditorIsWhatTheChooserAndTheLineShowAfterwards) {
    touchTab(QStringLiteral("Table 1"));
    touchItem(QStringLiteral("Pale Ale"));
    split("Seat 3");
    touchItem(QStringLiteral("Lager"));
    form->lines().list(LineLists::kMain).first(); // the ale
    prompter.expectConfirm(QStringLiteral("Save changes?"), true);
    chooser([this](TSplitChoiceForm& c) {
        select(c.grdSplits, "Seat 3");
        test::whenModalOpens(QStringLiteral("SplitForm"), [](QWidget* w) {
            auto* editor = static_cast<TSplitForm*>(w);
            EXPECT_EQ(editor->currentRef(), QStringLiteral("Seat 3"));
            editor->edtRef->clear();
            QTest::keyClicks(editor->edtRef, QStringLiteral("Window"));
            editor->btnClose->click();
        });
        c.btnSplitForm->click();
        EXPECT_EQ(c.edtSearch->text(), QStringLiteral("Window"));
        EXPECT_EQ(column(c.grdSplits), QStringList({"Window"}));
        EXPECT_EQ(column(c.grdRefs1), QStringList({"Window"}));
        // The chooser still works on the line it was opened on.
        select(c.grdSplits, "Window");
        prompter.expectConfirm(QStringLiteral("Already split! Change the split reference?"), true);
        c.btnSetSplitRef->click();
    });
    EXPECT_EQ(lines("tabline1"), QStringLiteral("Pale Ale:Window::0, Lager:::0"));
}

TEST_F(SplitScreen, InTheAutomaticModeTheChooserFollowsTheQuantity) {
    relayout(QStringLiteral("splitmode = '2', qtymode = '3'"));
    touchTab(QStringLiteral("Table 1"));
    QStringList opened;
    test::whenModalOpens(QStringLiteral("QtyForm"), [&](QWidget* w) {
        opened << w->objectName();
        test::whenModalOpens(QStringLiteral("SplitChoiceForm"), [&](QWidget* c) {
            opened << c->objectName();
            auto* chooser = static_cast<TSplitChoiceForm*>(c);
            select(chooser->grdSplits, "Company");
            chooser->btnSetSplitRef->click();
        });
        w->close();
    });
    touchItem(QStringLiteral("Pale Ale"));
    settle();
    EXPECT_EQ(opened, QStringList({"QtyForm", "SplitChoiceForm"}));
    EXPECT_EQ(lines("tabline1"), QStringLiteral("Pale Ale:Company::0"));
}

// A table of four: each guest gets a split, each guest's check prints, one guest hands over 50
// against their check, and that guest's lines are moved to the second list and paid alone.
TEST_F(SplitScreen, ATableOfFourSplitsItsBillAndOneGuestPaysAlone) {
    MemorySpooler& spooler = printIntoMemory();
    touchTab(QStringLiteral("Table 1"));
    const std::pair<const char*, const char*> orders[] = {
        {"Pale Ale", "Seat 1"}, {"Lager", "Seat 2"}, {"Flat White", "Seat 2"}, {"Gin & Tonic", "Seat 3"}, {"Pale Ale", "Seat 4"}};
    for (const auto& [item, seat] : orders) {
        touchItem(QString::fromUtf8(item));
        split(seat);
    }

    test::whenOpens<TCheckChoiceForm>(QStringLiteral("CheckChoiceForm"), [&](TCheckChoiceForm& checks) {
        ASSERT_EQ(checks.splitButtons.size(), 4u);
        for (QPushButton* guest : checks.splitButtons)
            guest->click();
        test::whenOpens<TTenderedForm>(QStringLiteral("TenderedForm"), [](TTenderedForm& tender) {
            EXPECT_EQ(tender.btnProcess->text(), QStringLiteral("Print Check"));
            tender.btnTnd50->click();
            tender.btnProcess->click();
        });
        checks.preTenderButtons[1]->click(); // Seat 2
        checks.btnClose->click();
    });
    form->pnlRight->btnCheck->click();
    settle();
    const QString printed = QString::fromLatin1(spooler.bytesFor(QStringLiteral("Docket")));
    for (const char* seat : {"Seat 1", "Seat 2", "Seat 3", "Seat 4"})
        EXPECT_TRUE(printed.contains(QStringLiteral("Split:") + QString::fromLatin1(seat) + QStringLiteral("\r\n"))) << seat;
    EXPECT_EQ(printed.count(QStringLiteral("Check for Tab:Table 1 PC:Bar")), 5); // four checks and the pre-tender's

    chooser([](TSplitChoiceForm& c) {
        select(c.grdRefs1, "Seat 2");
        c.btnSplit->click();
    });
    EXPECT_EQ(lines("tabline2"), QStringLiteral("Lager:Seat 2::0, Flat White:Seat 2::0"));
    EXPECT_EQ(form->pnlRight->lblTotal2->text(), QStringLiteral("13.30"));

    test::whenOpens<TMopChoiceForm>(QStringLiteral("MopChoiceForm"),
                                    [](TMopChoiceForm& mops) { mops.mopButton(QStringLiteral("Cash"))->click(); });
    bool paid = false;
    test::whenOpens<TTenderedForm>(QStringLiteral("TenderedForm"), [&](TTenderedForm& tender) {
        paid = true;
        EXPECT_EQ(tender.edtTendered->text(), QStringLiteral("50.00")); // what the guest handed over
        EXPECT_EQ(tender.lblChange->text(), QStringLiteral("Change:    36.70"));
        tender.btnProcess->click();
    });
    form->pnlRight->btnTendered->click();
    settle();
    EXPECT_TRUE(paid);
    EXPECT_EQ(scalar(QStringLiteral("SELECT total FROM receipt WHERE tabid = 3")), QStringLiteral("13.3"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT tendered FROM receipt WHERE tabid = 3")), QStringLiteral("50"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT tendered FROM split WHERE ref = 'Seat 2'")), QStringLiteral("0"));
    EXPECT_FALSE(form->lines().hasLines(LineLists::kSplit));
    EXPECT_EQ(lines("tabline1"), QStringLiteral("Pale Ale:Seat 1::0, Gin & Tonic:Seat 3::0, Pale Ale:Seat 4::0"));
}

} // namespace
