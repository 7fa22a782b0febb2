#include "TillFixture.h"

#include "ModalWatcher.h"
#include "admin/items/ItemEditor.h"
#include "admin/items/ItemPriceGrid.h"
#include "admin/items/TICatForm.h"
#include "admin/items/TItemForm.h"
#include "admin/items/TOptEditForm.h"
#include "sales/ItemGrid.h"
#include "sales/ItemPage.h"
#include "ui/GlyphButton.h"
#include "ui/THelpForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

using namespace pelora;
using test::TillTest;

namespace {

class ItemEditorScreen : public TillTest {
protected:
    void SetUp() override {
        TillTest::SetUp();
        sql(QStringLiteral("UPDATE layout SET logoutmode = '0'"));
    }
    // The hooks as the console binds them, counted.
    void bindHooks(TItemForm& items) {
        items.setHooks({[this] {
                            ++buttonsChanged;
                            form->RebuildButtonCache();
                            form->RedrawLink();
                        },
                        [this] {
                            ++closedAfterEditing;
                            form->RebuildOptionChoices();
                            form->RebuildButtonCache();
                            form->RedrawLink();
                        },
                        [this](const QString& oldName, const QString& newName) { renames << oldName + u'>' + newName; }});
    }
    template <typename Widget>
    static Widget* in(QWidget& window, const QString& name) {
        auto* w = window.findChild<Widget*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    static int listedRow(TItemForm& items, const QString& name) {
        for (int r = 0; r < items.lstRecords->count(); ++r)
            if (items.lstRecords->item(r)->text() == name)
                return r;
        ADD_FAILURE() << "not listed: " << name.toStdString();
        return -1;
    }
    bool tillShows(const QString& caption) const {
        for (QPushButton* b : form->pgeItem->grid->buttons)
            if (static_cast<GlyphButton*>(b)->caption() == caption)
                return true;
        return false;
    }
    static QStringList column(QTableWidget* grid, int c) {
        QStringList texts;
        for (int r = 0; r < grid->rowCount(); ++r)
            texts << grid->item(r, c)->text();
        return texts;
    }

    int buttonsChanged = 0;
    int closedAfterEditing = 0;
    QStringList renames;
};

const QString kName = QStringLiteral("Joe's \"Cr\u00e8me\" Br\u00fbl\u00e9e");

TEST_F(ItemEditorScreen, AnItemIsMadeWithPricesOptionChoicesAndACategoryAndTheTillFollowsItsButtons) {
    ASSERT_TRUE(start());
    TItemForm items(module->db1, prompter, form.get());
    bindHooks(items);
    items.open();
    items.show();
    EXPECT_EQ(items.lstRecords->item(0)->text(), QStringLiteral("Burger"));
    EXPECT_TRUE(items.btnOpt[0]->isChecked());
    EXPECT_FALSE(items.btnChoiceEdit->isEnabled()); // the burger's option 1 has no choices

    items.btnInsert->click();
    auto* name = in<QLineEdit>(items, QStringLiteral("edtName"));
    EXPECT_EQ(name->text(), QStringLiteral("New Item"));
    test::typeInto(name, kName);
    EXPECT_EQ(items.btnInsert->text(), QStringLiteral("Save"));
    test::typeInto(in<QLineEdit>(items, QStringLiteral("edtPrice1")), QStringLiteral("12.5"));
    test::typeInto(in<QLineEdit>(items, QStringLiteral("edtPrice2")), QStringLiteral("11"));
    test::typeInto(in<QLineEdit>(items, QStringLiteral("edtPrice3")), QStringLiteral("9.75"));
    test::typeInto(in<QLineEdit>(items, QStringLiteral("edtCost1")), QStringLiteral("4"));
    items.cboOutput->setCurrentIndex(items.cboOutput->findText(QStringLiteral("Kitchen")));
    Q_EMIT items.cboOutput->activated(items.cboOutput->currentIndex());
    // Touching a field of option 2 selects option 2.
    auto* caption2 = in<QLineEdit>(items, QStringLiteral("edtOpt2Caption"));
    QTest::mouseClick(caption2, Qt::LeftButton);
    EXPECT_TRUE(items.btnOpt[1]->isChecked());
    EXPECT_EQ(items.selectedOption(), 2);
    test::typeInto(caption2, QStringLiteral("Topping"));
    test::typeInto(in<QLineEdit>(items, QStringLiteral("edtOpt2Prompt")), QStringLiteral("Which topping?"));
    in<QCheckBox>(items, QStringLiteral("chkOpt2Auto"))->click();
    items.btnInsert->click(); // "Save"
    EXPECT_EQ(items.btnInsert->text(), QStringLiteral("Insert"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT CAST(price1 AS NUMERIC(9, 2)) || '|' || CAST(price2 AS NUMERIC(9, 2)) || '|' ||"
                                    " CAST(price3 AS NUMERIC(9, 2)) || '|' || CAST(cost1 AS NUMERIC(9, 2)) || '|' || o.name"
                                    " || '|' || opt2caption || '|' || opt2prompt || '|' || opt2auto || '|' || opt2forced"
                                    " FROM item i JOIN output o ON o.id = i.outputid WHERE i.name = ?"),
                     {kName}),
              QStringLiteral("12.50|11.00|9.75|4.00|Kitchen|Topping|Which topping?|T|F"));

    // Two choices of option 2; the first price typed with a slip is refused and mended.
    test::whenOpens<TOptEditForm>(QStringLiteral("OptForm"), [this](TOptEditForm& choice) {
        EXPECT_EQ(choice.edtChoice->text(), QStringLiteral("New Choice"));
        EXPECT_EQ(choice.edtPrice->text(), QStringLiteral("0.00"));
        choice.edtChoice->setText(QStringLiteral("Berries"));
        choice.edtPrice->setText(QStringLiteral("2.5o"));
        prompter.expectError(QStringLiteral("The price value is invalid."));
        choice.btnUpdate->click();
        EXPECT_TRUE(choice.isVisible());
        choice.edtPrice->setText(QStringLiteral("2.5"));
        choice.btnUpdate->click();
    });
    items.btnChoiceInsert->click();
    test::whenOpens<TOptEditForm>(QStringLiteral("OptForm"), [](TOptEditForm& choice) {
        choice.edtChoice->setText(QStringLiteral("Cr\u00e8me \"fra\u00eeche\""));
        choice.edtCost->setText(QStringLiteral("0.4"));
        choice.btnUpdate->click();
    });
    items.btnChoiceInsert->click();
    EXPECT_EQ(column(items.grdChoices, 0), QStringList({"Berries", "Cr\u00e8me \"fra\u00eeche\""}));
    EXPECT_EQ(column(items.grdChoices, 2), QStringList({"2.50", "0.00"}));
    EXPECT_TRUE(items.btnChoiceEdit->isEnabled());
    // "Edit" shows the choice in the money format; the list stays on it afterwards.
    items.grdChoices->selectRow(0);
    test::whenOpens<TOptEditForm>(QStringLiteral("OptForm"), [](TOptEditForm& choice) {
        EXPECT_EQ(choice.edtPrice->text(), QStringLiteral("2.50"));
        choice.edtTax->setText(QStringLiteral("0.2273"));
        choice.btnUpdate->click();
    });
    items.btnChoiceEdit->click();
    EXPECT_EQ(items.grdChoices->currentRow(), 0);
    EXPECT_EQ(items.grdChoices->item(0, 3)->text(), QStringLiteral("0.2273"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM opt o JOIN item i ON i.id = o.itemid WHERE i.name = ? AND o.button = 2"),
                     {kName}),
              QStringLiteral("2"));

    // A category through its window; the first becomes the top category.
    test::whenOpens<TICatForm>(QStringLiteral("ICatForm"), [](TICatForm& cats) {
        EXPECT_EQ(cats.lblItem->text(), kName);
        EXPECT_GE(cats.cboCat->findText(QStringLiteral("Dessert")), 0);
        cats.cboCat->setEditText(QStringLiteral("Desserts \u00e0 la carte"));
        cats.btnAdd->click();
        EXPECT_EQ(cats.grdCats->item(0, 0)->text(), QStringLiteral("Desserts \u00e0 la carte"));
        EXPECT_EQ(cats.grdCats->item(0, 1)->text(), QStringLiteral("T"));
        // ">>" and "<<" move the item editor and show the other item's categories.
        cats.btnNext->click();
        EXPECT_EQ(cats.lblItem->text(), QStringLiteral("Oysters"));
        EXPECT_EQ(column(cats.grdCats, 0), QStringList({"Entrees", "Food"}));
        cats.btnPrior->click();
        EXPECT_EQ(cats.lblItem->text(), kName);
        cats.btnClose->click();
    });
    items.btnCat->click();
    EXPECT_EQ(name->text(), kName);

    // Renaming an item with buttons: the till shows them under the new name.
    items.lstRecords->setCurrentRow(listedRow(items, QStringLiteral("Lager")));
    EXPECT_TRUE(items.btnOpt[0]->isChecked()); // another item: option 1 again
    EXPECT_EQ(items.grdChoices->rowCount(), 0);
    test::typeInto(name, QStringLiteral("Lager Draught"));
    items.btnInsert->click();
    EXPECT_EQ(renames, QStringList({"New Item>" + kName, "Lager>Lager Draught"}));
    EXPECT_EQ(buttonsChanged, 1);
    EXPECT_TRUE(tillShows(QStringLiteral("Lager Draught")));
    EXPECT_FALSE(tillShows(QStringLiteral("Lager")));

    // The price grid: a price changed in place is written at once and the form shows it.
    items.btnPrices->click();
    ItemPriceGrid* prices = items.grdPrices;
    ASSERT_TRUE(prices->isVisible());
    EXPECT_FALSE(items.grpOptions->isVisible());
    const auto lager = [&] { return listedRow(items, QStringLiteral("Lager Draught")); };
    EXPECT_EQ(prices->grid->item(lager(), 1)->text(), QStringLiteral("8.50"));
    const auto typeCell = [&](int level, const QString& text) {
        prices->grid->editItem(prices->grid->item(lager(), level));
        QLineEdit* cell = nullptr;
        for (QLineEdit* edit : prices->grid->findChildren<QLineEdit*>())
            if (edit->isVisible())
                cell = edit; // not an earlier cell's, closed
        ASSERT_NE(cell, nullptr);
        cell->setText(text);
        QTest::keyClick(cell, Qt::Key_Return);
        settle();
    };
    typeCell(1, QStringLiteral("10.5"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT price1 FROM item WHERE id = 3")), QStringLiteral("10.5"));
    EXPECT_EQ(prices->grid->item(lager(), 1)->text(), QStringLiteral("10.50"));
    EXPECT_EQ(in<QLineEdit>(items, QStringLiteral("edtPrice1"))->text(), QStringLiteral("10.50"));
    prompter.expectWarning(QStringLiteral("Price2 of Lager Draught stays as it was: \"ten\" is not an amount of money."));
    typeCell(2, QStringLiteral("ten"));
    EXPECT_EQ(prices->grid->item(lager(), 2)->text(), QStringLiteral("7.00"));
    // While an item is being edited the grid only shows.
    test::typeInto(name, QStringLiteral("Chips"));
    EXPECT_EQ(prices->grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_TRUE(prices->lblEditing->isVisible());
    items.btnDelete->click(); // "Cancel"
    EXPECT_NE(prices->grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    items.btnPrices->click();
    EXPECT_TRUE(items.grpOptions->isVisible());

    items.btnClose->click();
    EXPECT_EQ(closedAfterEditing, 1);
    touchTab(QStringLiteral("Table 1"));
    touchItem(QStringLiteral("Lager Draught")); // the till's buttons carry the new price
    EXPECT_EQ(scalar(QStringLiteral("SELECT price FROM tabline1 ORDER BY id DESC ROWS 1")), QStringLiteral("10.5"));
}

TEST_F(ItemEditorScreen, AnEmptyListLeavesOnlyInsertAndTheWindowFitsTheScreen) {
    sql(QStringLiteral("DELETE FROM li WHERE itemid IS NOT NULL"));
    sql(QStringLiteral("DELETE FROM opt"));
    sql(QStringLiteral("DELETE FROM icat"));
    sql(QStringLiteral("DELETE FROM item WHERE id > 1"));
    ASSERT_TRUE(start());
    TItemForm items(module->db1, prompter, form.get());
    bindHooks(items);
    items.open();
    items.show();
    const QSize screen(1024, 768);
    EXPECT_LE(items.minimumSizeHint().width(), screen.width());
    EXPECT_LE(items.minimumSizeHint().height(), screen.height() - 40); // under a title bar
    EXPECT_LE(items.width(), screen.width());

    EXPECT_EQ(items.lstRecords->count(), 0);
    for (QWidget* off : std::initializer_list<QWidget*>{items.btnDelete, items.btnCat, items.grpDetails, items.grpOptions,
                                                        items.grpChoices, items.btnOpt[0]})
        EXPECT_FALSE(off->isEnabled()) << off->objectName().toStdString();
    EXPECT_TRUE(items.btnInsert->isEnabled());

    items.btnInsert->click();
    items.btnInsert->click();
    EXPECT_EQ(items.lstRecords->count(), 1);
    for (QWidget* on : std::initializer_list<QWidget*>{items.btnDelete, items.btnCat, items.grpDetails, items.grpOptions,
                                                       items.grpChoices, items.btnChoiceInsert})
        EXPECT_TRUE(on->isEnabled()) << on->objectName().toStdString();

    prompter.expectConfirm(QStringLiteral("Delete the item record?"), true);
    items.btnDelete->click();
    EXPECT_EQ(buttonsChanged, 1);
    EXPECT_FALSE(items.grpOptions->isEnabled());
}

TEST_F(ItemEditorScreen, LeavingAnEditedItemAsksAndAFindNarrowsTheList) {
    ASSERT_TRUE(start());
    TItemForm items(module->db1, prompter, form.get());
    bindHooks(items);
    items.open();
    ASSERT_TRUE(items.openOn(11)); // Steak
    EXPECT_EQ(column(items.grdChoices, 0), QStringList({"Rare", "Medium Rare", "Medium", "Well Done"}));
    items.btnOpt[1]->click();
    EXPECT_EQ(column(items.grdChoices, 0), QStringList({"Pepper", "Mushroom", "Gravy"}));
    prompter.expectConfirm(QStringLiteral("Delete Choice?"), true);
    items.btnChoiceDelete->click();
    EXPECT_EQ(column(items.grdChoices, 0), QStringList({"Mushroom", "Gravy"}));

    auto* name = in<QLineEdit>(items, QStringLiteral("edtName"));
    test::typeInto(name, QStringLiteral("Lager")); // another item's name
    prompter.expectConfirm(QStringLiteral("Save changes?"), true);
    prompter.expectWarning(QStringLiteral("Could not save the changes.\nMake sure Name is Unique."));
    items.btnNext->click();
    EXPECT_EQ(items.btnInsert->text(), QStringLiteral("Save"));
    EXPECT_EQ(items.editor().currentId(), 11);
    prompter.expectConfirm(QStringLiteral("Save changes?"), false);
    items.edtFind->setText(QStringLiteral("CHIP"));
    items.btnFindClick();
    EXPECT_EQ(items.lstRecords->count(), 2); // Chips, Fish & Chips
    EXPECT_EQ(scalar(QStringLiteral("SELECT name FROM item WHERE id = 11")), QStringLiteral("Steak"));
    items.btnAll->click();
    EXPECT_EQ(items.lstRecords->count(), 17);

    test::whenOpens<THelpForm>(QStringLiteral("HelpForm"), [](THelpForm& help) {
        EXPECT_EQ(help.lines().size(), 16);
        EXPECT_EQ(help.lines().at(9), QString());
        help.reject();
    });
    items.btnHelp->click();
    items.reject();
    EXPECT_EQ(closedAfterEditing, 1);
    EXPECT_TRUE(renames.isEmpty());
}

} // namespace
