#include "TillFixture.h"

#include "ModalWatcher.h"
#include "sales/LinePanel.h"
#include "sales/TSearchForm.h"
#include "sales/TabPage.h"
#include "ui/TKeyBoardForm.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

using namespace pelora;
using test::TillTest;

namespace {

class FastFindScreen : public TillTest {
protected:
    void SetUp() override {
        TillTest::SetUp();
        sql(QStringLiteral("UPDATE layout SET logoutmode = '0'"));
    }
    // The Bar till on the NonTab, the find box holding the focus as a scanner finds it.
    void startOnNonTab(const QString& findMode) {
        ASSERT_TRUE(start());
        relayout(QStringLiteral("findmode = '%1'").arg(findMode));
        form->pgeTab->btnNonTab->click();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        box()->setFocus();
    }
    QLineEdit* box() const { return form->pnlRight->edtFind; }
    void scan(const QString& code) {
        QTest::keyClicks(box(), code);
        QTest::keyClick(box(), Qt::Key_Return);
    }
    // The NonTab's lines, oldest first.
    QString lines() {
        return scalar(QStringLiteral("SELECT LIST(itemname, ',') FROM"
                                     " (SELECT itemname FROM tabline1 WHERE tabid = 1 ORDER BY id)"));
    }
};

TEST_F(FastFindScreen, AScannedCodeAddsItsItemAndTheBoxIsReadyForTheNext) {
    startOnNonTab(QStringLiteral("1"));
    EXPECT_FALSE(box()->isReadOnly());
    scan(QStringLiteral("9300001000029"));
    EXPECT_EQ(lines(), QStringLiteral("Lager"));
    EXPECT_EQ(form->pnlRight->tabline1->model()->rowCount(), 1);
    EXPECT_TRUE(box()->text().isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), box());
    scan(QStringLiteral("9300001000029"));
    EXPECT_EQ(lines(), QStringLiteral("Lager,Lager"));

    // F9 searches too, here by stock number in any letter case, chosen with a touch.
    for (QRadioButton* choice : {form->pnlRight->rbBarcode, form->pnlRight->rbStockNo, form->pnlRight->rbBoth})
        EXPECT_TRUE(choice->isEnabled());
    QTest::mouseClick(form->pnlRight->rbStockNo, Qt::LeftButton);
    EXPECT_TRUE(form->pnlRight->rbStockNo->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), box()); // ready for the code
    QTest::keyClicks(box(), QStringLiteral("beer-pa"));
    QTest::keyClick(box(), Qt::Key_F9);
    EXPECT_EQ(lines(), QStringLiteral("Lager,Lager,Pale Ale"));

    // A code nobody has leaves the box as typed and adds nothing.
    scan(QStringLiteral("nothing"));
    EXPECT_EQ(box()->text(), QStringLiteral("nothing"));
    EXPECT_EQ(lines(), QStringLiteral("Lager,Lager,Pale Ale"));
}

TEST_F(FastFindScreen, TheResultListChoosesAmongItemsSharingACode) {
    sql(QStringLiteral("UPDATE item SET barcode2 = '9300001000029' WHERE id = 9")); // Cola, Lager's code
    startOnNonTab(QStringLiteral("1"));
    test::whenOpens<TSearchForm>(QStringLiteral("SearchForm"), [](TSearchForm& list) {
        EXPECT_EQ(list.windowTitle(), QStringLiteral("SearchForm"));
        ASSERT_EQ(list.grdItems->rowCount(), 2);
        EXPECT_EQ(list.grdItems->horizontalHeaderItem(5)->text(), QStringLiteral("STOP"));
        EXPECT_EQ(list.grdItems->item(1, 1)->text(), QStringLiteral("Cola"));
        list.grdItems->selectRow(1);
        list.btnSelect->click();
    });
    scan(QStringLiteral("9300001000029"));
    EXPECT_EQ(lines(), QStringLiteral("Cola"));

    test::whenOpens<TSearchForm>(QStringLiteral("SearchForm"), [](TSearchForm& list) { list.btnClose->click(); });
    scan(QStringLiteral("9300001000029"));
    EXPECT_EQ(lines(), QStringLiteral("Cola"));

    // The search fails: the operator is told and nothing is added.
    module->db1.setStatementHook([](const QString& sql) {
        if (sql.contains(QLatin1String("barcode1")))
            throw std::runtime_error("the connection dropped");
    });
    prompter.expectError(QStringLiteral("Cannot open SearchForm."));
    form->pnlRight->btnSearch->click();
    module->db1.setStatementHook({});
    EXPECT_EQ(lines(), QStringLiteral("Cola"));
}

TEST_F(FastFindScreen, WithTheKeyboardModeTheBoxIsFilledFromTheOnScreenKeyboard) {
    startOnNonTab(QStringLiteral("2"));
    EXPECT_TRUE(box()->isReadOnly());
    test::whenOpens<TKeyBoardForm>(QStringLiteral("KeyBoardForm"), [](TKeyBoardForm& keyboard) {
        for (const char* key : {"9", "3", "0", "0", "0", "0", "1", "0", "0", "0", "0", "7", "4"})
            keyboard.key(QString::fromLatin1(key))->click();
        keyboard.btnEnter->click();
    });
    form->pnlRight->btnSearch->click();
    EXPECT_EQ(lines(), QStringLiteral("Gin & Tonic"));
    EXPECT_TRUE(box()->text().isEmpty());
}

} // namespace
