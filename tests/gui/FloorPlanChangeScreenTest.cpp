#include "TillFixture.h"

#include "ModalWatcher.h"
#include "admin/AdminPermissions.h"
#include "admin/TAdminForm.h"
#include "sales/LinePanel.h"
#include "sales/TabPage.h"
#include "tabs/TMapForm.h"
#include "tabs/TTabEditForm.h"
#include "tabs/TTabForm.h"
#include "ui/GlyphButton.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

using namespace pelora;
using test::TillTest;

namespace {

// A manager changes the floor plans through the console on a live till, and a waiter serves
// from them.
class FloorPlanChangeScreen : public TillTest {
protected:
    void SetUp() override {
        TillTest::SetUp();
        sql(QStringLiteral("UPDATE layout SET logoutmode = '0'"));
        // The demo's two floor plans and a third one to add.
        images = pictureFolder({{QStringLiteral("barroom.jpg"), QSize(500, 300)},
                                {QStringLiteral("dining.jpg"), QSize(500, 300)},
                                {QStringLiteral("terrace.jpg"), QSize(640, 400)}});
    }
    // The console logged in as a full Admin, one button pressed.
    void console(const char* column) {
        TAdminForm admin(*form, *module, prompter, form.get());
        admin.show();
        admin.edtPassword->setText(test::admin1Password());
        admin.btnLogin->click();
        admin.permissionButtons.at(AdminPermissions::indexOf(QString::fromLatin1(column)))->click();
        settle();
    }
    TTabForm* tabEditor() const { return dynamic_cast<TTabForm*>(form->tabMapEditor()); }
    void putButtonOnMap(const QString& ref) {
        QTableWidget* tabs = tabEditor()->grdTabs;
        const QList<QTableWidgetItem*> found = tabs->findItems(ref, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << ref.toStdString();
        const QPoint at = tabs->visualItemRect(found.front()).center();
        QTest::mouseClick(tabs->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(tabs->viewport(), Qt::LeftButton, {}, at);
        settle();
    }
    // "<<" back to the first plan, then ">>" until the plan is shown.
    void showMap(const QString& name) {
        for (int i = 0; i < 5; ++i)
            form->pgeTab->btnMapPrior->click();
        for (int i = 0; i < 5 && form->grpMain->title() != QStringLiteral("Tab: ") + name; ++i) {
            form->pgeTab->btnMapNext->click();
            settle();
        }
        ASSERT_EQ(form->grpMain->title(), QStringLiteral("Tab: ") + name);
    }

    QString images;
};

TEST_F(FloorPlanChangeScreen, ANewTableIsPlacedOnTwoFloorPlansAndShowsOccupiedAndKeptWhileItHoldsLines) {
    ASSERT_TRUE(start());

    // "Table 9" with a credit limit, its button dragged into place on the Dining plan.
    console("admin2tab");
    ASSERT_NE(tabEditor(), nullptr);
    test::whenOpens<TTabEditForm>(QStringLiteral("TabEditForm"), [](TTabEditForm& edit) {
        test::typeInto(edit.edtRef, QStringLiteral("Table 9"));
        test::typeInto(edit.edtCrLimit, QStringLiteral("150"));
        edit.btnSave->click();
    });
    tabEditor()->btnInsert->click();
    settle();
    showMap(QStringLiteral("Dining"));
    putButtonOnMap(QStringLiteral("Table 9"));
    drag(tabButton(QStringLiteral("Table 9")), {QPoint(30, 20), QPoint(200, 150)});
    EXPECT_EQ(scalar(QStringLiteral("SELECT t.crlimit || '|' || m.btnleft || ',' || m.btntop FROM tab t"
                                    " JOIN tm m ON m.tabid = t.id JOIN map p ON p.id = m.mapid"
                                    " WHERE t.ref = 'Table 9' AND p.name = 'Dining'")),
              QStringLiteral("150.0000000000000|200,150"));
    EXPECT_EQ(tabButton(QStringLiteral("Table 9"))->geometry().topLeft(), QPoint(200, 150));
    tabEditor()->grpButton->btnClose->click();
    settle();

    // A new floor plan with its picture, taken after the reset.
    test::whenOpens<TMapForm>(QStringLiteral("MapForm"), [](TMapForm& maps) {
        maps.btnInsert->click();
        test::typeInto(maps.edtName, QStringLiteral("Terrace"));
        maps.btnBrowse->click();
        maps.btnInsert->click(); // "Save"
        maps.btnClose->click();
    });
    prompter.expectFile(images + QStringLiteral("terrace.jpg"))
        .expectConfirm(QStringLiteral("Reset the application?"), true);
    console("admin2map");
    console("admin2tab");
    showMap(QStringLiteral("Terrace"));
    EXPECT_EQ(form->pgeTab->mapPicture->size(), QSize(640, 400));
    putButtonOnMap(QStringLiteral("Table 9"));
    ASSERT_NE(tabButton(QStringLiteral("Table 9")), nullptr);
    tabEditor()->grpButton->btnClose->click();
    settle();

    // A waiter serves Table 9: it shows occupied on both plans.
    touchTab(QStringLiteral("Table 9"));
    EXPECT_EQ(form->pnlRight->lblTabRef->text(), QStringLiteral("Table 9"));
    touchItem(QStringLiteral("Lager"));
    form->btnTab->click();
    settle();
    EXPECT_TRUE(tabButton(QStringLiteral("Table 9"))->isMarked());
    showMap(QStringLiteral("Dining"));
    EXPECT_TRUE(tabButton(QStringLiteral("Table 9"))->isMarked());
    EXPECT_FALSE(tabButton(QStringLiteral("Table 5"))->isMarked());

    // While it holds the line, the manager cannot delete it.
    console("admin2tab");
    touchTab(QStringLiteral("Table 9"));
    prompter.expectWarning(
        QStringLiteral("Table 9 holds 1 open line and cannot be deleted.\nPay or move them first."));
    tabEditor()->btnDelete->click();
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM tm t JOIN tab a ON a.id = t.tabid WHERE a.ref = 'Table 9'")),
              QStringLiteral("2"));
    tabEditor()->close();
    settle();
}

} // namespace
