#include "TillFixture.h"

#include "ModalWatcher.h"
#include "admin/AdminPermissions.h"
#include "admin/TAdminForm.h"
#include "sales/LinePanel.h"
#include "sales/TabPage.h"
#include "tabs/TTabEditForm.h"
#include "tabs/TTabForm.h"
#include "ui/GlyphButton.h"
#include "ui/MovementsGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

using namespace pelora;
using test::TillTest;

namespace {

// The tab map editor open over the Tab page of a started till.
class TabMapEditorScreen : public TillTest {
protected:
    void SetUp() override {
        TillTest::SetUp();
        sql(QStringLiteral("UPDATE layout SET logoutmode = '0'"));
        ASSERT_TRUE(start());
        form->show();
    }
    void TearDown() override {
        editor.reset();
        TillTest::TearDown();
    }
    void open() {
        editor = std::make_unique<TTabForm>(*form, module->db1, prompter);
        editor->openOverTabPage();
        settle();
    }
    static void type(QLineEdit* edit, const QString& text) {
        edit->setText(text);
        emit edit->textEdited(text);
    }
    QStringList listedOnTabPage() const { return test::listedTexts(*form->pgeTab->tabList); }
    int editorRow(const QString& ref) const {
        const QList<QTableWidgetItem*> found = editor->grdTabs->findItems(ref, Qt::MatchExactly);
        return found.size() == 1 ? found.front()->row() : -1;
    }
    void doubleClickTab(const QString& ref) {
        const int row = editorRow(ref);
        ASSERT_GE(row, 0) << ref.toStdString();
        QTableWidgetItem* item = editor->grdTabs->item(row, 0);
        const QPoint at = editor->grdTabs->visualItemRect(item).center();
        QTest::mouseClick(editor->grdTabs->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(editor->grdTabs->viewport(), Qt::LeftButton, {}, at);
        settle();
    }
    // Edits the listed tab in the tab account editor; `fill` types and saves or cancels.
    void editTab(const std::function<void(TTabEditForm&)>& fill) {
        test::whenOpens<TTabEditForm>(QStringLiteral("TabEditForm"), fill);
        editor->btnEdit->click();
        settle();
    }

    std::unique_ptr<TTabForm> editor;
};

TEST_F(TabMapEditorScreen, ATouchedTabButtonIsSelectedMovedAndRecaptionedInsteadOfChosen) {
    open();
    EXPECT_EQ(form->tabMapEditor(), editor.get());
    EXPECT_EQ(form->pgcMain->currentWidget(), static_cast<QWidget*>(form->pgeTab));
    EXPECT_EQ(editor->grpMovements->cboStep->currentText(), QStringLiteral("10"));

    const QString tabBefore = form->pnlRight->lblTabRef->text();
    touchTab(QStringLiteral("Table 2"));
    EXPECT_EQ(form->pnlRight->lblTabRef->text(), tabBefore); // not chosen
    EXPECT_EQ(editor->grpButton->edtCaption->text(), QStringLiteral("Table 2"));
    EXPECT_EQ(editor->grpMovements->lblPosition->text(), QStringLiteral("290,95"));
    EXPECT_EQ(editor->grdTabs->currentRow(), editorRow(QStringLiteral("Table 2")));

    // A step typed beyond the list is used as 100 and shown so.
    editor->grpMovements->cboStep->setEditText(QStringLiteral("500"));
    editor->grpMovements->btnRight->click();
    EXPECT_EQ(editor->grpMovements->cboStep->currentText(), QStringLiteral("100"));
    EXPECT_EQ(tabButton(QStringLiteral("Table 2"))->geometry().topLeft(), QPoint(390, 95));
    EXPECT_EQ(scalar(QStringLiteral("SELECT btnleft FROM tm WHERE tabid = 4 AND mapid = 1")), QStringLiteral("390"));

    type(editor->grpButton->edtCaption, QStringLiteral("Caf\u00e9 \"2\""));
    editor->grpButton->btnSave->click();
    EXPECT_NE(tabButton(QStringLiteral("Caf\u00e9 \"2\"")), nullptr);

    // A drop places it where the finger let go.
    editor->dropTabButton(4, QPoint(12, 34));
    EXPECT_EQ(tabButton(QStringLiteral("Caf\u00e9 \"2\""))->geometry().topLeft(), QPoint(12, 34));
    EXPECT_EQ(editor->grpMovements->lblPosition->text(), QStringLiteral("12,34"));

    // Another map clears the selection and the caption box.
    form->pgeTab->btnMapNext->click();
    settle();
    EXPECT_FALSE(editor->editor().selected());
    EXPECT_TRUE(editor->grpButton->edtCaption->text().isEmpty());

    // Closed, the Tab page chooses tabs again.
    editor->grpButton->btnClose->click();
    settle();
    EXPECT_EQ(form->tabMapEditor(), nullptr);
    touchTab(QStringLiteral("Table 5"));
    EXPECT_EQ(form->pnlRight->lblTabRef->text(), QStringLiteral("Table 5"));
}

TEST_F(TabMapEditorScreen, ANewTabWithACreditLimitGetsAButtonOnTheDiningMapAndARenameFollows) {
    open();
    // "Insert" makes "New Tab" and opens the account editor on it.
    test::whenOpens<TTabEditForm>(QStringLiteral("TabEditForm"), [](TTabEditForm& edit) {
        EXPECT_EQ(edit.edtRef->text(), QStringLiteral("New Tab"));
        type(edit.edtRef, QStringLiteral("Table 9"));
        type(edit.edtCrLimit, QStringLiteral("250"));
        edit.cboCat->setEditText(QStringLiteral("Tables"));
        emit edit.cboCat->lineEdit()->textEdited(QStringLiteral("Tables"));
        edit.chkCrStop->click();
        edit.btnSave->click();
    });
    editor->btnInsert->click();
    settle();
    EXPECT_EQ(scalar(QStringLiteral("SELECT ref || '|' || crlimit || '|' || cat || '|' || crstop FROM tab"
                                    " WHERE ref = 'Table 9'")),
              QStringLiteral("Table 9|250.0000000000000|Tables|T"));
    ASSERT_GE(editorRow(QStringLiteral("Table 9")), 0);

    // Onto the Dining map, in its top left corner.
    form->pgeTab->btnMapNext->click();
    settle();
    doubleClickTab(QStringLiteral("Table 9"));
    GlyphButton* button = tabButton(QStringLiteral("Table 9"));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->geometry(), QRect(0, 0, 100, 100));
    EXPECT_TRUE(listedOnTabPage().contains(QStringLiteral("Table 9")));
    prompter.expectInformation(QStringLiteral("Button already on this map."));
    doubleClickTab(QStringLiteral("Table 9"));

    // A duplicate ref is refused with the edit left open; then the rename carries to the button.
    prompter.expectWarning(QStringLiteral("Could not save the changes.\nMake sure Ref is Unique."));
    editTab([](TTabEditForm& edit) {
        type(edit.edtRef, QStringLiteral("Table 1"));
        edit.btnSave->click();
        EXPECT_TRUE(edit.isVisible());
        type(edit.edtRef, QStringLiteral("Table 9 \u00e9t\u00e9"));
        edit.btnSave->click();
    });
    EXPECT_NE(tabButton(QStringLiteral("Table 9 \u00e9t\u00e9")), nullptr);
    EXPECT_EQ(editor->grpButton->edtCaption->text(), QStringLiteral("Table 9 \u00e9t\u00e9"));
    EXPECT_TRUE(listedOnTabPage().contains(QStringLiteral("Table 9 \u00e9t\u00e9")));

    // Another till sees it when it loads its caches.
    reload();
    form->pgeTab->btnMapNext->click();
    settle();
    EXPECT_EQ(tabButton(QStringLiteral("Table 9 \u00e9t\u00e9"))->geometry(), QRect(0, 0, 100, 100));
}

TEST_F(TabMapEditorScreen, ATabWithLinesOnItCannotBeDeletedAndAnEmptyOneGoesWithItsButton) {
    touchTab(QStringLiteral("Table 3"));
    touchItem(QStringLiteral("Lager"));
    touchItem(QStringLiteral("Lager"));
    open();
    touchTab(QStringLiteral("Table 3"));
    prompter.expectWarning(
        QStringLiteral("Table 3 holds 2 open lines and cannot be deleted.\nPay or move them first."));
    editor->btnDelete->click();
    EXPECT_NE(tabButton(QStringLiteral("Table 3")), nullptr);

    touchTab(QStringLiteral("Table 4"));
    prompter.expectConfirm(QStringLiteral("Delete the tab record?"), true);
    editor->btnDelete->click();
    settle();
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM tab WHERE ref = 'Table 4'")), QStringLiteral("0"));
    EXPECT_FALSE(listedOnTabPage().contains(QStringLiteral("Table 4")));
    EXPECT_EQ(editorRow(QStringLiteral("Table 4")), -1);
    EXPECT_TRUE(editor->grpButton->edtCaption->text().isEmpty());
}

TEST_F(TabMapEditorScreen, TheAccountEditorReBalancesAndAsksBeforeLeavingAnEdit) {
    open();
    touchTab(QStringLiteral("Smith J"));
    editTab([this](TTabEditForm& edit) {
        EXPECT_EQ(edit.edtBalance->text(), QStringLiteral("42.50"));
        EXPECT_EQ(edit.cboDisc->currentIndex(), -1);
        prompter
            .expectConfirmWithCancel(QStringLiteral("Recalculate balance for Tab:Smith J from receipts?\n\n"
                                                    "Yes: All receipts will be recalculated.\n"
                                                    "No: An incremental calculation will be used."),
                                     Prompter::Answer::Yes)
            .expectInformation(QStringLiteral("Expected Receipt Balance : 0.00"));
        edit.btnReBalance->click();
        // A discount chosen, then the window closed: "Save changes?" No drops it.
        edit.cboDisc->setCurrentIndex(edit.cboDisc->findText(QStringLiteral("Regular")));
        emit edit.cboDisc->activated(edit.cboDisc->currentIndex());
        prompter.expectConfirm(QStringLiteral("Save changes?"), false);
        edit.reject();
    });
    EXPECT_EQ(scalar(QStringLiteral("SELECT COALESCE(discid, 0) FROM tab WHERE ref = 'Smith J'")), QStringLiteral("0"));

    editTab([](TTabEditForm& edit) {
        edit.cboDisc->setCurrentIndex(edit.cboDisc->findText(QStringLiteral("Regular")));
        emit edit.cboDisc->activated(edit.cboDisc->currentIndex());
        edit.memNotes->setPlainText(QStringLiteral("Pays monthly.\nAsk for \"Joe\"."));
        edit.btnSave->click();
    });
    EXPECT_EQ(scalar(QStringLiteral("SELECT discid || '|' || notes FROM tab WHERE ref = 'Smith J'")),
              QStringLiteral("5|Pays monthly.\nAsk for \"Joe\"."));
}

TEST_F(TabMapEditorScreen, TheConsolesTabsOpensOneEditorOverTheTabPage) {
    form->pgeTab->btnNonTab->click();
    settle();
    auto pressTabs = [this] {
        TAdminForm admin(*form, *module, prompter, form.get());
        admin.show();
        admin.edtPassword->setText(test::admin1Password());
        admin.btnLogin->click();
        admin.permissionButtons.at(AdminPermissions::indexOf(QStringLiteral("admin2tab")))->click();
        settle();
    };
    pressTabs();
    auto* open = dynamic_cast<TTabForm*>(form->tabMapEditor());
    ASSERT_NE(open, nullptr);
    EXPECT_TRUE(open->isVisible());
    EXPECT_EQ(form->pgcMain->currentWidget(), static_cast<QWidget*>(form->pgeTab));
    pressTabs();
    EXPECT_EQ(form->tabMapEditor(), open);
    open->close();
    settle();
    EXPECT_EQ(form->tabMapEditor(), nullptr);
}

} // namespace
