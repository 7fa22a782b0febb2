#include "TillFixture.h"

#include "ModalWatcher.h"
#include "admin/layouts/TLIForm.h"
#include "admin/layouts/TLinkEditForm.h"
#include "sales/ItemGrid.h"
#include "sales/ItemPage.h"
#include "sales/TabPage.h"
#include "ui/GlyphButton.h"
#include "ui/THelpForm.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace pelora;
using test::TillTest;

namespace {

const QString kOddName = QStringLiteral("Joe's \"Bi\u00e8re\"");

// The button editor open over a started till, on the Home page with NonTab chosen.
class ButtonEditorScreen : public TillTest {
protected:
    void SetUp() override {
        TillTest::SetUp();
        sql(QStringLiteral("UPDATE layout SET logoutmode = '0'"));
        ASSERT_TRUE(start());
        form->pgeTab->btnNonTab->click();
        form->show();
        manualAsTheLayoutSays = form->pgeItem->btnManual->isEnabled();
        editor = std::make_unique<TLIForm>(*form, module->db1, prompter);
        editor->openOverSalesScreen();
        settle();
    }
    void TearDown() override {
        editor.reset();
        TillTest::TearDown();
    }

    // The grid button of the page shown with this caption, and its place in the grid.
    int gridIndex(const QString& caption) const {
        const auto& buttons = form->pgeItem->grid->buttons;
        for (std::size_t i = 0; i < buttons.size(); ++i)
            if (static_cast<GlyphButton*>(buttons[i])->caption() == caption)
                return static_cast<int>(i);
        return -1;
    }
    GlyphButton* gridButton(const QString& caption) const {
        const int i = gridIndex(caption);
        EXPECT_GE(i, 0) << caption.toStdString();
        return i < 0 ? nullptr : static_cast<GlyphButton*>(form->pgeItem->grid->buttons.at(static_cast<std::size_t>(i)));
    }
    QRect boxOf(const QString& caption) const {
        const int i = gridIndex(caption);
        return i < 0 ? QRect() : form->pgeItem->grid->boxes.at(static_cast<std::size_t>(i))->geometry();
    }
    void touch(const QString& caption) {
        if (GlyphButton* b = gridButton(caption))
            b->click();
        settle();
    }
    QStringList captions() const {
        QStringList list;
        for (QPushButton* b : form->pgeItem->grid->buttons)
            list << static_cast<GlyphButton*>(b)->caption();
        return list;
    }
    static void doubleClick(QListWidget* list, const QString& name) {
        const QList<QListWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        list->scrollToItem(found.front());
        // A finger's double tap: a click, then the second press that makes it double.
        const QPoint at = list->visualItemRect(found.front()).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        settle();
    }
    QString lines() { return scalar(QStringLiteral("SELECT COUNT(*) FROM tabline1")); }

    // Types into a box key by key, as the operator's keyboard would, whatever the letters.
    static void type(QLineEdit* box, const QString& text) {
        for (QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(box, &press);
        }
    }
    std::unique_ptr<TLIForm> editor;
    bool manualAsTheLayoutSays = false;
};

TEST_F(ButtonEditorScreen, OpensOverTheItemPageAndATouchSelectsInsteadOfSelling) {
    EXPECT_TRUE(editor->isVisible());
    EXPECT_TRUE(editor->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(editor->isModal());
    EXPECT_EQ(form->pgcMain->currentWidget(), form->pgeItem);
    EXPECT_FALSE(form->pgeItem->btnManual->isEnabled());
    EXPECT_EQ(editor->grpMovements->cboStep->currentText(), QStringLiteral("10"));
    EXPECT_FALSE(editor->btnLinkTo->isEnabled());
    EXPECT_EQ(editor->lstLinks->count(), 3);
    EXPECT_TRUE(editor->cboImage->isEnabled()); // the demo layout shows pictures

    touch(QStringLiteral("Pale Ale"));
    EXPECT_EQ(lines(), QStringLiteral("0"));
    EXPECT_EQ(editor->grpButton->edtCaption->text(), QStringLiteral("Pale Ale"));
    EXPECT_EQ(editor->grpMovements->lblPosition->text(), QStringLiteral("290,10"));
    EXPECT_EQ(editor->grpMovements->lblWidth->text(), QStringLiteral("130"));
    EXPECT_EQ(editor->grpMovements->lblHeight->text(), QStringLiteral("90"));
    EXPECT_EQ(editor->cboImage->currentText(), QStringLiteral("beer.png"));
    EXPECT_EQ(editor->cboImageLrtb->currentText(), QStringLiteral("T"));
    EXPECT_EQ(editor->lstItems->currentItem()->text(), QStringLiteral("Pale Ale"));

    // An arrow moves it by the step, and the page is drawn with the box moved.
    editor->grpMovements->cboStep->setCurrentText(QStringLiteral("20"));
    editor->grpMovements->btnRight->click();
    settle();
    EXPECT_EQ(scalar(QStringLiteral("SELECT boxleft FROM li WHERE id = 3")), QStringLiteral("310"));
    EXPECT_EQ(boxOf(QStringLiteral("Pale Ale")).topLeft(), QPoint(310, 10));
    EXPECT_EQ(editor->grpMovements->lblPosition->text(), QStringLiteral("310,10"));

    // A caption with quotes and accents goes to the button as it stands.
    editor->grpButton->edtCaption->setText(kOddName);
    editor->grpButton->btnSave->click();
    settle();
    EXPECT_EQ(scalar(QStringLiteral("SELECT btncaption FROM li WHERE id = 3")), kOddName);
    EXPECT_GE(gridIndex(kOddName), 0);

    test::whenOpens<THelpForm>(QStringLiteral("HelpForm"), [](THelpForm& help) {
        EXPECT_EQ(help.lines().size(), 5);
        EXPECT_EQ(help.lines().first(), QStringLiteral("To add a button to the layout, double click the desired object "
                                                       "in the Link or Item grids below."));
        help.reject();
    });
    editor->grpButton->btnHelp->click();
}

TEST_F(ButtonEditorScreen, ADragPlacesTheButtonAndAPressWithoutMovementStaysATouch) {
    GlyphButton* lager = gridButton(QStringLiteral("Lager")); // li 4 at 430,10
    ASSERT_NE(lager, nullptr);
    const QPoint centre = lager->rect().center();
    QTest::mousePress(lager, Qt::LeftButton, {}, centre);
    QTest::mouseRelease(lager, Qt::LeftButton, {}, centre);
    settle();
    EXPECT_EQ(editor->grpButton->edtCaption->text(), QStringLiteral("Lager"));
    EXPECT_EQ(lines(), QStringLiteral("0"));

    // A touch on the price strip under the caption selects the button too.
    const int pale = gridIndex(QStringLiteral("Pale Ale"));
    ASSERT_GE(pale, 0);
    const QRect strip = form->pgeItem->grid->labels.at(static_cast<std::size_t>(pale))->geometry();
    QWidget* under = form->pgeItem->grid->childAt(strip.center());
    ASSERT_NE(under, nullptr);
    QTest::mouseClick(under, Qt::LeftButton, {}, under->mapFrom(form->pgeItem->grid, strip.center()));
    settle();
    EXPECT_EQ(editor->grpButton->edtCaption->text(), QStringLiteral("Pale Ale"));
    touch(QStringLiteral("Lager"));
    EXPECT_EQ(lines(), QStringLiteral("0"));

    drag(gridButton(QStringLiteral("Lager")), {QPoint(20, 15), QPoint(45, 25)});
    EXPECT_EQ(scalar(QStringLiteral("SELECT boxleft || ',' || boxtop FROM li WHERE id = 4")), QStringLiteral("475,35"));
    EXPECT_EQ(boxOf(QStringLiteral("Lager")).topLeft(), QPoint(475, 35));
    EXPECT_EQ(editor->grpMovements->lblPosition->text(), QStringLiteral("475,35"));
    EXPECT_EQ(lines(), QStringLiteral("0"));

    // Dragged past the top left corner, the box stops at 0.
    drag(gridButton(QStringLiteral("Drinks >")), {QPoint(-60, -60)}); // li 1 at 10,10
    EXPECT_EQ(scalar(QStringLiteral("SELECT boxleft || ',' || boxtop FROM li WHERE id = 1")), QStringLiteral("0,0"));
    EXPECT_EQ(form->state().currentLink, 1); // a drag of a link button does not walk
}

TEST_F(ButtonEditorScreen, ALinkWithAnOddNameIsMadeWalkedToAndFilledByDoubleClicks) {
    // "Ins" makes the link and opens its name dialog.
    test::whenOpens<TLinkEditForm>(QStringLiteral("LinkEditForm"), [](TLinkEditForm& dialog) {
        EXPECT_EQ(dialog.edtName->text(), QStringLiteral("New Link"));
        dialog.edtName->selectAll();
        type(dialog.edtName, kOddName);
        dialog.btnSave->click();
    });
    prompter.expectConfirm(QStringLiteral("Insert new link?"), true);
    editor->btnLinkIns->click();
    settle();
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM link WHERE name = ?"), {kOddName}), QStringLiteral("1"));
    ASSERT_EQ(editor->lstLinks->currentItem()->text(), kOddName);

    // A double click puts a button to it on the page shown, selected.
    doubleClick(editor->lstLinks, kOddName);
    EXPECT_GE(gridIndex(kOddName + QStringLiteral(" >")), 0);
    EXPECT_EQ(boxOf(kOddName + QStringLiteral(" >")), QRect(0, 0, 100, 50));
    EXPECT_EQ(editor->btnLinkTo->text(), QStringLiteral("Link to: ") + kOddName);
    ASSERT_TRUE(editor->btnLinkTo->isEnabled());

    // The link button walks to the new, empty page; an item double-clicked lands there.
    editor->btnLinkTo->click();
    settle();
    const QString linkId = scalar(QStringLiteral("SELECT id FROM link WHERE name = ?"), {kOddName});
    EXPECT_EQ(QString::number(form->state().currentLink), linkId);
    EXPECT_TRUE(captions().isEmpty());
    EXPECT_FALSE(editor->btnLinkTo->isEnabled());
    EXPECT_TRUE(editor->grpButton->edtCaption->text().isEmpty());
    doubleClick(editor->lstItems, QStringLiteral("Gin & Tonic"));
    EXPECT_EQ(captions(), QStringList({"Gin & Tonic"}));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM li WHERE linkid = ? AND itemid = 8"), {linkId}), QStringLiteral("1"));
    EXPECT_EQ(editor->grpButton->edtCaption->text(), QStringLiteral("Gin & Tonic"));

    // Deleting the page now shown leaves the screen on link 1.
    prompter.expectConfirm(QStringLiteral("Delete the link record from every layout?"), true);
    editor->btnLinkDel->click();
    settle();
    EXPECT_EQ(form->state().currentLink, 1);
    EXPECT_GE(gridIndex(QStringLiteral("Pale Ale")), 0);
    EXPECT_EQ(gridIndex(kOddName + QStringLiteral(" >")), -1);
    EXPECT_TRUE(editor->grpButton->edtCaption->text().isEmpty());
}

TEST_F(ButtonEditorScreen, RenamingALinkCarriesItsButtonsAndADuplicateNameKeepsTheDialogOpen) {
    touch(QStringLiteral("Drinks >"));
    ASSERT_EQ(editor->grpButton->edtCaption->text(), QStringLiteral("Drinks"));
    ASSERT_EQ(editor->lstLinks->currentItem()->text(), QStringLiteral("Drinks"));
    test::whenOpens<TLinkEditForm>(QStringLiteral("LinkEditForm"), [this](TLinkEditForm& dialog) {
        dialog.edtName->selectAll();
        QTest::keyClicks(dialog.edtName, QStringLiteral("Food"));
        prompter.expectWarning(QStringLiteral("Could not save the changes.\nMake sure Name is Unique."));
        dialog.btnSave->click();
        EXPECT_TRUE(dialog.isVisible());
        dialog.edtName->selectAll();
        type(dialog.edtName, kOddName);
        dialog.btnSave->click();
    });
    editor->btnLinkEdt->click();
    settle();
    EXPECT_EQ(scalar(QStringLiteral("SELECT name FROM link WHERE id = 2")), kOddName);
    EXPECT_EQ(scalar(QStringLiteral("SELECT btncaption FROM li WHERE id = 1")), kOddName);
    EXPECT_EQ(editor->grpButton->edtCaption->text(), kOddName);
    EXPECT_GE(gridIndex(kOddName + QStringLiteral(" >")), 0); // the cache was read again
    EXPECT_EQ(editor->btnLinkTo->text(), QStringLiteral("Link to: ") + kOddName);

    // Closing the dialog with an edit open asks first.
    test::whenOpens<TLinkEditForm>(QStringLiteral("LinkEditForm"), [this](TLinkEditForm& dialog) {
        QTest::keyClicks(dialog.edtName, QStringLiteral("x"));
        prompter.expectConfirm(QStringLiteral("Save changes?"), false);
        dialog.reject();
    });
    editor->btnLinkEdt->click();
    EXPECT_EQ(scalar(QStringLiteral("SELECT name FROM link WHERE id = 2")), kOddName);

    // Another till deleted the link meanwhile: the dialog cannot open on it.
    sql(QStringLiteral("EXECUTE PROCEDURE link_del_one(2)"));
    prompter.expectError(QStringLiteral("Cannot open LinkEditForm."));
    editor->btnLinkEdt->click();
}

TEST_F(ButtonEditorScreen, ItemEditingGoesThroughTheOpenerAndClosingHandsTheScreenBack) {
    prompter.expectError(QStringLiteral("Cannot open ItemForm."));
    editor->btnItemEdit->click(); // no item editor plugged in

    std::vector<int> opened;
    editor->setItemEditorOpener([&](int itemId) {
        opened.push_back(itemId);
        sql(QStringLiteral("UPDATE item SET name = 'Zinfandel' WHERE id = ?"), {itemId});
    });
    prompter.expectConfirm(QStringLiteral("Insert new item?"), true);
    editor->btnItemInsert->click();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(editor->lstItems->currentItem()->text(), QStringLiteral("Zinfandel")); // re-read, on the same id

    editor->setItemEditingAllowed(false);
    EXPECT_FALSE(editor->btnItemInsert->isEnabled());
    EXPECT_FALSE(editor->btnItemEdit->isEnabled());
    EXPECT_FALSE(editor->btnItemDelete->isEnabled());

    touch(QStringLiteral("Lager"));
    editor->itemRenamed(QStringLiteral("Lager"), QStringLiteral("Pilsner"));
    EXPECT_EQ(editor->grpButton->edtCaption->text(), QStringLiteral("Pilsner"));

    editor->close();
    settle();
    EXPECT_EQ(form->pgeItem->btnManual->isEnabled(), manualAsTheLayoutSays);
    touch(QStringLiteral("Pale Ale"));
    EXPECT_EQ(lines(), QStringLiteral("1"));
}

TEST_F(ButtonEditorScreen, AStoppedItemsButtonCanBeSelectedButNotSoldOnceTheEditorCloses) {
    editor->close();
    settle();
    sql(QStringLiteral("UPDATE item SET stopline = 'T' WHERE name = 'Lager'"));
    reload();
    form->pgeTab->btnNonTab->click();
    editor = std::make_unique<TLIForm>(*form, module->db1, prompter);
    editor->openOverSalesScreen();
    settle();
    ASSERT_NE(gridButton(QStringLiteral("Lager")), nullptr);
    EXPECT_TRUE(gridButton(QStringLiteral("Lager"))->isEnabled());
    touch(QStringLiteral("Lager"));
    EXPECT_EQ(editor->grpButton->edtCaption->text(), QStringLiteral("Lager"));

    editor->close();
    settle();
    EXPECT_FALSE(gridButton(QStringLiteral("Lager"))->isEnabled());
    EXPECT_EQ(lines(), QStringLiteral("0"));
}

} // namespace
