#include "TillFixture.h"

#include "ModalWatcher.h"
#include "admin/TAdminForm.h"
#include "admin/TDiscForm.h"
#include "admin/TMopForm.h"
#include "app/TINIForm.h"
#include "payment/TMopChoiceForm.h"
#include "print/MemorySpooler.h"
#include "print/TCheckChoiceForm.h"
#include "sales/LineLists.h"
#include "sales/LinePanel.h"
#include "ui/THelpForm.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace pelora;
using test::TillTest;

namespace {

class RecordEditorScreen : public TillTest {
protected:
    void SetUp() override {
        TillTest::SetUp();
        sql(QStringLiteral("UPDATE layout SET logoutmode = '0'"));
    }
    static QStringList listed(TRecordEditorForm& editor) { return test::listedTexts(*editor.lstRecords); }
};

TEST_F(RecordEditorScreen, TypingEditsTheRowAndTheCaptionsFollowTheEdit) {
    ASSERT_TRUE(start());
    TDiscForm discs(module->db1, prompter);
    discs.open();
    discs.show();
    EXPECT_EQ(listed(discs), QStringList({"Happy Hour", "Manager Comp", "Regular", "Staff"}));
    auto* rate = discs.findChild<QLineEdit*>(QStringLiteral("edtRate"));
    auto* restricted = discs.findChild<QCheckBox*>(QStringLiteral("chkRestricted"));
    EXPECT_EQ(rate->text(), QStringLiteral("10"));

    // Choosing a row in the list shows it; typing puts it into edit; Cancel drops the edit.
    discs.lstRecords->setCurrentRow(3);
    EXPECT_TRUE(restricted->isChecked());
    restricted->click();
    EXPECT_EQ(discs.btnInsert->text(), QStringLiteral("Save"));
    EXPECT_EQ(discs.btnDelete->text(), QStringLiteral("Cancel"));
    discs.btnDelete->click();
    EXPECT_TRUE(restricted->isChecked());
    EXPECT_EQ(discs.btnInsert->text(), QStringLiteral("Insert"));

    // A rate typed with a slip is refused on Save and stays to be mended.
    rate->setFocus();
    rate->selectAll();
    QTest::keyClicks(rate, QStringLiteral("2x"));
    prompter.expectWarning(QStringLiteral("Rate must be a number from 0 to 100, or 101 to delete the lines."));
    discs.btnInsert->click();
    EXPECT_EQ(rate->text(), QStringLiteral("2x"));
    QTest::keyClick(rate, Qt::Key_Backspace);
    discs.btnNext->click(); // moving on writes it
    EXPECT_EQ(scalar(QStringLiteral("SELECT rate FROM disc WHERE name = 'Staff'")),
              QStringLiteral("2"));

    test::whenOpens<THelpForm>(QStringLiteral("HelpForm"), [](THelpForm& help) {
        EXPECT_EQ(help.lines().size(), 5);
        EXPECT_EQ(help.lines().last(),
                  QStringLiteral("A discount of 100 will charge goods at zero, but still adjust any stock qty's if required."));
        help.reject();
    });
    discs.btnHelp->click();
}

TEST_F(RecordEditorScreen, AnEmptyListOffersOnlyInsert) {
    sql(QStringLiteral("DELETE FROM mop WHERE id > 1"));
    ASSERT_TRUE(start());
    TMopForm mops(module->db1, prompter);
    mops.open();
    EXPECT_TRUE(listed(mops).isEmpty());
    EXPECT_FALSE(mops.btnDelete->isEnabled());
    EXPECT_FALSE(mops.grpDetails->isEnabled());
    mops.btnInsert->click();
    EXPECT_EQ(listed(mops), QStringList({"New MOP"}));
    EXPECT_TRUE(mops.btnDelete->isEnabled());
    EXPECT_TRUE(mops.grpDetails->isEnabled());
    mops.btnInsert->click(); // the placeholder is there: no second one
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM mop")), QStringLiteral("2"));
}

TEST_F(RecordEditorScreen, TheConsolesIniKeepsWritingTheFileOffAndOffersTheReset) {
    ASSERT_TRUE(start());
    TAdminForm console(*form, *module, prompter, form.get());
    console.show();
    console.edtPassword->setText(test::admin1Password());
    console.btnLogin->click();
    bool opened = false;
    test::whenOpens<TINIForm>(QStringLiteral("INIForm"), [&opened](TINIForm& ini) {
        opened = true;
        EXPECT_FALSE(ini.btnWriteFile->isEnabled());
        ini.edtPCRef->setText(QStringLiteral("Elsewhere"));
        EXPECT_FALSE(ini.btnWriteFile->isEnabled());
        EXPECT_EQ(ini.master1().fieldIndex(u"moprequery") >= 0, true);
        ini.btnClose->click();
    });
    prompter.expectConfirm(QStringLiteral("Reset the application?"), false);
    console.permissionButtons.at(AdminPermissions::indexOf(QStringLiteral("admin2master")))->click();
    EXPECT_TRUE(opened);
    EXPECT_EQ(console.result(), QDialog::Accepted);
}

// A window that cannot be filled is named, and what follows it still happens.
TEST_F(RecordEditorScreen, AWindowThatCannotBeFilledIsNamedAndTheResetStillFollows) {
    ASSERT_TRUE(start());
    TAdminForm console(*form, *module, prompter, form.get());
    console.show();
    console.edtPassword->setText(test::admin1Password());
    console.btnLogin->click();
    module->db1.setStatementHook([](const QString& statement) {
        if (statement.contains(QLatin1String("FROM mop")) || statement.contains(QLatin1String("FROM receipt")))
            throw std::runtime_error("connection lost");
    });
    prompter.expectError(QStringLiteral("Cannot open MopForm."));
    prompter.expectConfirm(QStringLiteral("Reset the application?"), false);
    console.permissionButtons.at(AdminPermissions::indexOf(QStringLiteral("admin2mop")))->click();
    EXPECT_EQ(console.result(), QDialog::Accepted);
    prompter.expectError(QStringLiteral("Cannot open RecForm."));
    form->OpenReceiptHistory();
    module->db1.setStatementHook({});
}

// Jones Catering's account carries the 5% "Regular" discount.
// "Insert" in the payment-method editor, then the window closed (or the till stopped): the
// placeholder stays for the next "Insert", but no till shows a "New MOP" payment button.
TEST_F(RecordEditorScreen, APaymentMethodLeftAsItsPlaceholderIsNeverOffered) {
    ASSERT_TRUE(start());
    {
        TMopForm mops(module->db1, prompter);
        mops.open();
        mops.btnInsert->click();
        EXPECT_TRUE(listed(mops).contains(QStringLiteral("New MOP")));
        mops.reject();
    }
    reload();
    for (const char* requery : {"F", "T"}) {
        sql(QStringLiteral("UPDATE master SET moprequery = ?"), {QString::fromLatin1(requery)});
        reload();
        touchTab(QStringLiteral("Table 1"));
        touchItem(QStringLiteral("Pale Ale"));
        QStringList offered;
        test::whenOpens<TMopChoiceForm>(QStringLiteral("MopChoiceForm"), [&](TMopChoiceForm& chooser) {
            for (QPushButton* b : chooser.mopButtons)
                offered << b->text();
            chooser.btnClose->click();
        });
        form->pnlRight->btnTendered->click();
        EXPECT_EQ(offered, QStringList({"Account", "Cash", "EFTPOS"})) << requery;
    }
}

TEST_F(RecordEditorScreen, ALineWhoseDiscountWasDeletedKeepsItAndIsPaid) {
    ASSERT_TRUE(start());
    printIntoMemory(); // the bar's order goes out as the tab is paid
    touchTab(QStringLiteral("Jones"));
    touchItem(QStringLiteral("Pale Ale"));
    {
        TDiscForm discs(module->db1, prompter);
        discs.open();
        ASSERT_TRUE(discs.editor().locateNoCase(QStringLiteral("name"), QStringLiteral("Regular")));
        prompter.expectConfirm(QStringLiteral("Delete the disc record?"), true);
        discs.btnDelete->click();
        discs.reject();
    }
    reload();
    touchTab(QStringLiteral("Jones"));
    ASSERT_TRUE(form->lines().hasLines(LineLists::kMain));
    EXPECT_EQ(form->total1().toString(), QStringLiteral("9.05")); // 9.025, rounded up as the layout says

    payInCash(form->pnlRight->btnTendered, QStringLiteral("10"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT r.discname || '|' || CAST(c.total AS NUMERIC(9, 2)) FROM recline r"
                                    " JOIN receipt c ON c.id = r.recid ORDER BY r.id DESC ROWS 1")),
              QStringLiteral("Regular|9.05"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM tabline1 WHERE tabid = (SELECT id FROM tab WHERE ref = 'Jones Catering')")),
              QStringLiteral("0"));
}

TEST_F(RecordEditorScreen, ALineOfADeletedItemStillShowsPrintsIsSentAndIsPaid) {
    ASSERT_TRUE(start());
    MemorySpooler& spooler = printIntoMemory();
    touchTab(QStringLiteral("Table 1"));
    touchItem(QStringLiteral("Pale Ale"));
    touchItem(QStringLiteral("Lager"));
    // The manager deletes the item while the table still has it, and the screen rebuilds.
    sql(QStringLiteral("EXECUTE PROCEDURE item_del_one(2)"));
    reload();
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM li WHERE itemid = 2")), QStringLiteral("0"));

    touchTab(QStringLiteral("Table 1"));
    ASSERT_EQ(form->lines().list(LineLists::kMain).rowCount(), 2);
    EXPECT_EQ(form->total1().toString(), QStringLiteral("18.00"));

    test::whenOpens<TCheckChoiceForm>(QStringLiteral("CheckChoiceForm"), [](TCheckChoiceForm& window) { window.btnAll->click(); });
    form->pnlRight->btnCheck->click();
    EXPECT_TRUE(QString::fromLatin1(spooler.bytesFor(QStringLiteral("Docket"))).contains(QStringLiteral("Pale Ale")));

    // Sent to the bar with the other line; the stock of the item that is gone is skipped.
    form->pnlRight->btnProcess->click();
    settle();
    EXPECT_TRUE(QString::fromLatin1(spooler.bytesFor(QStringLiteral("BarPrinter"))).contains(QStringLiteral("1    Pale Ale\r\n")));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM tabline1 WHERE processed = 'F'")), QStringLiteral("0"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT qty FROM item WHERE id = 3")), QStringLiteral("71"));

    touchTab(QStringLiteral("Table 1"));
    payInCash(form->pnlRight->btnTendered, QStringLiteral("20"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT LIST(itemname, ',') FROM (SELECT itemname FROM recline ORDER BY id DESC ROWS 2)")),
              QStringLiteral("Lager,Pale Ale"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM tabline1 WHERE tabid = 3")), QStringLiteral("0"));
}

} // namespace
