#include "TillFixture.h"

#include "app/IniFile.h"
#include "app/TINIForm.h"
#include "ui/THelpForm.h"

#include "ModalWatcher.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>

using namespace pelora;
using test::TillTest;

namespace {

class IniEditor : public TillTest {
protected:
    void SetUp() override {
        TillTest::SetUp();
        sql(QStringLiteral("UPDATE layout SET logoutmode = '0'"));
        sql(QStringLiteral("UPDATE pc SET imagepath = '/srv/pelora/images/'"));
        ASSERT_TRUE(start());
    }
    std::unique_ptr<TINIForm> openEditor() {
        auto editor = std::make_unique<TINIForm>(*module, form->settings().imagePath, prompter);
        editor->openMaster();
        return editor;
    }
    int terminalsCalled(const QString& ref) {
        return scalar(QStringLiteral("SELECT COUNT(*) FROM pc WHERE ref = ?"), {ref}).toInt();
    }
    QCheckBox* flag(TINIForm& editor, const char* name) {
        return editor.findChild<QCheckBox*>(QString::fromLatin1(name));
    }
};

TEST_F(IniEditor, ShowsTheFileWithWritingOffUntilSomethingChanges) {
    auto editor = openEditor();
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("INIForm"));
    EXPECT_EQ(editor->edtPassword->text(), test::sysdbaPassword());
    EXPECT_EQ(editor->edtPCRef->text(), QStringLiteral("Bar"));
    EXPECT_EQ(editor->edtDBPath->text(), site.dbPath());
    EXPECT_FALSE(editor->btnWriteFile->isEnabled());
    editor->edtDBPath->setText(editor->edtDBPath->text() + QStringLiteral("x"));
    EXPECT_TRUE(editor->btnWriteFile->isEnabled());
    EXPECT_EQ(editor->edtPCRef->maxLength(), 20);
}

TEST_F(IniEditor, BlankFieldsAreRefusedOneAtATime) {
    const auto before = IniFile::read(site.iniFile());
    auto editor = openEditor();
    editor->edtPassword->clear();
    editor->edtPCRef->clear();
    editor->edtDBPath->clear();
    prompter.expectWarning(QStringLiteral("Password cannot be blank."));
    editor->btnWriteFile->click();
    editor->edtPassword->setText(QStringLiteral("secret"));
    prompter.expectWarning(QStringLiteral("PCRef cannot be blank."));
    editor->btnWriteFile->click();
    editor->edtPCRef->setText(QStringLiteral("Bar"));
    prompter.expectWarning(QStringLiteral("DBPath cannot be blank."));
    editor->btnWriteFile->click();
    const auto after = IniFile::read(site.iniFile());
    EXPECT_EQ(after->password, before->password);
    EXPECT_EQ(after->dbPath, before->dbPath);
}

TEST_F(IniEditor, ANewTerminalReferenceAddsItsTerminalOnce) {
    auto editor = openEditor();
    editor->edtPCRef->setText(QStringLiteral("Bar 2"));
    editor->edtDBPath->setText(QStringLiteral("localhost:/srv/pelora/data/"));
    prompter.expectInformation(QStringLiteral("Bar 2 will be added to the PCForm automatically."));
    editor->btnWriteFile->click();
    EXPECT_FALSE(editor->btnWriteFile->isEnabled());
    EXPECT_EQ(terminalsCalled(QStringLiteral("Bar 2")), 1);
    EXPECT_EQ(scalar(QStringLiteral("SELECT imagepath FROM pc WHERE ref = 'Bar 2'")),
              QStringLiteral("/srv/pelora/images/"));
    const auto written = IniFile::read(site.iniFile());
    EXPECT_EQ(written->password, test::sysdbaPassword());
    EXPECT_EQ(written->pcRef, QStringLiteral("Bar 2"));
    EXPECT_EQ(written->dbPath, QStringLiteral("localhost:/srv/pelora/data/"));
    // In memory for the next reset; the connection and the terminal stay as they are until then.
    EXPECT_EQ(module->session().configuredPcRef, QStringLiteral("Bar 2"));
    EXPECT_EQ(module->session().pcRef, QStringLiteral("Bar"));
    EXPECT_EQ(module->session().dbPath, QStringLiteral("localhost:/srv/pelora/data/"));

    editor->edtPassword->setText(editor->edtPassword->text());
    editor->edtPCRef->setText(QStringLiteral("Bar 2"));
    editor->btnWriteFile->click(); // no message this time
    EXPECT_EQ(terminalsCalled(QStringLiteral("Bar 2")), 1);
}

TEST_F(IniEditor, AFileThatCannotBeReadOrWrittenIsReported) {
    QFile::remove(site.iniFile());
    prompter.expectWarning(QStringLiteral("Problem reading from pelora.ini file."));
    auto editor = openEditor();
    EXPECT_TRUE(editor->edtPassword->text().isEmpty());
    EXPECT_TRUE(editor->edtPCRef->text().isEmpty());

    // Where the file should be stands a folder: nothing can be written there.
    ASSERT_TRUE(QDir(site.folder()).mkdir(QStringLiteral("pelora.ini")));
    editor->edtPassword->setText(QStringLiteral("secret"));
    editor->edtPCRef->setText(QStringLiteral("Bar 3"));
    editor->edtDBPath->setText(site.dbPath());
    prompter.expectWarning(QStringLiteral("Problem writing to pelora.ini file."));
    editor->btnWriteFile->click();
    EXPECT_EQ(terminalsCalled(QStringLiteral("Bar 3")), 0);
    EXPECT_TRUE(editor->btnWriteFile->isEnabled());
}

TEST_F(IniEditor, BrowseTakesTheFolderOfTheChosenDatabase) {
    auto editor = openEditor();
    prompter.expectFile(QStringLiteral("/srv/pelora/data/pelora.gdb"));
    editor->btnBrowse->click();
    EXPECT_EQ(editor->edtDBPath->text(), QStringLiteral("/srv/pelora/data/"));
    EXPECT_TRUE(editor->btnWriteFile->isEnabled());
    prompter.expectFile(std::nullopt);
    editor->btnBrowse->click();
    EXPECT_EQ(editor->edtDBPath->text(), QStringLiteral("/srv/pelora/data/"));
}

TEST_F(IniEditor, RequeryFlagsAreSavedCancelledOrAskedAboutOnClosing) {
    auto editor = openEditor();
    QCheckBox* link = flag(*editor, "chkLinkRequery");
    QCheckBox* item = flag(*editor, "chkItemRequery");
    ASSERT_TRUE(link && item);
    EXPECT_FALSE(flag(*editor, "chkTabRequery")->isEnabled());
    EXPECT_FALSE(link->isChecked());
    EXPECT_FALSE(editor->btnSave->isEnabled());
    EXPECT_FALSE(editor->btnCancel->isEnabled());

    link->click();
    EXPECT_TRUE(editor->btnSave->isEnabled());
    EXPECT_TRUE(editor->btnCancel->isEnabled());
    editor->btnSave->click();
    EXPECT_EQ(scalar(QStringLiteral("SELECT linkrequery FROM master")), QStringLiteral("T"));
    EXPECT_FALSE(editor->btnSave->isEnabled());

    item->click();
    editor->btnCancel->click();
    EXPECT_FALSE(item->isChecked());
    EXPECT_TRUE(link->isChecked());
    EXPECT_EQ(scalar(QStringLiteral("SELECT itemrequery FROM master")), QStringLiteral("F"));
    EXPECT_FALSE(editor->btnCancel->isEnabled());

    flag(*editor, "chkMopRequery")->click();
    prompter.expectConfirm(QStringLiteral("Save changes?"), true);
    editor->reject();
    EXPECT_EQ(scalar(QStringLiteral("SELECT moprequery FROM master")), QStringLiteral("T"));

    auto again = openEditor();
    EXPECT_TRUE(flag(*again, "chkMopRequery")->isChecked());
    flag(*again, "chkDiscRequery")->click();
    prompter.expectConfirm(QStringLiteral("Save changes?"), false);
    again->reject();
    EXPECT_EQ(scalar(QStringLiteral("SELECT discrequery FROM master")), QStringLiteral("F"));
    EXPECT_FALSE(again->master1().isOpen());
}

TEST_F(IniEditor, BothHelpButtonsShowTheirLines) {
    auto editor = openEditor();
    QStringList shown;
    auto readAndClose = [&](QWidget* modal) {
        auto* help = qobject_cast<THelpForm*>(modal);
        ASSERT_NE(help, nullptr);
        EXPECT_EQ(help->windowTitle(), QStringLiteral("HelpForm"));
        shown = help->lines();
        help->reject();
    };
    test::whenModalOpens(readAndClose);
    editor->btnIniHelp->click();
    EXPECT_EQ(shown, TINIForm::iniHelpLines());
    EXPECT_EQ(shown.size(), 14);
    EXPECT_EQ(shown.value(8), QString());

    test::whenModalOpens(readAndClose);
    editor->btnMasterHelp->click();
    EXPECT_EQ(shown, TINIForm::masterHelpLines());
}

} // namespace
