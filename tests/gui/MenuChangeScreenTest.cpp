#include "TillFixture.h"

#include "ModalWatcher.h"
#include "admin/TAdminForm.h"
#include "admin/items/TICatForm.h"
#include "admin/items/TItemForm.h"
#include "admin/items/TOptEditForm.h"
#include "admin/layouts/TLIForm.h"
#include "admin/layouts/TLayoutChoiceForm.h"
#include "admin/layouts/TLinkEditForm.h"
#include "sales/ItemGrid.h"
#include "sales/ItemPage.h"
#include "sales/TOptChoiceForm.h"
#include "ui/GlyphButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace pelora;
using test::TillTest;

namespace {

// A manager changes the menu through the console on a live till, and a waiter sells from it.
class MenuChangeScreen : public TillTest {
protected:
    void SetUp() override {
        TillTest::SetUp();
        sql(QStringLiteral("UPDATE layout SET logoutmode = '0'"));
    }
    // The console logged in as a full Admin, one button pressed.
    void console(const std::function<void(TAdminForm&)>& press) {
        TAdminForm admin(*form, *module, prompter, form.get());
        admin.show();
        admin.edtPassword->setText(test::admin1Password());
        admin.btnLogin->click();
        press(admin);
    }
    static QPushButton* permitted(TAdminForm& admin, const char* column) {
        return admin.permissionButtons.at(AdminPermissions::indexOf(QString::fromLatin1(column)));
    }
    template <typename Widget>
    static Widget* in(QWidget& window, const char* name) {
        auto* w = window.findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QPushButton* gridButton(const QString& caption) const {
        for (QPushButton* b : form->pgeItem->grid->buttons)
            if (static_cast<GlyphButton*>(b)->caption() == caption)
                return b;
        return nullptr;
    }
    static void addChoice(TItemForm& items, const QString& choice, const QString& price) {
        test::whenOpens<TOptEditForm>(QStringLiteral("OptForm"), [choice, price](TOptEditForm& edit) {
            edit.edtChoice->setText(choice);
            edit.edtPrice->setText(price);
            edit.btnUpdate->click();
        });
        items.btnChoiceInsert->click();
    }
};

TEST_F(MenuChangeScreen, ANewItemIsPutOnAPageColouredDraggedAndSoldWithItsOptionAtTheLayoutsPrice) {
    ASSERT_TRUE(start());

    // The item, its prices, an option asked at once with two choices, and a category.
    test::whenOpens<TItemForm>(QStringLiteral("ItemForm"), [this](TItemForm& items) {
        items.btnInsert->click();
        test::typeInto(in<QLineEdit>(items, "edtName"), QStringLiteral("Spritz"));
        test::typeInto(in<QLineEdit>(items, "edtPrice1"), QStringLiteral("12"));
        test::typeInto(in<QLineEdit>(items, "edtPrice2"), QStringLiteral("10"));
        test::typeInto(in<QLineEdit>(items, "edtPrice3"), QStringLiteral("14"));
        test::typeInto(in<QLineEdit>(items, "edtOpt1Caption"), QStringLiteral("Style"));
        test::typeInto(in<QLineEdit>(items, "edtOpt1Prompt"), QStringLiteral("Which one?"));
        in<QCheckBox>(items, "chkOpt1Auto")->click();
        items.btnInsert->click(); // "Save"
        addChoice(items, QStringLiteral("Aperol"), QStringLiteral("0"));
        addChoice(items, QStringLiteral("Campari"), QStringLiteral("1"));
        test::whenOpens<TICatForm>(QStringLiteral("ICatForm"), [](TICatForm& cats) {
            cats.cboCat->setEditText(QStringLiteral("Cocktails"));
            cats.btnAdd->click();
            cats.btnClose->click();
        });
        items.btnCat->click();
        items.reject();
    });
    console([](TAdminForm& admin) { permitted(admin, "admin2item")->click(); });
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) || '|' || MIN(c.cat) || c.topcat FROM opt o JOIN item i ON i.id = o.itemid"
                                    " JOIN icat c ON c.itemid = i.id WHERE i.name = 'Spritz' GROUP BY c.topcat")),
              QStringLiteral("2|CocktailsT"));

    // Its button on the Drinks page, coloured and dragged into place; the page duplicated.
    console([](TAdminForm& admin) { permitted(admin, "admin2link")->click(); });
    auto* editor = form->findChild<TLIForm*>(QStringLiteral("LIForm"));
    ASSERT_NE(editor, nullptr);
    gridButton(QStringLiteral("Drinks >"))->click();
    editor->btnLinkTo->click(); // walks to the page the link button opens
    const QList<QListWidgetItem*> spritz = editor->lstItems->findItems(QStringLiteral("Spritz"), Qt::MatchExactly);
    ASSERT_EQ(spritz.size(), 1);
    editor->lstItems->setCurrentItem(spritz.front());
    emit editor->lstItems->itemDoubleClicked(spritz.front());
    settle();
    ASSERT_NE(gridButton(QStringLiteral("Spritz")), nullptr);
    EXPECT_EQ(editor->grpButton->edtCaption->text(), QStringLiteral("Spritz"));
    prompter.expectColour(0x3366cc);
    editor->btnColour->click();
    QPushButton* button = gridButton(QStringLiteral("Spritz"));
    QTest::mousePress(button, Qt::LeftButton, {}, button->rect().center());
    QTest::mouseMove(button, button->rect().center() + QPoint(200, 120));
    QTest::mouseRelease(button, Qt::LeftButton, {}, button->rect().center() + QPoint(200, 120));
    settle();
    EXPECT_EQ(scalar(QStringLiteral("SELECT l.name || '|' || li.boxcolour || '|' || li.boxleft || ',' || li.boxtop"
                                    " FROM li JOIN link l ON l.id = li.linkid WHERE li.btncaption = 'Spritz'")),
              QStringLiteral("Drinks|3368652|200,120"));

    editor->lstLinks->setCurrentItem(editor->lstLinks->findItems(QStringLiteral("Drinks"), Qt::MatchExactly).front());
    prompter.expectConfirm(QStringLiteral("Duplicate the link: \"Drinks\"?"), true);
    test::whenOpens<TLinkEditForm>(QStringLiteral("LinkEditForm"), [](TLinkEditForm& name) {
        QLineEdit* edit = name.edtName;
        edit->setText(QStringLiteral("Late Drinks"));
        emit edit->textEdited(edit->text());
        name.btnSave->click();
    });
    editor->btnLinkDup->click();
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM li WHERE linkid = (SELECT id FROM link WHERE name = 'Late Drinks')")),
              scalar(QStringLiteral("SELECT COUNT(*) FROM li WHERE linkid = 2")));
    editor->grpButton->btnClose->click();
    settle();

    // This till on the second price level; a waiter sells a Spritz with Campari.
    test::whenOpens<TLayoutChoiceForm>(QStringLiteral("LayoutChoiceForm"), [](TLayoutChoiceForm& chooser) {
        for (QPushButton* b : chooser.layoutButtons)
            if (b->text() == QLatin1String("Happy Hour"))
                b->click();
    });
    console([](TAdminForm& admin) { admin.btnLayout->click(); });
    EXPECT_EQ(form->settings().layoutName, QStringLiteral("Happy Hour"));

    touchTab(QStringLiteral("Table 1"));
    touchItem(QStringLiteral("Drinks >"));
    test::whenOpens<TOptChoiceForm>(QStringLiteral("OptChoiceForm"), [](TOptChoiceForm& chooser) {
        for (QPushButton* b : chooser.optButtons())
            if (b->text() == QLatin1String("Campari"))
                b->click();
    });
    touchItem(QStringLiteral("Spritz"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT itemname || '|' || CAST(price AS NUMERIC(9, 2)) || '|' || CAST(extprice AS NUMERIC(9, 2)) FROM tabline1 WHERE tabid = 3")),
              QStringLiteral("Spritz|10.00|11.00")); // the second level, and Campari's 1.00
    EXPECT_EQ(form->total1().toString(), QStringLiteral("11.00"));
}

} // namespace
