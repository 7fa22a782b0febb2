#include "TillFixture.h"

#include "ModalWatcher.h"
#include "app/Session.h"
#include "db/RowSet.h"
#include "sales/LineLists.h"
#include "sales/LinePanel.h"
#include "sales/ItemGrid.h"
#include "sales/ItemPage.h"
#include "sales/StatusLine.h"
#include "sales/TabPage.h"
#include "ui/GlyphButton.h"
#include "ui/KeyboardModes.h"
#include "ui/TKeyBoardForm.h"
#include "ui/TouchWidgets.h"

#include <QLabel>
#include <QListWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using namespace pelora;
using test::TillTest;

namespace {

void press(TKeyBoardForm& keyboard, const QString& keys) {
    for (const QChar c : keys) {
        QPushButton* key = keyboard.key(c == u' ' ? QStringLiteral("Space") : QString(c));
        ASSERT_NE(key, nullptr) << QString(c).toStdString();
        key->click();
    }
}

using Caps = KeyboardEntry::Caps;

TEST(Keyboard, KeysAppendWithACapitalFirstLetterAndCapsLock) {
    test::ScriptedPrompter prompter(test::gtestFailures());
    KeyboardModes modes;
    TKeyBoardForm keyboard(modes, prompter);
    EXPECT_EQ(keyboard.windowTitle(), QStringLiteral("KeyBoardForm"));
    press(keyboard, QStringLiteral("AB"));
    EXPECT_EQ(keyboard.edtScreen->text(), QStringLiteral("Ab"));
    EXPECT_EQ(keyboard.edtScreen->cursorPosition(), 2);

    keyboard.btnBack->click();
    keyboard.btnBack->click();
    keyboard.btnBack->click(); // nothing left to remove
    EXPECT_EQ(keyboard.text(), QString());
    press(keyboard, QStringLiteral("C"));
    EXPECT_EQ(keyboard.text(), QStringLiteral("C")); // a capital again

    keyboard.btnCaps->click();
    EXPECT_TRUE(captionIsRed(keyboard.btnCaps));
    press(keyboard, QStringLiteral("DE 7.;"));
    EXPECT_EQ(keyboard.text(), QStringLiteral("CDE 7.;"));
    keyboard.setPrefill(QStringLiteral("x"));
    keyboard.btnCaps->click(); // from lower case to caps lock
    keyboard.btnBack->click();
    EXPECT_EQ(keyboard.caps(), Caps::Lock); // caps lock stays on over an empty line
    keyboard.btnCaps->click();
    EXPECT_FALSE(captionIsRed(keyboard.btnCaps));
    EXPECT_EQ(keyboard.caps(), Caps::Lower);

    // A prefilled note goes on in lower case; a physical keyboard types into the line.
    keyboard.setPrefill(QStringLiteral("No ice"));
    press(keyboard, QStringLiteral(",A"));
    EXPECT_EQ(keyboard.text(), QStringLiteral("No ice,a"));
    keyboard.edtScreen->clear();
    QTest::keyClicks(keyboard.edtScreen, QStringLiteral("Well done"));
    press(keyboard, QStringLiteral("-X"));
    EXPECT_EQ(keyboard.text(), QStringLiteral("Well done-x"));

    keyboard.setMasked(true);
    EXPECT_EQ(keyboard.edtScreen->echoMode(), QLineEdit::Password);
}

TEST(Keyboard, EnterRunsTheModesActionAndOtherwiseOnlyCloses) {
    test::ScriptedPrompter prompter(test::gtestFailures());
    KeyboardModes modes;
    QStringList typed;
    bool accept = false;
    KeyboardModes::Registration note = modes.add(QStringLiteral("optmsg"), [&](const QString& text, TKeyBoardForm&) {
        typed << text;
        if (text == QStringLiteral("Fail"))
            throw std::runtime_error("The note could not be saved.");
        return accept;
    });

    TKeyBoardForm keyboard(modes, prompter);
    keyboard.setMode(QStringLiteral("OptMsg")); // modes compare in lower case
    keyboard.show();
    press(keyboard, QStringLiteral("NO"));
    keyboard.btnEnter->click(); // the action keeps it open
    EXPECT_TRUE(keyboard.isVisible());
    prompter.expectError(QStringLiteral("The note could not be saved."));
    keyboard.setPrefill(QStringLiteral("Fail"));
    keyboard.btnEnter->click();
    EXPECT_TRUE(keyboard.isVisible()); // a failure keeps the text to try again
    accept = true;
    keyboard.setPrefill(QStringLiteral("No onions"));
    QTest::keyClick(keyboard.edtScreen, Qt::Key_Return);
    EXPECT_FALSE(keyboard.isVisible());
    EXPECT_EQ(keyboard.result(), QDialog::Accepted);
    EXPECT_EQ(typed, QStringList({"No", "Fail", "No onions"}));

    // Nobody answers this mode: Enter only closes.
    TKeyBoardForm other(modes, prompter);
    other.setMode(QStringLiteral("receiptfind"));
    other.show();
    press(other, QStringLiteral("A"));
    other.btnEnter->click();
    EXPECT_FALSE(other.isVisible());
    EXPECT_EQ(typed.size(), 3);

    // Once the window that answered it is gone, the mode is unknown.
    note = KeyboardModes::Registration();
    EXPECT_EQ(modes.find(QStringLiteral("optmsg")), nullptr);
}

class Login : public TillTest {
protected:
    QString status(int panel) const { return form->statusLine().text(panel); }
    // Types on the next keyboard that opens and presses Enter; returns what it showed.
    void typeOnKeyboard(const QString& text, QString* title = nullptr) {
        test::whenModalOpens(QStringLiteral("KeyBoardForm"), [=](QWidget* w) {
            auto* keyboard = static_cast<TKeyBoardForm*>(w);
            if (title)
                *title = keyboard->windowTitle();
            EXPECT_EQ(keyboard->edtScreen->echoMode(), QLineEdit::Password);
            QTest::keyClicks(keyboard->edtScreen, text);
            keyboard->btnEnter->click();
            if (keyboard->isVisible())
                keyboard->btnClose->click();
        });
    }
    QString staffOfLastLine() { return scalar(QStringLiteral("SELECT staffref FROM tabline1 ORDER BY id DESC ROWS 1")); }
    void addBeer() {
        form->pgeTab->btnNonTab->click();
        for (QPushButton* b : form->pgeItem->grid->buttons)
            if (static_cast<GlyphButton*>(b)->caption() == QStringLiteral("Pale Ale")) {
                b->click();
                return;
            }
        ADD_FAILURE() << "no Pale Ale button";
    }
};

TEST_F(Login, WithLoginRequiredTheKeyboardComesUpAndStaffLogInInAnyCase) {
    sql(QStringLiteral("UPDATE staff SET pword = 'Secret' WHERE ref = 'Sam'"));
    QString title;
    typeOnKeyboard(QStringLiteral("sECRET"), &title);
    ASSERT_TRUE(start());
    EXPECT_EQ(form->btnLogout->text(), QStringLiteral("Logout"));
    settle();
    EXPECT_EQ(title, QStringLiteral("Login to Pelora"));
    EXPECT_EQ(module->session().staffRef, QStringLiteral("Sam"));
    EXPECT_EQ(status(0), QStringLiteral("PC/Staff: Bar/Sam"));
    EXPECT_TRUE(status(1).startsWith(QStringLiteral("Layout: ")));
    EXPECT_TRUE(form->sidePanelsShown());
    addBeer();
    EXPECT_EQ(staffOfLastLine(), QStringLiteral("Sam"));

    // "Logout" and the next staff member: new lines carry the new reference.
    typeOnKeyboard(QStringLiteral("1234"));
    form->btnLogout->click();
    EXPECT_EQ(module->session().staffRef, QStringLiteral("Alex"));
    addBeer();
    EXPECT_EQ(staffOfLastLine(), QStringLiteral("Alex"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM tabline1 WHERE staffref = 'Sam'")), QStringLiteral("1"));
}

TEST_F(Login, TheNextWaiterStartsOnTheStartPageAndTheLastTabKeepsItsLines) {
    sql(QStringLiteral("UPDATE staff SET pword = 'Secret' WHERE ref = 'Sam'"));
    typeOnKeyboard(QStringLiteral("1234"));
    ASSERT_TRUE(start());
    settle();
    touchTab(QStringLiteral("Table 1"));
    touchItem(QStringLiteral("Pale Ale"));
    form->btnExtra->click();
    ASSERT_EQ(form->state().currentTab, 3);

    typeOnKeyboard(QStringLiteral("Secret"));
    form->btnLogout->click();
    settle();
    EXPECT_EQ(module->session().staffRef, QStringLiteral("Sam"));
    EXPECT_EQ(form->state().currentTab, 0);
    EXPECT_EQ(form->pnlRight->lblTabRef->text(), QStringLiteral("Unknown"));
    EXPECT_EQ(form->pgcMain->currentWidget(), form->pgeTab); // the layout's start page
    EXPECT_EQ(form->pgeTab->tabList->currentRow(), -1);
    EXPECT_EQ(form->lines().list(LineLists::kMain).rowCount(), 0);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM tabline1 WHERE tabid = 3 AND staffref = 'Alex'")),
              QStringLiteral("1"));

    // Sam's first touch cannot go to Alex's table.
    form->btnLink->click();
    prompter.expectInformation(QStringLiteral("First select a Tab."));
    touchItem(QStringLiteral("Pale Ale"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM tabline1")), QStringLiteral("1"));
}

TEST_F(Login, AWrongPasswordKeepsTheKeyboardAndClosingItLeavesTheTillLoggedOut) {
    bool checked = false;
    test::whenModalOpens(QStringLiteral("KeyBoardForm"), [&](QWidget* w) {
        auto* keyboard = static_cast<TKeyBoardForm*>(w);
        prompter.expectError(QStringLiteral("Cannot Login. Check password and try again.") + kLineBreak +
                             QStringLiteral("If staff password cannot be found, use the admin password."));
        QTest::keyClicks(keyboard->edtScreen, QStringLiteral("999"));
        keyboard->btnEnter->click();
        EXPECT_TRUE(keyboard->isVisible());
        EXPECT_EQ(keyboard->text(), QStringLiteral("999"));
        keyboard->btnClose->click();
        checked = true;
    });
    ASSERT_TRUE(start());
    settle();
    EXPECT_TRUE(checked);
    EXPECT_EQ(module->session().staffRef, QStringLiteral("Default"));
    EXPECT_EQ(status(0), QString::fromLatin1(StatusLine::kLoggedOut));
    EXPECT_FALSE(form->sidePanelsShown());
    EXPECT_FALSE(form->btnLogin->isHidden());

    // "Login" brings the keyboard back; the database's own password logs in as its user.
    typeOnKeyboard(test::admin1Password());
    form->btnLogin->click();
    EXPECT_EQ(module->session().staffRef, QStringLiteral("admin1"));
    EXPECT_TRUE(form->sidePanelsShown());
}

TEST_F(Login, WithoutLoginTheTillStartsReadyAndCloseAsksFirst) {
    sql(QStringLiteral("UPDATE layout SET logoutmode = '0'"));
    ASSERT_TRUE(start());
    settle();
    EXPECT_EQ(module->session().staffRef, QStringLiteral("Default"));
    EXPECT_EQ(status(0), QStringLiteral("PC/Staff: Bar/Default"));
    EXPECT_TRUE(form->sidePanelsShown());
    EXPECT_EQ(form->btnLogout->text(), QStringLiteral("Close"));

    prompter.expectConfirm(QStringLiteral("Close Pelora?"), false);
    form->btnLogout->click();
    EXPECT_TRUE(form->isVisible());
    prompter.expectConfirm(QStringLiteral("Close Pelora?"), true);
    form->btnLogout->click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(form->lines().list(1).isOpen());
}

} // namespace
