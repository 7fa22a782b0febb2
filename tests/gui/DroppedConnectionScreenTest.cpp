#include "TillFixture.h"

#include "ModalWatcher.h"
#include "admin/AdminPermissions.h"
#include "admin/TAdminForm.h"
#include "admin/TStaffForm.h"
#include "db/DbError.h"
#include "payment/TMopChoiceForm.h"
#include "payment/TTenderedForm.h"
#include "print/MemorySpooler.h"
#include "sales/ItemGrid.h"
#include "sales/ItemPage.h"
#include "sales/LinePanel.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QThread>

using namespace pelora;
using test::TillTest;

namespace {

// The server or the network drops the till's connection while a window is open over the sales
// screen: one message says so when an action needs the database, the timers never put a box
// up of their own, and the next action works once the database can be reached again.
class DroppedConnection : public TillTest {
protected:
    void SetUp() override {
        TillTest::SetUp();
        sql(QStringLiteral("UPDATE layout SET logoutmode = '0'"));
        ASSERT_TRUE(start());
        spooler = &printIntoMemory();
        receiptsBefore = receipts();
    }
    void TearDown() override {
        if (QFile::exists(away()))
            bringBack();
        TillTest::TearDown();
    }
    // The database goes out of reach, as when its server stops: every attachment is ended, the
    // server closes the file and cannot open it again, until it comes back.
    QString database() const { return site.folder() + QStringLiteral("/pelora.gdb"); }
    QString away() const { return database() + QStringLiteral(".away"); }
    void putAway() {
        {
            db::Connection server;
            server.connect({QStringLiteral("SYSDBA"), test::sysdbaPassword(), QString(), site.databasePath()});
            server.run(QStringLiteral("DELETE FROM MON$ATTACHMENTS WHERE MON$ATTACHMENT_ID <> CURRENT_CONNECTION"
                                      " AND MON$SYSTEM_FLAG = 0"));
        }
        ASSERT_TRUE(QFile::rename(database(), away()));
        // The server closes the file a moment after its last attachment ends; until then the
        // name still reaches the open database.
        for (int tries = 0; tries < 100; ++tries) {
            db::Connection probe;
            try {
                probe.connect({QStringLiteral("SYSDBA"), test::sysdbaPassword(), QString(), site.databasePath()});
            } catch (const db::DbError&) {
                return;
            }
            probe.disconnect();
            QThread::msleep(50);
        }
        FAIL() << "the database could still be reached";
    }
    void bringBack() { ASSERT_TRUE(QFile::rename(away(), database())); }

    QString receipts() { return scalar(QStringLiteral("SELECT COUNT(*) FROM receipt")); }
    QString openLines() { return scalar(QStringLiteral("SELECT COUNT(*) FROM tabline1 WHERE tabid = 3")); }
    int kitchenPapers() const {
        int papers = 0;
        for (const MemorySpooler::Document& d : spooler->documents)
            papers += d.printer == QLatin1String("Kitchen") ? 1 : 0;
        return papers;
    }
    int gridButtons() const { return static_cast<int>(form->pgeItem->grid->buttons.size()); }
    void orderBurgerAndAle() {
        touchTab(QStringLiteral("Table 1"));
        touchItem(QStringLiteral("Burger"));
        touchItem(QStringLiteral("Pale Ale"));
    }
    // Pays Table 1 in cash through the chooser; `inTender` acts in the tender window.
    void inTenderWindow(const std::function<void(TTenderedForm&)>& inTender) {
        test::whenOpens<TMopChoiceForm>(QStringLiteral("MopChoiceForm"), [](TMopChoiceForm& chooser) {
            chooser.mopButton(QStringLiteral("Cash"))->click();
        });
        test::whenOpens<TTenderedForm>(QStringLiteral("TenderedForm"), inTender);
        form->pnlRight->btnTendered->click();
        settle();
    }

    // "Process" in the tender window: true when the sale went through (the window closed); a
    // window left open is closed, so that the test goes on.
    static bool processPays(TTenderedForm& tender) {
        tender.btnProcess->click();
        if (!tender.isVisible())
            return true;
        tender.btnClose->click();
        return false;
    }
    // The table was paid once: one receipt more, no line left, the kitchen's order printed once.
    void expectPaidOnce(bool paid) {
        EXPECT_TRUE(paid);
        EXPECT_EQ(receipts().toInt(), receiptsBefore.toInt() + 1);
        EXPECT_EQ(openLines(), QStringLiteral("0"));
        EXPECT_EQ(kitchenPapers(), 1);
    }

    MemorySpooler* spooler = nullptr;
    QString receiptsBefore;
};

TEST_F(DroppedConnection, UnderTheTenderWindowTheRefreshGoesOnAndTheSaleGoesThroughOnce) {
    orderBurgerAndAle();
    bool paid = false;
    inTenderWindow([&](TTenderedForm& tender) {
        test::dropOnServer(module->db1);
        const int shown = gridButtons();
        form->RefreshTimerTick(); // no box, no blank grid
        settle();
        EXPECT_EQ(gridButtons(), shown);
        EXPECT_GT(shown, 0);
        tender.btnTnd50->click();
        paid = processPays(tender);
    });
    expectPaidOnce(paid);
}

TEST_F(DroppedConnection, OutOfReachThePaymentSaysSoOnceAndGoesThroughWhenTheDatabaseIsBack) {
    orderBurgerAndAle();
    bool paid = false;
    inTenderWindow([&](TTenderedForm& tender) {
        test::dropOnServer(module->db1);
        putAway();
        const int shown = gridButtons();
        form->RefreshTimerTick(); // says nothing over the tender window, and keeps the grid
        settle();
        EXPECT_EQ(gridButtons(), shown);
        tender.btnTnd50->click();
        // The database, not the printer: one message, and the window stays for another try.
        prompter.expectError(db::DbError::connectionLostMessage());
        tender.btnProcess->click();
        EXPECT_TRUE(tender.isVisible());
        EXPECT_EQ(kitchenPapers(), 0);
        bringBack();
        paid = processPays(tender);
    });
    expectPaidOnce(paid);
}

// Dropped in the middle of the commit: nothing is recorded, the lines stay, and the next
// "Process" takes the money once.
TEST_F(DroppedConnection, InTheMiddleOfTheCommitNothingIsRecordedAndTheNextProcessPaysOnce) {
    orderBurgerAndAle();
    const long long attachment = test::attachmentId(module->db1);
    const QString path = site.databasePath();
    bool dropped = false;
    module->db1.setStatementHook([&](const QString& statement) {
        if (!dropped && statement.startsWith(QStringLiteral("INSERT INTO recline"))) {
            dropped = true;
            test::endAttachment(path, attachment);
        }
    });
    bool paid = false;
    inTenderWindow([&](TTenderedForm& tender) {
        tender.btnTnd50->click();
        prompter.expectError(db::DbError::connectionLostMessage());
        tender.btnProcess->click();
        EXPECT_TRUE(dropped);
        EXPECT_TRUE(tender.isVisible());
        EXPECT_EQ(receipts(), receiptsBefore);
        EXPECT_EQ(openLines(), QStringLiteral("2"));
        paid = processPays(tender);
    });
    module->db1.setStatementHook({});
    expectPaidOnce(paid);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM recline WHERE recid = (SELECT MAX(id) FROM receipt)")),
              QStringLiteral("2"));
}

// In the back office: an editor opened while the database is out of reach says the one message,
// not "Cannot open StaffForm.", and opens once it is back.
TEST_F(DroppedConnection, InTheConsoleAnEditorSaysTheConnectionWasLostAndOpensOnceItIsBack) {
    TAdminForm console(*form, *module, prompter, form.get());
    console.show();
    console.edtPassword->setText(test::admin1Password());
    console.btnLogin->click();
    QPushButton* staff = console.permissionButtons.at(AdminPermissions::indexOf(QStringLiteral("admin2staff")));

    test::dropOnServer(module->db1);
    putAway();
    prompter.expectError(db::DbError::connectionLostMessage());
    staff->click();
    form->RefreshTimerTick();
    settle();
    EXPECT_EQ(prompter.shown().size(), 1u);

    bringBack();
    bool opened = false;
    test::whenOpens<TStaffForm>(QStringLiteral("StaffForm"), [&](TStaffForm& editor) {
        opened = true;
        editor.btnClose->click();
    });
    prompter.expectConfirm(QStringLiteral("Reset the application?"), true);
    staff->click();
    settle();
    EXPECT_TRUE(opened);
    EXPECT_TRUE(module->db1.ping());
}

} // namespace
