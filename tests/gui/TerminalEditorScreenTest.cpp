#include "admin/AdminPermissions.h"
#include "admin/TAdminForm.h"
#include "admin/terminals/TPCForm.h"
#include "admin/terminals/TerminalEditor.h"
#include "ModalWatcher.h"
#include "TillFixture.h"
#include "ui/THelpForm.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace pelora;
using test::TillTest;

namespace {

const QString kUniqueRef = QStringLiteral("Could not save the changes.\nMake sure Ref is Unique.");
const QString kDeleteQuestion = QStringLiteral("Delete the PC record?");

// A scripted prompter that also keeps the folder each file dialog opened in.
class FolderKeepingPrompter : public test::ScriptedPrompter {
public:
    FolderKeepingPrompter() : ScriptedPrompter(test::gtestFailures()) {}
    std::optional<QString> chooseFile(const QString& caption, const QString& folder,
                                      const QString& filter) override {
        folders << folder;
        return ScriptedPrompter::chooseFile(caption, folder, filter);
    }
    QStringList folders;
};

// The terminal editor over the demo till "Bar" (terminal 2 beside terminal 1 "Default").
class TerminalEditorScreen : public TillTest {
protected:
    void SetUp() override {
        TillTest::SetUp();
        sql(QStringLiteral("UPDATE layout SET logoutmode = '0'"));
    }
    std::unique_ptr<TPCForm> openEditor(const QString& pcRef = QStringLiteral("Bar")) {
        auto pcs = std::make_unique<TPCForm>(
            module->db1, prompter, QStringLiteral("/srv/pelora/images/"), pcRef, form.get());
        pcs->open();
        pcs->terminals().locateOwnRow();
        pcs->show();
        return pcs;
    }
    static QStringList listed(TPCForm& pcs) { return test::listedTexts(*pcs.lstRecords); }
    static void choose(TPCForm& pcs, const char* radio) {
        pcs.findChild<QRadioButton*>(QString::fromLatin1(radio))->click();
    }
    static void pick(QComboBox* box, const QString& caption) {
        const int index = box->findText(caption);
        ASSERT_GE(index, 0) << caption.toStdString();
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    QString column(const QString& name, const QString& ref) {
        return scalar(QStringLiteral("SELECT %1 FROM pc WHERE ref = ?").arg(name), {ref});
    }
};

TEST_F(TerminalEditorScreen, OpensOnThisTillsRowInAnyCaseWithEverySettingShown) {
    ASSERT_TRUE(start());
    auto pcs = openEditor(QStringLiteral("bAR"));
    EXPECT_EQ(pcs->objectName(), QStringLiteral("PCForm"));
    EXPECT_EQ(pcs->windowTitle(), QStringLiteral("PCForm"));
    EXPECT_EQ(listed(*pcs), QStringList({"Default", "Bar"}));
    EXPECT_EQ(pcs->lstRecords->currentItem()->text(), QStringLiteral("Bar"));
    EXPECT_EQ(pcs->edtPCRef->text(), QStringLiteral("Bar"));
    EXPECT_EQ(pcs->cboLayout->currentText(), QStringLiteral("Bar"));
    EXPECT_EQ(pcs->cboMap->currentText(), QStringLiteral("Bar Room"));
    EXPECT_EQ(pcs->cboOutput->currentText(), QStringLiteral("Bar"));
    EXPECT_EQ(pcs->edtRefreshRate->text(), QStringLiteral("30"));
    // The system's own outputs (docket, check, drawer, X) are not offered.
    QStringList outputs;
    for (int i = 0; i < pcs->cboOutput->count(); ++i)
        outputs << pcs->cboOutput->itemText(i);
    EXPECT_EQ(outputs, QStringList({"None", "Kitchen", "Bar"}));
    EXPECT_EQ(
        test::chosenInGroups(pcs->modeGroups),
        QStringList({"Refresh Mode / Rate in seconds=On-Silent", "Layout Mode=Enable Button",
                     "No Sale Mode=Enable Button", "Docket Mode=Dockets on - combined Drawer kick",
                     "Check Mode=Checks on - combined Drawer kick",
                     "Drawer Mode=Device kicks Drawer"}));
    EXPECT_EQ(pcs->findChild<QRadioButton*>(QStringLiteral("rdodocketmode0"))->text(),
              QStringLiteral("Dockets && Drawer off")); // an "&" shown, not a shortcut
    EXPECT_EQ(pcs->edtPCRef->maxLength(), 20);
    EXPECT_EQ(pcs->edtImagePath->maxLength(), 250);

    bool helped = false;
    test::whenOpens<THelpForm>(QStringLiteral("HelpForm"), [&](THelpForm& help) {
        const QStringList& lines = help.lines();
        helped =
            lines.size() == 50 &&
            lines.first() ==
                QStringLiteral(
                    "Every PC will have a pelora.ini file which has a setting for PCRef.") &&
            lines.at(4).isEmpty() && lines.at(14).isEmpty() && lines.at(48).isEmpty() &&
            lines.at(34) ==
                QStringLiteral(
                    "\"Device kick drawer\":  The printer is used to kick the drawer.") &&
            lines.at(36) ==
                QStringLiteral(
                    "Note: To make these features work, you must also setup \"Devices\" in "
                    "the Admin Form.") &&
            lines.last() == QStringLiteral("Check Mode: Follow the directions for the DocketMode.");
        help.close();
    });
    pcs->btnHelp->click();
    EXPECT_TRUE(helped);
}

TEST_F(TerminalEditorScreen, InsertMakesOneNewPCAndARefIsStoredAsTypedAndKeptUnique) {
    sql(QStringLiteral("INSERT INTO pc (id, ref) VALUES (7, 'new pc')"));
    ASSERT_TRUE(start());
    auto pcs = openEditor();
    // The placeholder in another letter case is the one "Insert" goes to.
    pcs->btnInsert->click();
    EXPECT_EQ(pcs->edtPCRef->text(), QStringLiteral("new pc"));
    EXPECT_EQ(pcs->focusWidget(), pcs->edtPCRef);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM pc")), QStringLiteral("3"));
    sql(QStringLiteral("DELETE FROM pc WHERE id = 7"));
    pcs->editor().load();

    pcs->btnInsert->click();
    pcs->btnFirst->click();
    pcs->btnInsert->click();
    EXPECT_EQ(pcs->edtPCRef->text(), QStringLiteral("New PC"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM pc WHERE UPPER(ref) = 'NEW PC'")),
              QStringLiteral("1"));
    EXPECT_TRUE(pcs->btnDelete->isEnabled());

    const QString ref = QStringLiteral("Bär 'Ü' \"é\"");
    test::typeInto(pcs->edtPCRef, ref);
    EXPECT_EQ(pcs->btnInsert->text(), QStringLiteral("Save"));
    EXPECT_EQ(pcs->btnDelete->text(), QStringLiteral("Cancel"));
    prompter.expectConfirm(TerminalEditor::copyDevicesQuestion(QStringLiteral("Bar"), ref), false);
    pcs->btnInsert->click();
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM od WHERE pcref = ?"), {ref}), QStringLiteral("0"));
    EXPECT_EQ(pcs->btnInsert->text(), QStringLiteral("Insert"));
    EXPECT_EQ(
        scalar(QStringLiteral("SELECT ref FROM pc WHERE id = ?"), {pcs->editor().currentId()}),
        ref);
    EXPECT_TRUE(listed(*pcs).contains(ref));

    // Another terminal's reference: the warning, the edit open to mend or cancel.
    test::typeInto(pcs->edtPCRef, QStringLiteral("Bar"));
    prompter.expectWarning(kUniqueRef);
    pcs->btnInsert->click();
    EXPECT_EQ(pcs->btnInsert->text(), QStringLiteral("Save"));
    EXPECT_EQ(pcs->edtPCRef->text(), QStringLiteral("Bar"));
    pcs->btnDelete->click(); // "Cancel"
    EXPECT_EQ(pcs->edtPCRef->text(), ref);

    // A blank reference is refused, not written as null.
    pcs->edtPCRef->selectAll();
    QTest::keyClick(pcs->edtPCRef, Qt::Key_Backspace);
    prompter.expectWarning(QStringLiteral("PCRef cannot be blank."));
    pcs->btnInsert->click();
    pcs->btnDelete->click();
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM pc WHERE ref IS NULL")),
              QStringLiteral("0"));
}

TEST_F(TerminalEditorScreen, ChoicesStoreTheirValuesAndAStoredValueOutsideThemShowsNone) {
    ASSERT_TRUE(start());
    auto pcs = openEditor();
    for (const char* radio : {"rdorefreshmode2", "rdolayoutmode0", "rdonosalemode0",
                              "rdodocketmode3", "rdocheckmode2", "rdodrawermode2"})
        choose(*pcs, radio);
    pick(pcs->cboLayout, QStringLiteral("Happy Hour"));
    pick(pcs->cboMap, QStringLiteral("Dining"));
    pick(pcs->cboOutput, QStringLiteral("Kitchen"));
    EXPECT_EQ(pcs->btnInsert->text(), QStringLiteral("Save"));
    pcs->btnInsert->click();
    EXPECT_EQ(scalar(QStringLiteral(
                  "SELECT refreshmode || layoutmode || nosalemode || docketmode || checkmode || "
                  "drawermode FROM pc WHERE ref = 'Bar'")),
              QStringLiteral("200322"));
    EXPECT_EQ(column(QStringLiteral("layoutid"), QStringLiteral("Bar")), QStringLiteral("3"));
    EXPECT_EQ(column(QStringLiteral("mapid"), QStringLiteral("Bar")), QStringLiteral("2"));
    EXPECT_EQ(column(QStringLiteral("outputid"), QStringLiteral("Bar")), QStringLiteral("101"));

    // Values written elsewhere that no choice stores: nothing is shown down or chosen.
    sql(QStringLiteral(
        "UPDATE pc SET checkmode = '7', drawermode = NULL, outputid = 3 WHERE ref = 'Bar'"));
    pcs->editor().load();
    const QStringList down = test::chosenInGroups(pcs->modeGroups);
    EXPECT_EQ(down.size(), 4);
    for (const QString& c : down)
        EXPECT_FALSE(c.startsWith(QLatin1String("Check Mode")) ||
                     c.startsWith(QLatin1String("Drawer Mode")))
            << c.toStdString();
    EXPECT_EQ(pcs->cboOutput->currentIndex(), -1);
}

TEST_F(TerminalEditorScreen, ARefreshRateMustBeAWholeNumberOfSeconds) {
    ASSERT_TRUE(start());
    auto pcs = openEditor();
    const QString refused = QStringLiteral("Refresh Rate is not a whole number of seconds.");
    for (const QString& typed :
         {QStringLiteral("2.5"), QStringLiteral("ten"), QStringLiteral("-5")}) {
        test::typeInto(pcs->edtRefreshRate, typed);
        prompter.expectWarning(refused);
        pcs->btnInsert->click();
        EXPECT_EQ(pcs->btnInsert->text(), QStringLiteral("Save")) << typed.toStdString();
        EXPECT_EQ(column(QStringLiteral("refreshrate"), QStringLiteral("Bar")),
                  QStringLiteral("30"));
    }
    // Moving on writes the row too, and is refused the same way.
    prompter.expectWarning(refused);
    pcs->btnFirst->click();
    EXPECT_EQ(pcs->edtPCRef->text(), QStringLiteral("Bar"));

    test::typeInto(pcs->edtRefreshRate, QStringLiteral(" 45 "));
    pcs->btnInsert->click();
    EXPECT_EQ(column(QStringLiteral("refreshrate"), QStringLiteral("Bar")), QStringLiteral("45"));
    // A refused rate cancelled leaves nothing behind that refuses the next edit.
    test::typeInto(pcs->edtRefreshRate, QStringLiteral("x"));
    pcs->btnDelete->click();
    EXPECT_EQ(pcs->edtRefreshRate->text(), QStringLiteral("45"));
    choose(*pcs, "rdorefreshmode0");
    pcs->btnInsert->click();
    EXPECT_EQ(column(QStringLiteral("refreshmode"), QStringLiteral("Bar")), QStringLiteral("0"));
}

TEST_F(TerminalEditorScreen, BrowseWritesTheFolderOfTheChosenPictureWithAFinalSlash) {
    sql(QStringLiteral("UPDATE pc SET imagepath = '/srv/pelora/images/' WHERE ref = 'Bar'"));
    ASSERT_TRUE(start());
    // The dialog opens in this till's image folder as loaded, whichever row is shown.
    FolderKeepingPrompter browsing;
    TPCForm pcs(module->db1, browsing, form->settings().imagePath, QStringLiteral("Bar"),
                form.get());
    pcs.open();
    pcs.editor().locateId(1);
    pcs.show();
    browsing.expectFile(QStringLiteral("/srv/pelora/pictures/night/terrace.jpg"));
    pcs.btnBrowse->click();
    EXPECT_EQ(pcs.edtImagePath->text(), QStringLiteral("/srv/pelora/pictures/night/"));
    EXPECT_EQ(pcs.btnInsert->text(), QStringLiteral("Save"));
    pcs.btnInsert->click();
    EXPECT_EQ(scalar(QStringLiteral("SELECT imagepath FROM pc WHERE id = 1")),
              QStringLiteral("/srv/pelora/pictures/night/"));

    // A cancelled dialog changes nothing; a folder longer than the column holds is refused.
    browsing.expectFile(std::nullopt);
    pcs.btnBrowse->click();
    EXPECT_EQ(pcs.btnInsert->text(), QStringLiteral("Insert"));
    browsing.expectFile(QStringLiteral("/") + QStringLiteral("d").repeated(250) +
                        QStringLiteral("/a.bmp"));
    browsing.expectWarning(QStringLiteral("The folder name is longer than 250 characters."));
    pcs.btnBrowse->click();
    EXPECT_EQ(pcs.edtImagePath->text(), QStringLiteral("/srv/pelora/pictures/night/"));
    EXPECT_EQ(pcs.btnInsert->text(), QStringLiteral("Insert"));
    EXPECT_EQ(browsing.folders, QStringList(3, QStringLiteral("/srv/pelora/images/")));
}

TEST_F(TerminalEditorScreen, DeletingThisTillsOwnRowSaysWhatFollowsAndTerminalOneRemains) {
    ASSERT_TRUE(start());
    auto pcs = openEditor(QStringLiteral("BAR"));
    const QString ownRow = QStringLiteral("This is the PC record of this till (BAR). After the "
                                          "next reset this till will run with the settings of PC 1 "
                                          "until a record named BAR exists again.\nDelete it?");

    prompter.expectConfirm(ownRow, false);
    pcs->btnDelete->click();
    EXPECT_EQ(listed(*pcs), QStringList({"Default", "Bar"}));

    // Another terminal asks only the usual question.
    pcs->btnInsert->click();
    prompter.expectConfirm(kDeleteQuestion, true);
    pcs->btnDelete->click();
    EXPECT_EQ(listed(*pcs), QStringList({"Default", "Bar"}));

    pcs->btnFirst->click();
    prompter.expectWarning(QStringLiteral("This PC must remain."));
    pcs->btnDelete->click();

    pcs->btnLast->click();
    prompter.expectConfirm(ownRow, true);
    prompter.expectConfirm(kDeleteQuestion, false);
    pcs->btnDelete->click();
    EXPECT_EQ(listed(*pcs), QStringList({"Default", "Bar"}));
    prompter.expectConfirm(ownRow, true);
    prompter.expectConfirm(kDeleteQuestion, true);
    pcs->btnDelete->click();
    EXPECT_EQ(listed(*pcs), QStringList({"Default"}));
}

TEST_F(TerminalEditorScreen, TheConsolesPCOpensOnThisTerminalAndTheTillTakesTheChangeAtTheReset) {
    ASSERT_TRUE(start());
    ASSERT_EQ(form->settings().layoutId, 2);
    auto console = std::make_unique<TAdminForm>(*form, *module, prompter, form.get());
    console->show();
    console->edtPassword->setText(test::admin1Password());
    console->btnLogin->click();
    QPushButton* pcButton =
        console->permissionButtons.at(AdminPermissions::indexOf(QStringLiteral("admin2pc")));
    ASSERT_TRUE(pcButton->isEnabled());
    EXPECT_EQ(pcButton->text(), QStringLiteral("PC"));

    bool opened = false;
    test::whenOpens<TPCForm>(QStringLiteral("PCForm"), [&](TPCForm& pcs) {
        opened = true;
        EXPECT_EQ(pcs.edtPCRef->text(), QStringLiteral("Bar"));
        pick(pcs.cboLayout, QStringLiteral("Happy Hour"));
        pcs.btnInsert->click();
        pcs.btnClose->click();
    });
    prompter.expectConfirm(QStringLiteral("Reset the application?"), true);
    pcButton->click();
    settle();
    EXPECT_TRUE(opened);
    EXPECT_EQ(console->result(), QDialog::Accepted);
    EXPECT_EQ(form->settings().layoutId, 3);
    EXPECT_EQ(form->settings().layoutName, QStringLiteral("Happy Hour"));
}

TEST_F(TerminalEditorScreen, AManagerAddsBarTwoAndASecondTillStartsAsIt) {
    ASSERT_TRUE(start());
    {
        auto pcs = openEditor();
        pcs->btnInsert->click();
        test::typeInto(pcs->edtPCRef, QStringLiteral("Bar 2"));
        pick(pcs->cboLayout, QStringLiteral("Happy Hour"));
        pick(pcs->cboMap, QStringLiteral("Dining"));
        pick(pcs->cboOutput, QStringLiteral("Kitchen"));
        for (const char* radio : {"rdorefreshmode0", "rdolayoutmode1", "rdonosalemode1",
                                  "rdodocketmode0", "rdocheckmode0", "rdodrawermode0"})
            choose(*pcs, radio);
        // The new till is given this till's printers, framing and all.
        prompter.expectConfirm(QStringLiteral("Copy the outputs and devices of this till (Bar) to Bar 2?"), true);
        pcs->btnInsert->click();
        EXPECT_EQ(pcs->btnInsert->text(), QStringLiteral("Insert"));
        pcs->btnClose->click();
    }
    const QString framing = QStringLiteral(
        "SELECT LIST(outputid || '/' || deviceid || '/' || COALESCE(begincode1, '') || '/' || COALESCE(endcode1, '')"
        " || '/' || COALESCE(CAST(bcpl AS VARCHAR(10)), '') || '/' || COALESCE(htext, ''), ';') FROM (SELECT * FROM od WHERE pcref = ?"
        " ORDER BY id)");
    EXPECT_EQ(scalar(framing, {QStringLiteral("Bar 2")}), scalar(framing, {QStringLiteral("Bar")}));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM od WHERE pcref = 'Bar 2'")), QStringLiteral("6"));

    // Saved again, or renamed, it is not asked twice.
    {
        auto pcs = openEditor(QStringLiteral("Bar 2"));
        test::typeInto(pcs->edtPCRef, QStringLiteral("Bar Two"));
        pcs->btnInsert->click();
        test::typeInto(pcs->edtPCRef, QStringLiteral("Bar 2"));
        pcs->btnInsert->click();
        pcs->btnClose->click();
    }
    module.reset();
    form.reset();
    cwd.reset();
    settle();
    ASSERT_TRUE(start(QStringLiteral("Bar 2")));
    EXPECT_EQ(module->session().pcRef, QStringLiteral("Bar 2"));
    EXPECT_EQ(form->settings().layoutId, 3);
    EXPECT_EQ(form->settings().layoutName, QStringLiteral("Happy Hour"));
    EXPECT_EQ(form->settings().mapId, 2);
    EXPECT_EQ(form->grpMain->title(), QStringLiteral("Tab: Dining"));
}

} // namespace
