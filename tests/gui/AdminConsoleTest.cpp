#include "TillFixture.h"

#include "ModalWatcher.h"
#include "admin/AdminConsole.h"
#include "admin/TAdminForm.h"
#include "admin/TMopForm.h"
#include "admin/TStaffForm.h"
#include "admin/items/TItemForm.h"
#include "admin/layouts/TLIForm.h"
#include "sales/ItemGrid.h"
#include "sales/ItemPage.h"
#include "ui/GlyphButton.h"
#include "app/StaffList.h"
#include "DatabaseInit.h"
#include "print/MemorySpooler.h"
#include "ui/THelpForm.h"
#include "ui/TKeyBoardForm.h"
#include "payment/TMopChoiceForm.h"
#include "payment/TRecForm.h"
#include "reports/TDTRangeForm.h"
#include "reports/TReportPreviewForm.h"
#include "sales/ExtraPage.h"
#include "sales/LinePanel.h"
#include "sales/TDeleteLineForm.h"
#include "sales/TDiscChoiceForm.h"
#include "sales/TDiscLineForm.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace pelora;
using test::TillTest;

namespace {

const QString kAdmin2Password = QString::fromLatin1(dbinit::kDemoAdmin2Password);

class AdminConsole : public TillTest {
protected:
    void SetUp() override {
        TillTest::SetUp();
        sql(QStringLiteral("UPDATE layout SET logoutmode = '0'")); // no login keyboard after a reset
        QStringList none; // the demo grants a few buttons; each test grants its own
        for (const AdminPermissions::Entry& e : AdminPermissions::entries())
            none << QString::fromLatin1(e.column) + QStringLiteral(" = 'F'");
        sql(QStringLiteral("UPDATE master SET ") + none.join(QStringLiteral(", ")));
    }
    // The console as "Admin" shows it (Enter goes to a window that is up).
    std::unique_ptr<TAdminForm> openConsole() {
        auto console = std::make_unique<TAdminForm>(*form, *module, prompter, form.get());
        console->show();
        return console;
    }
    static void login(TAdminForm& console, const QString& password, bool session = false) {
        console.chkSession->setChecked(session);
        console.edtPassword->setText(password);
        QTest::keyClick(console.edtPassword, Qt::Key_Return); // Enter presses "Login"
    }
    static QPushButton* button(TAdminForm& console, const char* column) {
        return console.permissionButtons.at(AdminPermissions::indexOf(QString::fromLatin1(column)));
    }
    static QCheckBox* box(TAdminForm& console, const char* column) {
        return console.permissionBoxes.at(AdminPermissions::indexOf(QString::fromLatin1(column)));
    }
    static QStringList enabledButtons(TAdminForm& console) {
        QStringList on;
        for (QPushButton* b : console.permissionButtons)
            if (b->isEnabled())
                on << b->text();
        return on;
    }
    static bool loggedOut(TAdminForm& console) {
        return console.grpSetup->isHidden() && console.grpExtras->isHidden() && console.grpReports->isHidden() &&
               console.btnLogin->text() == QLatin1String("Login") && console.edtPassword->isEnabled();
    }
    static const inline QStringList kWired{"INI",     "PC",    "Staff", "Layouts", "Images", "Items", "Links", "Maps", "Tabs", "Mops",  "Discounts", "Devices", "Delete",
                                           "Discount", "Refund", "Split",        "Stocktake", "No Sale",   "X",
                                           "Tranx",   "Tranx + Lines", "Day",    "Month",     "Year",
                                           "Split Ref", "Account", "Inventory", "Exceptions"};
};

TEST_F(AdminConsole, LoggedOutOnlyTheGeneralGroupWorksAndAWrongPasswordIsRefused) {
    ASSERT_TRUE(start());
    auto console = openConsole();
    EXPECT_TRUE(loggedOut(*console));
    EXPECT_TRUE(console->btnOrders->isEnabled());
    EXPECT_TRUE(console->btnSplit->isEnabled());
    EXPECT_TRUE(console->btnLayout->isEnabled()); // the terminal's layoutmode is "1"
    EXPECT_TRUE(console->btnStocktake->isEnabled()); // the layout counts stock

    prompter.expectInformation(QStringLiteral("Password cannot be blank."));
    login(*console, QString());
    prompter.expectError(QStringLiteral("Cannot Login. Check password and try again."));
    login(*console, QStringLiteral("1234")); // a staff PIN is no admin password
    EXPECT_TRUE(loggedOut(*console));
    EXPECT_EQ(module->session().staffRef, QStringLiteral("Default")); // the till is untouched

    // Without orders on this terminal, "Orders" is off; without its layout mode, "Layout";
    // without counting, "Stocktake".
    sql(QStringLiteral("UPDATE layout SET ordmode = '0', countmode = '0'"));
    sql(QStringLiteral("UPDATE pc SET layoutmode = '0'"));
    reload();
    EXPECT_FALSE(openConsole()->btnOrders->isEnabled());
    EXPECT_FALSE(openConsole()->btnLayout->isEnabled());
    EXPECT_FALSE(openConsole()->btnStocktake->isEnabled());
}

// A till without a physical keyboard: the password is typed on the on-screen keyboard, in small
// letters from the first key, since the server compares it exactly.
TEST_F(AdminConsole, ATouchScreenAloneLogsInThroughTheOnScreenKeyboard) {
    ASSERT_TRUE(start());
    auto console = openConsole();
    const auto typeOnKeys = [](const QString& text) {
        test::whenModalOpens(QStringLiteral("KeyBoardForm"), [text](QWidget* w) {
            auto* keyboard = static_cast<TKeyBoardForm*>(w);
            EXPECT_EQ(keyboard->windowTitle(), QStringLiteral("Enter password"));
            EXPECT_EQ(keyboard->edtScreen->echoMode(), QLineEdit::Password);
            for (const QChar c : text)
                keyboard->key(c.isLetter() ? QString(c.toUpper()) : QString(c))->click();
            keyboard->btnEnter->click();
        });
    };
    prompter.expectError(QStringLiteral("Cannot Login. Check password and try again."));
    typeOnKeys(QStringLiteral("1234"));
    console->btnKeyboard->click();
    EXPECT_TRUE(loggedOut(*console));

    typeOnKeys(test::admin1Password());
    console->btnKeyboard->click();
    EXPECT_EQ(console->level(), AdminLevel::Admin);
    EXPECT_FALSE(console->btnKeyboard->isEnabled());
    console->btnLogin->click(); // "Logout"
    EXPECT_TRUE(console->btnKeyboard->isEnabled());
}

TEST_F(AdminConsole, AFullAdminHasEveryBuiltButtonAndGrantsAdmin2AtOnce) {
    sql(QStringLiteral("UPDATE master SET admin2item = 'T'"));
    ASSERT_TRUE(start());
    int masterUpdates = 0;
    module->db1.setStatementHook([&masterUpdates](const QString& statement) {
        masterUpdates += statement.startsWith(QLatin1String("UPDATE master"));
    });
    auto console = openConsole();
    login(*console, test::admin1Password());
    EXPECT_EQ(console->level(), AdminLevel::Admin);
    EXPECT_FALSE(console->grpSetup->isHidden());
    EXPECT_EQ(console->btnLogin->text(), QStringLiteral("Logout"));
    EXPECT_FALSE(console->edtPassword->isEnabled());
    EXPECT_EQ(enabledButtons(*console), kWired);
    for (QLabel* label : console->admin2Labels)
        EXPECT_FALSE(label->isHidden());
    EXPECT_FALSE(box(*console, "admin2xnosale")->isHidden());
    // Loading ticks the granted box without writing it.
    EXPECT_TRUE(box(*console, "admin2item")->isChecked());
    EXPECT_EQ(masterUpdates, 0);

    box(*console, "admin2xnosale")->click();
    box(*console, "admin2item")->click();
    EXPECT_EQ(masterUpdates, 2);
    EXPECT_EQ(scalar(QStringLiteral("SELECT admin2xnosale || admin2item FROM master")), QStringLiteral("TF"));

    // A failed write is told; the box keeps its new state.
    module->db1.setStatementHook([](const QString& statement) {
        if (statement.startsWith(QLatin1String("UPDATE master")))
            throw std::runtime_error("connection lost");
    });
    prompter.expectInformation(QStringLiteral("Problem updating Admin2 permissions."));
    box(*console, "admin2rptx")->click();
    EXPECT_TRUE(box(*console, "admin2rptx")->isChecked());
    module->db1.setStatementHook({});

    console->btnLogin->click();
    EXPECT_TRUE(loggedOut(*console));
}

TEST_F(AdminConsole, AnAdmin2ReachesOnlyWhatIsGrantedAndTheSessionLastsUntilLogout) {
    sql(QStringLiteral("UPDATE master SET admin2xnosale = 'T'"));
    ASSERT_TRUE(start());
    MemorySpooler& printers = printIntoMemory();
    auto console = openConsole();
    login(*console, kAdmin2Password, true);
    EXPECT_EQ(console->level(), AdminLevel::Admin2);
    EXPECT_EQ(enabledButtons(*console), QStringList({"No Sale"}));
    for (QCheckBox* b : console->permissionBoxes)
        EXPECT_TRUE(b->isHidden());
    for (QLabel* label : console->admin2Labels)
        EXPECT_TRUE(label->isHidden());

    // No other button does anything however it is reached: a click, or Enter (which is Logout's).
    for (QPushButton* b : console->permissionButtons)
        if (b != button(*console, "admin2xnosale"))
            QTest::mouseClick(b, Qt::LeftButton);
    EXPECT_TRUE(printers.documents.empty());
    button(*console, "admin2xnosale")->click();
    EXPECT_EQ(printers.documents.size(), 1u); // the drawer; the console stays
    EXPECT_EQ(scalar(QStringLiteral("SELECT kind || '|' || approver FROM eventlog")), QStringLiteral("No sale|Admin2"));
    EXPECT_EQ(console->result(), 0);

    // The session login carries on at the next opening, with what is granted by then.
    console.reset();
    sql(QStringLiteral("UPDATE master SET admin2xrefund = 'T'"));
    console = openConsole();
    EXPECT_EQ(console->level(), AdminLevel::Admin2);
    EXPECT_FALSE(console->edtPassword->isEnabled());
    EXPECT_EQ(enabledButtons(*console), QStringList({"Refund", "No Sale"}));
    QTest::keyClick(console.get(), Qt::Key_Return);
    EXPECT_TRUE(loggedOut(*console));
    EXPECT_FALSE(module->session().admin2Session);
    console = openConsole();
    EXPECT_TRUE(loggedOut(*console));
}

TEST_F(AdminConsole, ExtrasNeedALineAndAskToLogoutAfterTheirWindow) {
    ASSERT_TRUE(start());
    auto console = openConsole();
    login(*console, test::admin1Password(), true);
    prompter.expectInformation(QStringLiteral("Add an item to the tab."));
    button(*console, "admin2xdelete")->click();
    prompter.expectWarning(QStringLiteral("Add a line to the tab."));
    button(*console, "admin2xdisc")->click();
    prompter.expectWarning(QStringLiteral("Add a line to the tab."));
    button(*console, "admin2xrefund")->click();
    EXPECT_EQ(console->result(), 0); // nothing opened, the console is still up

    bool opened = false;
    test::whenModalOpens(QStringLiteral("SplitForm"), [&opened](QWidget* split) {
        opened = true;
        static_cast<QDialog*>(split)->reject();
    });
    prompter.expectConfirm(QStringLiteral("Logout Admin?"), true);
    button(*console, "admin2xsplit")->click();
    EXPECT_TRUE(opened);
    EXPECT_EQ(console->result(), QDialog::Accepted); // the console ended with its window
    EXPECT_FALSE(module->session().adminSession);
}

TEST_F(AdminConsole, ANewPaymentMethodAndStaffMemberWorkAfterTheReset) {
    ASSERT_TRUE(start());
    module->session().staffRef = QStringLiteral("SAM");
    auto console = openConsole();
    login(*console, test::admin1Password());

    // Mops: Insert, type the name, close and save.
    test::whenOpens<TMopForm>(QStringLiteral("MopForm"), [](TMopForm& mops) {
        mops.btnInsert->click();
        auto* name = mops.findChild<QLineEdit*>(QStringLiteral("edtName"));
        EXPECT_EQ(name->text(), QStringLiteral("New MOP"));
        EXPECT_EQ(mops.btnInsert->text(), QStringLiteral("Insert"));
        name->selectAll();
        QTest::keyClicks(name, QStringLiteral("Card"));
        EXPECT_EQ(mops.btnInsert->text(), QStringLiteral("Save"));
        EXPECT_EQ(mops.btnDelete->text(), QStringLiteral("Cancel"));
        mops.reject();
    });
    prompter.expectConfirm(QStringLiteral("Save changes?"), true);
    prompter.expectConfirm(QStringLiteral("Reset the application?"), true);
    button(*console, "admin2mop")->click();
    settle();
    EXPECT_EQ(console->result(), QDialog::Accepted);
    QStringList mops;
    for (int r = 0; r < form->terminal().mops.rowCount(); ++r)
        mops << form->terminal().mops.at(r, 1);
    EXPECT_TRUE(mops.contains(QStringLiteral("Card"))) << mops.join(u',').toStdString();

    // Staff opens on the logged-in staff member; a new one logs in with the PIN after the reset.
    console = openConsole();
    login(*console, test::admin1Password());
    test::whenOpens<TStaffForm>(QStringLiteral("StaffForm"), [](TStaffForm& staff) {
        EXPECT_EQ(staff.lstRecords->currentItem()->text(), QStringLiteral("Sam"));
        staff.btnInsert->click();
        QTest::keyClicks(staff.findChild<QLineEdit*>(QStringLiteral("edtPword")), QStringLiteral("4321"));
        staff.btnInsert->click(); // "Save"
        EXPECT_EQ(staff.btnInsert->text(), QStringLiteral("Insert"));
        staff.btnClose->click();
    });
    prompter.expectConfirm(QStringLiteral("Reset the application?"), true);
    button(*console, "admin2staff")->click();
    settle();
    // Still "New Staff", the row is unfinished: its PIN opens nothing until it has a name.
    EXPECT_EQ(staffRefForPassword(form->terminal().staff, QStringLiteral("4321")), std::nullopt);

    console = openConsole();
    login(*console, test::admin1Password());
    test::whenOpens<TStaffForm>(QStringLiteral("StaffForm"), [](TStaffForm& staff) {
        staff.btnInsert->click(); // to the unfinished row
        test::typeInto(staff.findChild<QLineEdit*>(QStringLiteral("edtRef")), QStringLiteral("Jo"));
        staff.btnInsert->click();
        staff.btnClose->click();
    });
    prompter.expectConfirm(QStringLiteral("Reset the application?"), true);
    button(*console, "admin2staff")->click();
    settle();
    EXPECT_EQ(staffRefForPassword(form->terminal().staff, QStringLiteral("4321")), QStringLiteral("Jo"));
}

TEST_F(AdminConsole, HelpAndTheAdminButtonOpenTheConsole) {
    ASSERT_TRUE(start());
    plugInAdminConsole(*form, *module, prompter);
    bool opened = false;
    test::whenOpens<TAdminForm>(QStringLiteral("AdminForm"), [&](TAdminForm& console) {
        opened = true;
        test::whenOpens<THelpForm>(QStringLiteral("HelpForm"), [](THelpForm& help) {
            EXPECT_EQ(help.lines(), TAdminForm::helpLines());
            help.reject();
        });
        console.btnHelp->click();
        console.btnClose->click();
    });
    form->btnAdmin->click();
    EXPECT_TRUE(opened);
}

TEST_F(AdminConsole, ItemsAndLinksOpenTheMenuEditorsAndTheSalesScreenFollowsThem) {
    sql(QStringLiteral("UPDATE master SET admin2link = 'T'"));
    ASSERT_TRUE(start());
    const auto buttonEditor = [this] { return form->findChild<TLIForm*>(QStringLiteral("LIForm")); };
    const auto labelOf = [this](const QString& caption) {
        for (const GridPage::Button& b : form->shownPage().buttons)
            if (b.caption == caption)
                return b.labelText;
        return QStringLiteral("no button");
    };

    // An Admin2 with "Links" but not "Items": the button editor opens without item editing.
    auto console = openConsole();
    login(*console, kAdmin2Password);
    button(*console, "admin2link")->click();
    TLIForm* editor = buttonEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_FALSE(editor->btnItemEdit->isEnabled());
    EXPECT_FALSE(editor->btnItemInsert->isEnabled());
    editor->grpButton->btnClose->click();
    settle();
    EXPECT_EQ(buttonEditor(), nullptr); // freed with its window

    // A full Admin changes a price in the item editor: the grid shows it once the editor closes.
    EXPECT_EQ(labelOf(QStringLiteral("Pale Ale")), QStringLiteral("9.50 (48)")); // price and stock
    test::whenOpens<TItemForm>(QStringLiteral("ItemForm"), [](TItemForm& items) {
        ASSERT_TRUE(items.editor().locateNoCase(QStringLiteral("name"), QStringLiteral("Pale Ale")));
        auto* price = items.findChild<QLineEdit*>(QStringLiteral("edtPrice1"));
        price->setText(QStringLiteral("11"));
        emit price->textEdited(price->text());
        items.btnInsert->click(); // "Save"
        items.reject();
    });
    console = openConsole();
    login(*console, test::admin1Password());
    button(*console, "admin2item")->click();
    EXPECT_EQ(labelOf(QStringLiteral("Pale Ale")), QStringLiteral("11.00 (48)"));

    // From the button editor: "Edit" on the touched button's item renames it, and the caption
    // box, the button and the list follow.
    console = openConsole();
    login(*console, test::admin1Password());
    button(*console, "admin2link")->click();
    editor = buttonEditor();
    ASSERT_NE(editor, nullptr);
    for (QPushButton* b : form->pgeItem->grid->buttons)
        if (static_cast<GlyphButton*>(b)->caption() == QLatin1String("Pale Ale"))
            b->click();
    ASSERT_EQ(editor->grpButton->edtCaption->text(), QStringLiteral("Pale Ale"));
    test::whenOpens<TItemForm>(QStringLiteral("ItemForm"), [](TItemForm& items) {
        auto* name = items.findChild<QLineEdit*>(QStringLiteral("edtName"));
        EXPECT_EQ(name->text(), QStringLiteral("Pale Ale"));
        name->setText(QStringLiteral("Pale Ale Pint"));
        emit name->textEdited(name->text());
        items.btnInsert->click();
        items.reject();
    });
    editor->btnItemEdit->click();
    EXPECT_EQ(editor->grpButton->edtCaption->text(), QStringLiteral("Pale Ale Pint"));
    EXPECT_EQ(editor->lstItems->currentItem()->text(), QStringLiteral("Pale Ale Pint"));
    EXPECT_EQ(labelOf(QStringLiteral("Pale Ale Pint")), QStringLiteral("11.00 (48)"));
    editor->grpMovements->btnRight->click(); // the selection still patches its own button after the rebuild
    EXPECT_EQ(scalar(QStringLiteral("SELECT boxleft FROM li WHERE id = 3")), QStringLiteral("300"));
    editor->close();
}

// An evening's exceptions, each done as staff and the manager do them, then read back in the
// "Exceptions" report of the day.
TEST_F(AdminConsole, AnEveningsExceptionsAreOnRecordAndInTheDaysReport) {
    ASSERT_TRUE(start());
    printIntoMemory();
    touchTab(QStringLiteral("Table 1"));
    touchItem(QStringLiteral("Burger"));
    touchItem(QStringLiteral("Pale Ale"));
    form->pnlRight->btnProcess->click(); // both sent
    settle();

    // The manager deletes the sent burger and comps the ale from the console.
    touchTab(QStringLiteral("Table 1"));
    form->pnlRight->tabline1->selectRow(0);
    auto console = openConsole();
    login(*console, test::admin1Password(), true);
    test::whenModalOpens(QStringLiteral("DeleteLineForm"), [](QWidget* w) { static_cast<TDeleteLineForm*>(w)->btnOne->click(); });
    prompter.expectConfirm(QStringLiteral("Logout Admin?"), false);
    button(*console, "admin2xdelete")->click();
    test::whenModalOpens(QStringLiteral("DiscLineForm"), [](QWidget* w) {
        test::whenModalOpens(QStringLiteral("DiscChoiceForm"), [](QWidget* c) {
            static_cast<TDiscChoiceForm*>(c)->discButton(QStringLiteral("Manager Comp^"))->click();
        });
        static_cast<TDiscLineForm*>(w)->btnAll->click();
    });
    prompter.expectConfirm(QStringLiteral("Logout Admin?"), false);
    console = openConsole();
    button(*console, "admin2xdisc")->click();

    // A refund from the console, a no sale and a reprint of the refund from the sales screen.
    touchTab(QStringLiteral("Table 2"));
    touchItem(QStringLiteral("Pale Ale"));
    test::whenOpens<TMopChoiceForm>(QStringLiteral("MopChoiceForm"), [](TMopChoiceForm& chooser) {
        chooser.mopButton(QStringLiteral("Cash"))->click();
    });
    prompter.expectInformation(QStringLiteral("Refund of 9.50 as Cash accepted."))
        .expectConfirm(QStringLiteral("Logout Admin?"), true);
    console = openConsole();
    button(*console, "admin2xrefund")->click();
    form->pgeExtra->btnNoSale->click();
    test::whenOpens<TRecForm>(QStringLiteral("RecForm"), [this](TRecForm& history) {
        prompter.expectConfirm(QStringLiteral("Re-Print the receipt?"), true);
        history.btnPrint->click();
        history.btnClose->click();
    });
    form->OpenReceiptHistory();

    const QString refund = scalar(QStringLiteral("SELECT MAX(id) FROM receipt"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT LIST(e, ' ; ') FROM (SELECT kind || '|' || staffref || '|' || pcref || '|' ||"
                                    " COALESCE(approver, '') || '|' || COALESCE(tabref, '') || '|' ||"
                                    " COALESCE(itemname, '') || '|' || COALESCE(CAST(amount AS NUMERIC(18, 2)), '') || '|' ||"
                                    " COALESCE(detail, '') AS e FROM eventlog ORDER BY id)")),
              QStringLiteral("Delete|Default|Bar|Admin|Table 1|Burger|24.00|Sent ; "
                             "Discount|Default|Bar|Admin|Table 1|Pale Ale|9.50|Manager Comp 100% ; "
                             "Refund|Default|Bar|Admin|Table 2||9.50|Receipt %1 by Cash, 1 line ; "
                             "No sale|Default|Bar||||| ; "
                             "Reprint|Default|Bar||Table 2||-9.50|Receipt %1")
                  .arg(refund));

    // The manager reads them in the day's report and takes it away as a workbook.
    QTemporaryDir folder;
    const QString xlsx = folder.filePath(QStringLiteral("exceptions.xlsx"));
    console = openConsole();
    login(*console, test::admin1Password());
    test::whenOpens<TDTRangeForm>(QStringLiteral("DTRangeForm"), [&](TDTRangeForm& range) {
        test::whenOpens<TExceptionRptForm>(QStringLiteral("ExceptionRptForm"), [&](TExceptionRptForm& preview) {
            QStringList shown;
            for (const report::Band& band : preview.report().bands)
                for (const report::Cell& cell : band.cells)
                    if (!cell.exportOnly)
                        shown << cell.text;
            for (const char* text : {"Delete", "Burger", "24.00", "Discount", "Manager Comp 100%", "Refund", "No sale",
                                     "Reprint", "Table 2", "Default", "Bar", "Admin"})
                EXPECT_TRUE(shown.contains(QString::fromLatin1(text))) << text;
            prompter.expectSaveFile(xlsx);
            preview.btnXlsx->click();
            preview.reject();
        });
        range.btnSubmit->click();
        range.reject();
    });
    button(*console, "admin2rptlog")->click();
    QFile book(xlsx);
    ASSERT_TRUE(book.open(QIODevice::ReadOnly));
    EXPECT_EQ(book.read(2), QByteArray("PK"));
}

} // namespace
