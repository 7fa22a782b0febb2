#include "TillFixture.h"

#include "ModalWatcher.h"
#include "admin/AdminPermissions.h"
#include "admin/TAdminForm.h"
#include "admin/TStocktakeForm.h"
#include "sales/ExtraPage.h"
#include "sales/ItemPage.h"
#include "sales/LineLists.h"
#include "sales/LinePanel.h"
#include "sales/OptionsColumn.h"
#include "sales/TQtyForm.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

using namespace pelora;
using test::TillTest;

namespace {

class StocktakeScreen : public TillTest {
protected:
    void SetUp() override {
        TillTest::SetUp();
        sql(QStringLiteral("UPDATE layout SET logoutmode = '0'")); // no login keyboard after a reset
    }
    std::unique_ptr<TAdminForm> openConsole() {
        auto console = std::make_unique<TAdminForm>(*form, *module, prompter, form.get());
        console->show();
        return console;
    }
    // Touches an item and enters its count on the keypad that opens for it.
    void count(const QString& item, const QString& counted) {
        bool opened = false;
        test::whenOpens<TQtyForm>(QStringLiteral("QtyForm"), [&](TQtyForm& keypad) {
            opened = true;
            EXPECT_EQ(keypad.edtQty->text(), QStringLiteral("0"));
            keypad.edtQty->setText(counted);
            keypad.btnOK->click();
        });
        touchItem(item);
        EXPECT_TRUE(opened) << item.toStdString();
    }
    static QStringList column(const QTableWidget& grid, int c) {
        QStringList texts;
        for (int r = 0; r < grid.rowCount(); ++r)
            texts << grid.item(r, c)->text();
        return texts;
    }
    bool counting() const { return form->state().currentTab == SalesState::kStocktakeTab; }
};

TEST_F(StocktakeScreen, TheConsoleStartsACountThatTheExtraPageProcessesAndTheHistoryShows) {
    ASSERT_TRUE(start());
    LinePanel& right = *form->pnlRight;
    ExtraPage& extra = *form->pgeExtra;
    prompter.expectInformation(QStringLiteral("Not in Stocktake mode.\r\nSelect Admin > Stocktake."));
    extra.btnStocktake->click();

    auto console = openConsole();
    console->btnStocktake->click();
    EXPECT_FALSE(console->isVisible());
    ASSERT_TRUE(counting());
    EXPECT_EQ(right.lblTabRef->text(), QStringLiteral("Stocktake"));
    EXPECT_EQ(form->pgcMain->currentWidget(), form->pgeItem);
    EXPECT_FALSE(form->pgeItem->btnManual->isEnabled());
    EXPECT_TRUE(right.btnQtyInc->isEnabled());
    EXPECT_TRUE(right.btnQtyDec->isEnabled());
    EXPECT_FALSE(right.options->isVisibleTo(&right));
    EXPECT_EQ(form->normalRightPanelWidth(), 230);
    EXPECT_FALSE(right.pnlList2->isVisibleTo(&right));
    EXPECT_FALSE(right.btnSplit->isVisibleTo(&right));
    EXPECT_FALSE(right.lblBalance->isVisibleTo(&right));
    EXPECT_EQ(right.grpTab->height(), 34);
    for (QPushButton* off : {form->pgeItem->btnOpt, form->pgeItem->btnPreProcess, extra.btnTabOrder, extra.btnDiscount,
                             extra.btnRefund, extra.btnCredit, extra.btnReBalance, extra.btnMove, right.btnCheck,
                             right.btnTendered, right.btnProcess})
        EXPECT_FALSE(off->isEnabled()) << off->objectName().toStdString();
    EXPECT_TRUE(extra.btnStocktake->isEnabled());

    count(QStringLiteral("Pale Ale"), QStringLiteral("10"));
    count(QStringLiteral("Lager"), QStringLiteral("72"));
    prompter.expectInformation(QStringLiteral("Item: Pale Ale has already been counted."));
    touchItem(QStringLiteral("Pale Ale"));
    sql(QStringLiteral("UPDATE item SET qty = qty - 2 WHERE id = 2")); // sold on the Deck meanwhile

    const int id = scalar(QStringLiteral("SELECT GEN_ID(stocktakeid_gen, 0) FROM rdb$database")).toInt() + 1;
    prompter.expectConfirm(QStringLiteral("Process the stocktake?"), true);
    prompter.expectInformation(QStringLiteral("Stocktake ID: %1 complete. Item table was updated.").arg(id));
    extra.btnStocktake->click();
    EXPECT_EQ(scalar(QStringLiteral("SELECT qty FROM item WHERE id = 2")), QStringLiteral("8"));
    EXPECT_FALSE(counting());
    EXPECT_FALSE(form->lines().hasLines(LineLists::kMain));
    EXPECT_TRUE(right.btnTendered->isEnabled());
    EXPECT_TRUE(right.options->isVisibleTo(&right));
    EXPECT_NE(right.lblTabRef->text(), QStringLiteral("Stocktake"));

    // The history, from the console's Extras.
    sql(QStringLiteral("INSERT INTO stocktake (id, pcref, staffref) VALUES (?, 'Deck', 'Sam')"), {id + 10});
    console = openConsole();
    console->edtPassword->setText(test::admin1Password());
    console->btnLogin->click();
    bool opened = false;
    test::whenOpens<TStocktakeForm>(QStringLiteral("StocktakeForm"), [&](TStocktakeForm& history) {
        opened = true;
        EXPECT_EQ(history.windowTitle(), QStringLiteral("StocktakeForm"));
        // Newest first: the Deck's empty stocktake, then the Bar's.
        EXPECT_EQ(column(*history.grdStocktakes, 0), (QStringList{QString::number(id + 10), QString::number(id)}));
        EXPECT_EQ(history.edtPCRef->text(), QStringLiteral("Deck"));
        EXPECT_EQ(history.edtCost->text(), QStringLiteral("0.00"));
        EXPECT_EQ(history.grdLines->rowCount(), 0);
        history.btnLast->click();
        EXPECT_EQ(history.edtId->text(), QString::number(id));
        history.btnPrior->click();
        EXPECT_EQ(history.edtId->text(), QString::number(id + 10));
        history.btnNext->click();
        EXPECT_EQ(history.edtId->text(), QString::number(id));
        EXPECT_EQ(history.edtPCRef->text(), QStringLiteral("Bar"));
        EXPECT_EQ(history.edtPrice->text(), QStringLiteral("707.00"));
        EXPECT_EQ(column(*history.grdLines, 0), (QStringList{"Pale Ale", "Lager"}));
        history.btnDiscrepancies->click();
        EXPECT_EQ(column(*history.grdLines, 0), QStringList{"Pale Ale"});
        EXPECT_EQ(column(*history.grdLines, 1), QStringList{"48"});
        EXPECT_EQ(column(*history.grdLines, 2), QStringList{"10"});
        history.btnAllLines->click();
        EXPECT_EQ(history.grdLines->rowCount(), 2);

        prompter.expectInformation(QStringLiteral("Enter an ID to find."));
        history.btnFindId->click();
        prompter.expectInformation(QStringLiteral("Stocktake ID not valid."));
        history.edtFind->setText(QStringLiteral("one"));
        history.btnFindId->click();
        history.edtFind->setText(QString::number(id + 5));
        history.btnFindId->click();
        EXPECT_EQ(history.grdStocktakes->rowCount(), 0);
        EXPECT_TRUE(history.edtId->text().isEmpty());
        history.edtFind->setText(QString::number(id));
        history.btnFindId->click();
        EXPECT_EQ(column(*history.grdStocktakes, 0), QStringList{QString::number(id)});
        EXPECT_EQ(history.grdLines->rowCount(), 2);
        history.btnAll->click();
        EXPECT_TRUE(history.edtFind->text().isEmpty());
        EXPECT_EQ(column(*history.grdStocktakes, 0), (QStringList{QString::number(id), QString::number(id + 10)}));
        history.btnLast->click();
        history.btnFirst->click();
        EXPECT_EQ(history.edtId->text(), QString::number(id));
        prompter.expectConfirm(QStringLiteral("Logout Admin?"), false); // once the window has closed
        history.btnClose->click();
    });
    console->permissionButtons.at(AdminPermissions::indexOf(QStringLiteral("admin2xstocktake")))->click();
    EXPECT_TRUE(opened);
    EXPECT_FALSE(console->isVisible());
}

TEST_F(StocktakeScreen, ALayoutThatDoesNotCountNeverEntersStocktakeMode) {
    sql(QStringLiteral("UPDATE layout SET countmode = '0'"));
    ASSERT_TRUE(start());
    EXPECT_FALSE(openConsole()->btnStocktake->isEnabled());
    EXPECT_FALSE(form->pgeExtra->btnStocktake->isEnabled());
    EXPECT_FALSE(form->EnterStocktake());
    EXPECT_FALSE(counting());
    EXPECT_NE(form->pnlRight->lblTabRef->text(), QStringLiteral("Stocktake"));
    EXPECT_TRUE(form->pnlRight->options->isVisibleTo(form->pnlRight));
}

} // namespace
