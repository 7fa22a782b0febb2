#include "ModalWatcher.h"
#include "ui/QtPrompter.h"

#include "GTestSupport.h"

#include <QAbstractButton>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>

using namespace pelora;

namespace {

// Every button of a prompt is pressed by a finger: none is lower than a touch button.
void expectTouchButtons(QWidget* box) {
    const QList<QAbstractButton*> buttons = box->findChildren<QAbstractButton*>();
    EXPECT_FALSE(buttons.isEmpty());
    for (const QAbstractButton* b : buttons)
        EXPECT_GE(b->height(), 44) << b->text().toStdString();
}

QAbstractButton* button(QWidget* box, QMessageBox::StandardButton which) {
    return static_cast<QMessageBox*>(box)->button(which);
}

TEST(QtPrompter, MessagesAndQuestionsHaveButtonsAFingerCanHit) {
    QtPrompter prompter;
    test::whenModalOpens([](QWidget* box) {
        expectTouchButtons(box);
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Pelora"));
        button(box, QMessageBox::Ok)->click();
    });
    prompter.information(QStringLiteral("Add a line to the tab."));

    test::whenModalOpens([](QWidget* box) {
        expectTouchButtons(box);
        button(box, QMessageBox::Yes)->click();
    });
    EXPECT_TRUE(prompter.confirm(QStringLiteral("Close Pelora?")));
    test::whenModalOpens([](QWidget* box) { button(box, QMessageBox::No)->click(); });
    EXPECT_FALSE(prompter.confirm(QStringLiteral("Close Pelora?")));

    test::whenModalOpens([](QWidget* box) {
        expectTouchButtons(box);
        button(box, QMessageBox::Cancel)->click();
    });
    EXPECT_EQ(prompter.confirmWithCancel(QStringLiteral("Save changes?")), Prompter::Answer::Cancel);
}

TEST(QtPrompter, TheTextBoxHasTouchButtonsAndCancelGivesNothing) {
    QtPrompter prompter;
    test::whenModalOpens([](QWidget* box) {
        expectTouchButtons(box);
        EXPECT_EQ(box->findChild<QLineEdit*>()->echoMode(), QLineEdit::Password);
        box->findChild<QLineEdit*>()->setText(QStringLiteral("secret"));
        static_cast<QDialog*>(box)->accept();
    });
    EXPECT_EQ(prompter.inputText(QStringLiteral("Try manual password entry"), QStringLiteral("Enter Password"),
                                 QString(), Prompter::Echo::Password),
              QStringLiteral("secret"));
    test::whenModalOpens([](QWidget* box) { static_cast<QDialog*>(box)->reject(); });
    EXPECT_EQ(prompter.inputText(QStringLiteral("Caption"), QStringLiteral("Prompt"), QStringLiteral("x"),
                                 Prompter::Echo::Normal),
              std::nullopt);
}

} // namespace
