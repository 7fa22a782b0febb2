#include "TillFixture.h"

#include "ModalWatcher.h"
#include "sales/ItemGrid.h"
#include "sales/ItemPage.h"
#include "sales/LineLists.h"
#include "sales/LinePanel.h"
#include "sales/ManRegisterPanel.h"
#include "ui/TKeyBoardForm.h"
#include "ui/TouchWidgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace pelora;
using test::TillTest;

namespace {

class ManualRegisterScreen : public TillTest {
protected:
    void SetUp() override {
        TillTest::SetUp();
        sql(QStringLiteral("UPDATE layout SET logoutmode = '0'"));
        ASSERT_TRUE(start());
    }
    ManRegisterPanel& panel() const { return *form->pgeItem->manRegister; }
    bool registerShown() const { return panel().isVisibleTo(form->pgeItem); }
    // Presses the register's keys in turn: keypad captions, "x" and "Add".
    void press(std::initializer_list<const char*> keys) {
        for (const char* k : keys) {
            const QString caption = QString::fromLatin1(k);
            QPushButton* button = caption == QLatin1String("x")     ? panel().btnTimes
                                  : caption == QLatin1String("Add") ? panel().btnAdd
                                                                    : nullptr;
            for (QPushButton* key : panel().keys)
                if (key->text() == caption)
                    button = key;
            ASSERT_NE(button, nullptr) << k;
            ASSERT_TRUE(button->isEnabled()) << k;
            button->click();
        }
    }
    QString display() const { return panel().lblManRegPrice->text(); }
};

TEST_F(ManualRegisterScreen, AManualLineIsKeyedAndPaid) {
    printIntoMemory();
    ItemPage& item = *form->pgeItem;
    ASSERT_TRUE(item.btnManual->isEnabled()); // "On Manual"
    touchTab(QStringLiteral("Table 1"));
    item.btnManual->click();
    EXPECT_TRUE(registerShown());
    EXPECT_TRUE(captionIsRed(item.btnManual));
    EXPECT_EQ(form->state().currentLink, 0);

    prompter.expectInformation(QStringLiteral("Add a line to the Tab."));
    panel().btnPayment->click();

    test::whenModalOpens(QStringLiteral("KeyBoardForm"), [](QWidget* w) {
        auto* keyboard = static_cast<TKeyBoardForm*>(w);
        QTest::keyClicks(keyboard->edtScreen, QStringLiteral("Birthday cake"));
        keyboard->btnEnter->click();
    });
    panel().btnKeyboard->click();
    EXPECT_EQ(panel().edtItemName->text(), QStringLiteral("Birthday cake"));

    press({"1", "2", ".", "5", "x", "3"});
    EXPECT_EQ(display(), QStringLiteral("12.5 x 3"));
    press({"Add"});
    EXPECT_EQ(display(), QStringLiteral("0"));
    EXPECT_EQ(form->total1().toString(), QStringLiteral("37.50"));
    const db::RowSet& list1 = form->lines().list(LineLists::kMain);
    EXPECT_EQ(list1.value(u"itemname").asText(), QStringLiteral("Birthday cake"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT itemid || '|' || outputname FROM tabline1 WHERE tabid = 3")),
              QStringLiteral("1|Bar"));

    payInCash(panel().btnPayment, QStringLiteral("40"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT r.itemname || '|' || CAST(c.total AS NUMERIC(9, 2)) FROM recline r"
                                    " JOIN receipt c ON c.id = r.recid ORDER BY r.id DESC ROWS 1")),
              QStringLiteral("Birthday cake|37.50"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM tabline1 WHERE tabid = 3")), QStringLiteral("0"));
}

TEST_F(ManualRegisterScreen, ReleasingManualBringsTheItemsBack) {
    ItemPage& item = *form->pgeItem;
    item.btnManual->click();
    item.btnManual->click();
    EXPECT_FALSE(registerShown());
    EXPECT_FALSE(captionIsRed(item.btnManual));
    EXPECT_EQ(form->state().currentLink, 1);
    EXPECT_FALSE(form->pgeItem->grid->buttons.empty());
}

TEST_F(ManualRegisterScreen, OnAutoTheRegisterOpensOnEveryTabChoice) {
    relayout(QStringLiteral("manregmode = '2'"));
    ItemPage& item = *form->pgeItem;
    EXPECT_TRUE(registerShown());
    item.btnManual->click(); // closed by hand
    EXPECT_FALSE(registerShown());
    form->btnTab->click();
    touchTab(QStringLiteral("Table 2"));
    EXPECT_TRUE(registerShown());
    EXPECT_TRUE(item.btnManual->isChecked());
    EXPECT_EQ(form->pgcMain->currentWidget(), static_cast<QWidget*>(&item));

    relayout(QStringLiteral("manregmode = '0'"));
    EXPECT_FALSE(item.btnManual->isEnabled());
}

} // namespace
