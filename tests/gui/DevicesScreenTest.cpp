#include "TillFixture.h"

#include "ModalWatcher.h"
#include "admin/TAdminForm.h"
#include "admin/devices/DeviceSetupList.h"
#include "admin/devices/OdRows.h"
#include "admin/devices/TDeviceEditForm.h"
#include "admin/devices/TODEditForm.h"
#include "admin/devices/TODForm.h"
#include "admin/devices/TOutputEditForm.h"
#include "print/MemorySpooler.h"
#include "sales/LinePanel.h"
#include "ui/THelpForm.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

using namespace pelora;
using test::TillTest;
using test::typeInto;

namespace {

class DevicesScreen : public TillTest {
protected:
    void SetUp() override {
        TillTest::SetUp();
        sql(QStringLiteral("UPDATE layout SET logoutmode = '0'")); // no login keyboard after a reset
    }
    static QStringList column(const QTableWidget* grid, int c) {
        QStringList texts;
        for (int r = 0; r < grid->rowCount(); ++r)
            texts << grid->item(r, c)->text();
        return texts;
    }
    static QStringList offered(const QComboBox* box) {
        QStringList texts;
        for (int i = 0; i < box->count(); ++i)
            texts << box->itemText(i);
        return texts;
    }
};

TEST_F(DevicesScreen, TheDialogsWriteOnlyOnSubmitAndKeepQuotesAndAccents) {
    ASSERT_TRUE(start());
    MemorySpooler& spooler = printIntoMemory();
    spooler.installed << QStringLiteral("Terrace Printer");
    TODForm od(module->db1, prompter, module->spooler(), QStringLiteral("Bar"));
    od.open();
    od.show();
    EXPECT_EQ(column(od.grdOutput, 0), QStringList({"Check", "Docket", "Drawer", "X", "Kitchen", "Bar"}));
    EXPECT_EQ(column(od.grdDevice, 1), QStringList({"P", "P", "P"}));
    EXPECT_EQ(od.grdOD->rowCount(), 6);
    EXPECT_EQ(od.grdOD->item(0, 8)->text(), QStringLiteral("THE CORNER BAR 12 Harbour Street"));

    // A device named as no printer is, with quotes and accents: the box offers the spooler's
    // printers and takes the name typed.
    const QString device = QStringLiteral("Joe's \"Caf\u00e9\" \u00d8");
    prompter.expectConfirm(QStringLiteral("Insert new Device?"), true);
    bool opened = false;
    test::whenOpens<TDeviceEditForm>(QStringLiteral("DeviceEditForm"), [&](TDeviceEditForm& dialog) {
        opened = true;
        EXPECT_EQ(offered(dialog.cboName), QStringList({"Docket", "Kitchen", "BarPrinter", "Terrace Printer"}));
        EXPECT_EQ(dialog.cboName->currentText(), QStringLiteral("New Device"));
        EXPECT_EQ(offered(dialog.cboCat), QStringList({"P", "D", "L"}));
        typeInto(dialog.cboName->lineEdit(), device);
        Q_EMIT dialog.cboCat->activated(1);
        dialog.btnSubmit->click();
    });
    od.btnDeviceInsert->click();
    ASSERT_TRUE(opened);
    EXPECT_EQ(scalar(QStringLiteral("SELECT name || '|' || cat FROM device WHERE id = ?"), {od.devices().currentId()}),
              device + QStringLiteral("|D"));
    EXPECT_EQ(column(od.grdDevice, 0).last(), device);
    EXPECT_EQ(od.grdDevice->currentRow(), 3);

    // Closed without "Submit": nothing changes. A printer of the list is chosen as it stands.
    test::whenOpens<TDeviceEditForm>(QStringLiteral("DeviceEditForm"), [&](TDeviceEditForm& dialog) {
        EXPECT_EQ(dialog.cboName->currentText(), device);
        Q_EMIT dialog.cboName->textActivated(QStringLiteral("Terrace Printer"));
        dialog.btnClose->click();
    });
    od.btnDeviceEdit->click();
    EXPECT_EQ(scalar(QStringLiteral("SELECT name FROM device WHERE id = ?"), {od.devices().currentId()}), device);
    EXPECT_FALSE(od.devices().isEditing());

    // An output named as another is refused and stays to be mended.
    const QString output = QStringLiteral("\u00c9t\u00e9's \"Deck\"");
    prompter.expectConfirm(QStringLiteral("Insert new Output?"), true);
    test::whenOpens<TOutputEditForm>(QStringLiteral("OutputEditForm"), [&](TOutputEditForm& dialog) {
        typeInto(dialog.edtName, QStringLiteral("Kitchen"));
        prompter.expectWarning(QStringLiteral("Could not save the changes.\nMake sure Name is Unique."));
        dialog.btnSubmit->click();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.edtName->text(), QStringLiteral("Kitchen"));
        typeInto(dialog.edtName, output);
        dialog.btnSubmit->click();
        EXPECT_FALSE(dialog.isVisible());
    });
    od.btnOutputInsert->click();
    EXPECT_EQ(scalar(QStringLiteral("SELECT name FROM output WHERE id = ?"), {od.outputs().currentId()}), output);
    EXPECT_GT(od.outputs().currentId(), 102);

    // A system output opens no dialog.
    od.grdOutput->setCurrentCell(1, 0);
    prompter.expectInformation(QStringLiteral("\"Check/Docket/Drawer/Z\" should not be changed."));
    od.btnOutputEdit->click();
    prompter.expectInformation(QStringLiteral("\"Check/Docket/Drawer/Z must not be deleted."));
    od.btnOutputDelete->click();

    // Linked, the row shows both names; its dialog closed without "Submit" leaves it as made.
    od.grdOutput->setCurrentCell(6, 0);
    test::whenOpens<TODEditForm>(QStringLiteral("ODEditForm"), [&](TODEditForm& dialog) {
        EXPECT_EQ(dialog.edtPCRef->text(), QStringLiteral("Bar"));
        typeInto(dialog.edtPCRef, QStringLiteral("Patio"));
        // A new row has no body width yet; a device that is no printer is the printing's error.
        prompter.expectInformation(QStringLiteral("Nothing was printed: Body CPL must be above 0."));
        dialog.btnTestPrint->click();
        typeInto(dialog.edtBCpl, QStringLiteral("42"));
        prompter.expectError(QStringLiteral("Printer ") + device + QStringLiteral(" not found"));
        dialog.btnTestPrint->click();
        EXPECT_TRUE(spooler.documents.empty());
        dialog.reject();
    });
    od.btnLink->click();
    ASSERT_EQ(od.grdOD->rowCount(), 7);
    EXPECT_EQ(scalar(QStringLiteral("SELECT pcref || '|' || COALESCE(bcpl, 0) FROM od ORDER BY id DESC ROWS 1")),
              QStringLiteral("Bar|0"));
    EXPECT_EQ(od.grdOD->currentRow(), 6);
    EXPECT_EQ(od.grdOD->item(6, 0)->text() + u'/' + od.grdOD->item(6, 1)->text() + u'/' + od.grdOD->item(6, 2)->text(),
              QStringLiteral("Bar/") + output + u'/' + device);
    // The output and device are in use now.
    prompter.expectConfirm(QStringLiteral("Delete Device?"), true);
    prompter.expectWarning(QStringLiteral("Could not delete Device.\nMake sure Device is not in the OD table."));
    od.btnDeviceDelete->click();
    EXPECT_EQ(od.grdDevice->rowCount(), 4);
    prompter.expectConfirm(QStringLiteral("Remove OD line?"), true);
    od.btnUnlink->click();
    EXPECT_EQ(od.grdOD->rowCount(), 6);
    prompter.expectConfirm(QStringLiteral("Delete Device?"), true);
    od.btnDeviceDelete->click();
    EXPECT_EQ(od.grdDevice->rowCount(), 3);

    test::whenOpens<THelpForm>(QStringLiteral("HelpForm"), [](THelpForm& help) {
        EXPECT_EQ(help.lines().size(), 15);
        EXPECT_EQ(help.lines().at(1), QStringLiteral("Setup can be a little confusing  - but once done it need not be altered."));
        help.reject();
    });
    od.btnHelp->click();
}

// A manager adds the terrace's printer from the console, tries it with "Test Print" and sends
// the next burger there.
TEST_F(DevicesScreen, ATerraceOutputIsSetUpTestPrintedAndTakesTheNextOrder) {
    ASSERT_TRUE(start());
    MemorySpooler& spooler = printIntoMemory();
    spooler.installed << QStringLiteral("Terrace");
    TAdminForm console(*form, *module, prompter, form.get());
    console.show();
    console.edtPassword->setText(test::admin1Password());
    console.btnLogin->click();

    bool opened = false;
    test::whenOpens<TODForm>(QStringLiteral("ODForm"), [&](TODForm& od) {
        opened = true;
        prompter.expectConfirm(QStringLiteral("Insert new Output?"), true);
        test::whenOpens<TOutputEditForm>(QStringLiteral("OutputEditForm"), [](TOutputEditForm& dialog) {
            typeInto(dialog.edtName, QStringLiteral("Terrace"));
            dialog.btnSubmit->click();
        });
        od.btnOutputInsert->click();
        prompter.expectConfirm(QStringLiteral("Insert new Device?"), true);
        test::whenOpens<TDeviceEditForm>(QStringLiteral("DeviceEditForm"), [](TDeviceEditForm& dialog) {
            Q_EMIT dialog.cboName->textActivated(QStringLiteral("Terrace"));
            dialog.btnSubmit->click();
        });
        od.btnDeviceInsert->click();

        test::whenOpens<TODEditForm>(QStringLiteral("ODEditForm"), [&](TODEditForm& dialog) {
            typeInto(dialog.edtBeginCode1, QStringLiteral("#27#64x"));
            typeInto(dialog.edtEndCode1, QStringLiteral("#29#86#01"));
            typeInto(dialog.edtEjectLines, QStringLiteral("3"));
            typeInto(dialog.edtBCpl, QStringLiteral("32"));
            dialog.memHText->setFocus();
            QTest::keyClicks(dialog.memHText, QStringLiteral("TERRACE"));
            // Checked first, as "Submit" checks it.
            prompter.expectWarning(QStringLiteral("BeginCode1 is not a valid code string: \"64x\" is not a number."));
            dialog.btnTestPrint->click();
            EXPECT_TRUE(spooler.documents.empty());
            typeInto(dialog.edtBeginCode1, QStringLiteral("#27#64"));
            prompter.expectInformation(QStringLiteral("Test Print sent to Terrace."));
            dialog.btnTestPrint->click();
            const QByteArray paper = spooler.bytesFor(QStringLiteral("Terrace"));
            EXPECT_TRUE(paper.startsWith("\x1b@TERRACE\r\nTest Print\r\nOutput:Terrace\r\nDevice:Terrace\r\n"))
                << paper.toStdString();
            EXPECT_TRUE(paper.endsWith("\r\n\n\n\n\x1dV\x01")) << paper.toStdString();
            ASSERT_EQ(spooler.documents.size(), 1u);
            EXPECT_EQ(spooler.documents[0].name, QStringLiteral("MyDocument"));
            // A printer that stops taking the paper half-way is said, not taken for sent.
            spooler.failingSend = 1;
            prompter.expectWarning(QStringLiteral("Test Print to Terrace did not go out whole: check the printer."));
            dialog.btnTestPrint->click();
            spooler.failingSend = -1;
            // Printed from what is typed: nothing is written before "Submit".
            EXPECT_EQ(scalar(QStringLiteral("SELECT COALESCE(bcpl, 0) FROM od WHERE id = ?"), {od.odRows().currentId()}),
                      QStringLiteral("0"));
            dialog.btnSubmit->click();
        });
        od.btnLink->click();
        EXPECT_EQ(scalar(QStringLiteral("SELECT pcref || '|' || begincode1 || '|' || ejectlines || '|' || bcpl FROM od"
                                        " WHERE id = ?"),
                         {od.odRows().currentId()}),
                  QStringLiteral("Bar|#27#64|3|32"));
        sql(QStringLiteral("UPDATE item SET outputid = (SELECT id FROM output WHERE name = 'Terrace') WHERE name = 'Burger'"));
        prompter.expectConfirm(QStringLiteral("Reset the application?"), true);
        od.btnClose->click();
    });
    console.permissionButtons.at(AdminPermissions::indexOf(QStringLiteral("admin2device")))->click();
    ASSERT_TRUE(opened);

    touchTab(QStringLiteral("Table 1"));
    touchItem(QStringLiteral("Burger"));
    form->pnlRight->btnProcess->click();
    settle();
    const QString terrace = QString::fromLatin1(spooler.bytesFor(QStringLiteral("Terrace")));
    EXPECT_TRUE(terrace.contains(QStringLiteral("TERRACE\r\nOrder for Tab:Table 1 PC:Bar\r\nOutput:Terrace\r\n")))
        << terrace.toStdString();
    EXPECT_TRUE(terrace.contains(QStringLiteral("1    Burger\r\n")));
    EXPECT_FALSE(QString::fromLatin1(spooler.bytesFor(QStringLiteral("Kitchen"))).contains(QStringLiteral("Burger")));
}

// A new till "Front" that runs as terminal 1 until it has its row: the printers a manager links
// there are Front's own, not terminal 1's.
TEST_F(DevicesScreen, ATillRunningAsTerminalOneLinksItsPrintersUnderItsOwnPCRef) {
    prompter.expectWarning(QStringLiteral("This till (Front) has no terminal record: it runs with the settings of"
                                          " terminal 1 until one is added in the console's PC."));
    ASSERT_TRUE(start(QStringLiteral("Front")));
    settle();
    TAdminForm console(*form, *module, prompter, form.get());
    console.show();
    console.edtPassword->setText(test::admin1Password());
    console.btnLogin->click();
    bool linked = false;
    test::whenOpens<TODForm>(QStringLiteral("ODForm"), [&](TODForm& od) {
        test::whenOpens<TODEditForm>(QStringLiteral("ODEditForm"), [&](TODEditForm& dialog) {
            linked = true;
            EXPECT_EQ(dialog.edtPCRef->text(), QStringLiteral("Front"));
            dialog.btnSubmit->click();
        });
        od.btnLink->click();
        prompter.expectConfirm(QStringLiteral("Reset the application?"), false);
        od.btnClose->click();
    });
    console.permissionButtons.at(AdminPermissions::indexOf(QStringLiteral("admin2device")))->click();
    EXPECT_TRUE(linked);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM od WHERE pcref = 'Front'")), QStringLiteral("1"));
}

} // namespace
