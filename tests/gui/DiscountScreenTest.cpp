#include "TillFixture.h"

#include "ModalWatcher.h"
#include "sales/ExtraPage.h"
#include "sales/LineLists.h"
#include "sales/LinePanel.h"
#include "sales/TDiscChoiceForm.h"
#include "sales/TDiscLineForm.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

using namespace pelora;
using test::TillTest;

namespace {

class DiscountScreen : public TillTest {
protected:
    void SetUp() override {
        TillTest::SetUp();
        sql(QStringLiteral("UPDATE layout SET logoutmode = '0'"));
        sql(QStringLiteral("UPDATE item SET stopdisc = 'T' WHERE id = 17")); // no discount on coffee
        sql(QStringLiteral("INSERT INTO disc (id, name, rate, restricted, stopoveride) VALUES (6, 'Void', 101, 'F', 'F')"));
        sql(QStringLiteral("INSERT INTO disc (id, name, rate, restricted, stopoveride) VALUES (7, 'Odd', 100.5, 'F', 'F')"));
        ASSERT_TRUE(start());
    }
    // "Discount", then "One" or "All", then `act` on the chooser.
    void discount(bool all, std::function<void(TDiscChoiceForm&)> act, bool admin = false) {
        bool chose = false;
        test::whenModalOpens(QStringLiteral("DiscLineForm"), [&, all, act](QWidget* w) {
            auto* scope = static_cast<TDiscLineForm*>(w);
            EXPECT_EQ(scope->windowTitle(), QStringLiteral("DiscLineForm"));
            test::whenModalOpens(QStringLiteral("DiscChoiceForm"), [&, act, scope](QWidget* c) {
                chose = true;
                EXPECT_FALSE(scope->isVisible()); // out of sight while the chooser is up
                act(*static_cast<TDiscChoiceForm*>(c));
            });
            (all ? scope->btnAll : scope->btnOne)->click();
        });
        if (admin)
            form->OpenDiscLineForm(true);
        else
            form->pgeExtra->btnDiscount->click();
        settle();
        EXPECT_TRUE(chose);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr); // both closed
    }
    static std::function<void(TDiscChoiceForm&)> press(const char* caption) {
        return [caption](TDiscChoiceForm& chooser) {
            QPushButton* b = chooser.discButton(QString::fromLatin1(caption));
            ASSERT_NE(b, nullptr) << caption;
            b->click();
        };
    }
    QString total(int list) const {
        return (list == 1 ? form->pnlRight->lblTotal1 : form->pnlRight->lblTotal2)->text();
    }
    QString discounts(const char* table) {
        return scalar(QStringLiteral("SELECT LIST(itemname || ':' || COALESCE(discname, '') || ':' || CAST(discrate AS INTEGER), ', ')"
                                     " FROM (SELECT * FROM %1 ORDER BY id)")
                          .arg(QLatin1String(table)));
    }
};

TEST_F(DiscountScreen, ADiscountGoesOnEveryLineThatTakesOneAndTheSplitListComesFirst) {
    prompter.expectWarning(QStringLiteral("Add a line to the tab."));
    form->pgeExtra->btnDiscount->click();

    touchTab(QStringLiteral("Table 1"));
    touchItem(QStringLiteral("Pale Ale"));
    touchItem(QStringLiteral("Flat White"));
    touchItem(QStringLiteral("Lager"));
    discount(true, [](TDiscChoiceForm& chooser) {
        QStringList captions;
        for (QPushButton* b : chooser.discButtons())
            captions << b->text();
        // Staff is kept for the console.
        EXPECT_EQ(captions, QStringList({"No Discount", "Happy Hour", "Manager Comp^", "Regular", "Void", "Odd"}));
        EXPECT_EQ(chooser.discButtons()[1]->geometry().topLeft(), QPoint(5, 45));
        // Every caption can be read, the "^" too: the column is as wide as its longest.
        for (QPushButton* b : chooser.discButtons()) {
            EXPECT_EQ(b->width(), chooser.discButtons()[0]->width());
            EXPECT_GE(b->width(), std::max(100, b->fontMetrics().horizontalAdvance(b->text())));
        }
        // A rate no line can take leaves the chooser up.
        chooser.discButton(QStringLiteral("Odd"))->click();
        EXPECT_TRUE(chooser.isVisible());
        press("Happy Hour")(chooser);
    });
    EXPECT_EQ(discounts("tabline1"), QStringLiteral("Pale Ale:Happy Hour:10, Flat White::0, Lager:Happy Hour:10"));
    EXPECT_EQ(total(1), QStringLiteral("21.00")); // 8.55 + 4.80 + 7.65

    // With a line split out, the discount works on the second list only.
    form->lines().list(LineLists::kMain).first();
    form->pnlRight->btnSplit->click();
    discount(false, press("Manager Comp^"));
    EXPECT_EQ(discounts("tabline2"), QStringLiteral("Pale Ale:Manager Comp:100"));
    EXPECT_EQ(total(2), QStringLiteral("0.00"));
    EXPECT_EQ(total(1), QStringLiteral("12.45"));

    // Void deletes the split line instead; the first list is next.
    discount(false, press("Void"));
    EXPECT_FALSE(form->lines().hasLines(LineLists::kSplit));
    EXPECT_EQ(total(2), QStringLiteral("0.00"));
    EXPECT_EQ(discounts("tabline1"), QStringLiteral("Flat White::0, Lager:Happy Hour:10"));

    // The override reaches the coffee; Reset puts the table's lines back on no discount.
    discount(true, press("Manager Comp^"));
    EXPECT_EQ(total(1), QStringLiteral("0.00"));
    discount(true, [](TDiscChoiceForm& chooser) { chooser.btnReset->click(); });
    EXPECT_EQ(discounts("tabline1"), QStringLiteral("Flat White::0, Lager::0"));
    EXPECT_EQ(total(1), QStringLiteral("13.30"));

    // Close changes nothing; Void on all clears the tab.
    discount(true, [](TDiscChoiceForm& chooser) { chooser.btnClose->click(); });
    discount(true, press("Void"));
    EXPECT_FALSE(form->lines().hasLines(LineLists::kMain));
    EXPECT_EQ(total(1), QStringLiteral("0.00"));
}

TEST_F(DiscountScreen, AResetTakesTheAccountsDiscountAndTheConsoleOffersRestrictedOnes) {
    touchTab(QStringLiteral("Jones")); // Regular, 5 %
    touchItem(QStringLiteral("Pale Ale"));
    touchItem(QStringLiteral("Flat White"));
    EXPECT_EQ(discounts("tabline1"), QStringLiteral("Pale Ale:Regular:5, Flat White:Regular:0"));
    discount(
        true,
        [](TDiscChoiceForm& chooser) {
            EXPECT_NE(chooser.discButton(QStringLiteral("Staff")), nullptr);
            press("Staff")(chooser);
        },
        true);
    EXPECT_EQ(discounts("tabline1"), QStringLiteral("Pale Ale:Staff:25, Flat White:Regular:0"));
    form->lines().list(LineLists::kMain).first();
    discount(false, [](TDiscChoiceForm& chooser) { chooser.btnReset->click(); });
    EXPECT_EQ(discounts("tabline1"), QStringLiteral("Pale Ale:Regular:5, Flat White:Regular:0"));
    EXPECT_EQ(total(1), QStringLiteral("13.85")); // 9.025 + 4.80, up to 0.05
}

} // namespace
