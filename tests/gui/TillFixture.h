#pragma once

#include "app/TMainDataModule.h"
#include "sales/TMainForm.h"

#include "GTestSupport.h"
#include "TestDatabase.h"

#include <initializer_list>
#include <memory>

namespace pelora {
class GlyphButton;
class MemorySpooler;
} // namespace pelora

class QAbstractButton;
class QGroupBox;
class QLineEdit;
class QListWidget;

namespace pelora::test {

// The texts of a list's rows, in order.
QStringList listedTexts(const QListWidget& list);
// The choices shown down, as "group title=choice caption", one per group that has one.
QStringList chosenInGroups(const std::vector<QGroupBox*>& groups);
// Types into a field as the operator does, a key per letter whatever the letter: what was
// there is replaced.
void typeInto(QLineEdit* edit, const QString& text);

// A till started on a copy of the demo venue, in a folder of its own, with a scripted prompter.
// `db` is a second connection through which a test arranges rows, as the back office or another
// till would.
class TillTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes pelora.ini for the terminal and runs the start-up in the site folder; false when
    // the program would end at once.
    bool start(const QString& pcRef = QStringLiteral("Bar"));
    // Runs the start-up with the pelora.ini the test has written.
    bool startAsItIs();
    // Loads the settings again, as the console's application reset does.
    void reload();
    // Changes the demo layout ("qtymode = '2'") and loads the settings again.
    void relayout(const QString& assignments);
    // Lets what the till has posted to itself run (the status line after a grid rebuild).
    static void settle();
    void sql(const QString& statement, std::vector<db::Value> params = {});
    QString scalar(const QString& statement, std::vector<db::Value> params = {});

    // A picture folder of the site, "<site>/images/", made this terminal's image folder, with a
    // plain picture of each name and size given; its path.
    QString pictureFolder(const std::vector<std::pair<QString, QSize>>& pictures);
    // Prints into memory from now on, with the demo's printers "Docket", "Kitchen" and
    // "BarPrinter" installed.
    MemorySpooler& printIntoMemory();
    // The tab button of the shown map with this caption (a failure when there is none).
    GlyphButton* tabButton(const QString& caption) const;
    void touchTab(const QString& caption);
    void touchItem(const QString& caption);
    // Drags a button by `by` with the mouse, as a finger would: the pointer positions are where
    // the button was pressed plus the way gone, wherever the button has moved to meanwhile.
    static void drag(QWidget* button, std::initializer_list<QPoint> by);
    // Pays in cash through the chooser and the tender window that `payment` opens, keying
    // `tendered` on the tender window's keypad.
    void payInCash(QAbstractButton* payment, const QString& tendered);

    template <typename Widget>
    Widget* child(const char* name) const {
        auto* w = form->findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    TestSite site;
    db::Connection db;
    ScriptedPrompter prompter{gtestFailures()};
    std::unique_ptr<CurrentDirectory> cwd;
    std::unique_ptr<TMainForm> form;
    std::unique_ptr<TMainDataModule> module;
    int beeps = 0;
};

} // namespace pelora::test
