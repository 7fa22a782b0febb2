#include "TillFixture.h"

#include "ModalWatcher.h"
#include "admin/AdminPermissions.h"
#include "admin/TAdminForm.h"
#include "admin/TImageForm.h"
#include "admin/layouts/TLIForm.h"
#include "sales/ItemGrid.h"
#include "sales/ItemPage.h"
#include "sales/PictureList.h"
#include "sales/TabPage.h"
#include "ui/GlyphButton.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace pelora;
using test::TillTest;

namespace {

// The picture list over a till whose pictures lie in a folder of the site; the layout shows
// pictures on its buttons.
class PictureListScreen : public TillTest {
protected:
    void SetUp() override {
        TillTest::SetUp();
        sql(QStringLiteral("UPDATE layout SET logoutmode = '0', glyphmode = '1'"));
    }
    // The demo's four button pictures and a bitmap to add.
    void allPictures() {
        images = pictureFolder({{QStringLiteral("beer.png"), QSize(24, 24)},
                                {QStringLiteral("wine.png"), QSize(24, 24)},
                                {QStringLiteral("food.png"), QSize(24, 24)},
                                {QStringLiteral("coffee.png"), QSize(24, 24)},
                                {QStringLiteral("lemon.bmp"), QSize(40, 30)}});
    }
    std::unique_ptr<TImageForm> openEditor() {
        auto list = std::make_unique<TImageForm>(module->db1, prompter, form->settings().imagePath, form.get());
        list->open();
        list->show();
        return list;
    }
    QString notLoaded(const QString& fileName) const {
        return QStringLiteral("Could not load the bitmap ") + fileName +
               QStringLiteral(".\nMake sure that the bitmap is in the the folder ") + images + QStringLiteral(".");
    }
    static QStringList listed(TImageForm& list) { return test::listedTexts(*list.lstRecords); }
    GlyphButton* gridButton(const QString& caption) const {
        for (QPushButton* b : form->pgeItem->grid->buttons)
            if (auto* g = static_cast<GlyphButton*>(b); g->caption() == caption)
                return g;
        ADD_FAILURE() << caption.toStdString();
        return nullptr;
    }

    QString images;
};

TEST_F(PictureListScreen, AManagerAddsABitmapAndAfterTheResetAGridButtonShowsIt) {
    allPictures();
    ASSERT_TRUE(start());
    auto console = std::make_unique<TAdminForm>(*form, *module, prompter, form.get());
    console->show();
    console->edtPassword->setText(test::admin1Password());
    console->btnLogin->click();
    QPushButton* imagesButton = console->permissionButtons.at(AdminPermissions::indexOf(QStringLiteral("admin2image")));
    ASSERT_TRUE(imagesButton->isEnabled());

    int added = 0;
    test::whenOpens<TImageForm>(QStringLiteral("ImageForm"), [&](TImageForm& list) {
        EXPECT_EQ(listed(list), QStringList({"Beer", "Wine", "Food", "Coffee"}));
        EXPECT_EQ(list.imgImage->size(), QSize(24, 24));

        // The new row has no bitmap yet: it is told so when it shows.
        prompter.expectInformation(notLoaded(QString()));
        list.btnInsert->click();
        EXPECT_EQ(list.edtName->text(), QStringLiteral("New Image"));
        EXPECT_EQ(list.focusWidget(), list.edtName);
        EXPECT_EQ(list.imgImage->size(), QSize(0, 0));
        test::typeInto(list.edtName, QStringLiteral("Lemon"));

        prompter.expectFile(images + QStringLiteral("lemon.bmp"));
        list.btnBrowse->click();
        EXPECT_EQ(list.edtFileName->text(), QStringLiteral("lemon.bmp"));
        EXPECT_EQ(list.imgImage->size(), QSize(40, 30));
        list.btnInsert->click(); // "Save"
        EXPECT_EQ(list.btnInsert->text(), QStringLiteral("Insert"));
        EXPECT_EQ(list.imgImage->size(), QSize(40, 30));
        added = list.editor().currentId();
        prompter.expectConfirm(QStringLiteral("Reset the application?"), true);
        list.btnClose->click();
    });
    imagesButton->click();
    settle();
    ASSERT_GT(added, 0);
    EXPECT_EQ(console->result(), QDialog::Accepted);
    EXPECT_EQ(scalar(QStringLiteral("SELECT name || '/' || filename FROM image WHERE id = ?"), {added}),
              QStringLiteral("Lemon/lemon.bmp"));
    ASSERT_NE(form->pictures().find(added), nullptr);

    // The button editor gives "Chips" the new picture, and the grid shows it at once.
    form->pgeTab->btnNonTab->click();
    form->show();
    TLIForm buttons(*form, module->db1, prompter);
    buttons.openOverSalesScreen();
    settle();
    ASSERT_NE(gridButton(QStringLiteral("Chips")), nullptr);
    EXPECT_TRUE(gridButton(QStringLiteral("Chips"))->picture().isNull());
    gridButton(QStringLiteral("Chips"))->click();
    settle();
    const int lemon = buttons.cboImage->findText(QStringLiteral("lemon.bmp"));
    ASSERT_GT(lemon, 0);
    buttons.cboImage->setCurrentIndex(lemon);
    Q_EMIT buttons.cboImage->activated(lemon);
    settle();
    EXPECT_EQ(scalar(QStringLiteral("SELECT imageid FROM li WHERE id = 8")), QString::number(added));
    ASSERT_NE(gridButton(QStringLiteral("Chips")), nullptr);
    EXPECT_EQ(gridButton(QStringLiteral("Chips"))->picture().size(), QSize(40, 30));
}

TEST_F(PictureListScreen, InsertFindsTheOneNewImageAndNamesAreKeptAsTyped) {
    allPictures();
    ASSERT_TRUE(start());
    auto list = openEditor();
    prompter.expectInformation(notLoaded(QString()));
    list->btnInsert->click();
    list->btnFirst->click();
    EXPECT_EQ(list->imgImage->size(), QSize(24, 24));
    prompter.expectInformation(notLoaded(QString())); // shown again
    list->btnInsert->click();
    EXPECT_EQ(list->edtName->text(), QStringLiteral("New Image"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM image WHERE UPPER(name) = 'NEW IMAGE' AND filename = ''")),
              QStringLiteral("1"));

    // "Cancel" shows the row as it was without a word, though its bitmap cannot be read.
    test::typeInto(list->edtName, QStringLiteral("Lime"));
    list->btnDelete->click();
    EXPECT_EQ(list->edtName->text(), QStringLiteral("New Image"));

    // Quotes and letters beyond ASCII are stored and read back as typed; saving shows the
    // bitmap again, which this row still lacks.
    const QString name = QStringLiteral("Café 'Ü' \"Bière\"");
    test::typeInto(list->edtName, name);
    prompter.expectInformation(notLoaded(QString()));
    list->btnInsert->click();
    const int id = list->editor().currentId();
    EXPECT_EQ(scalar(QStringLiteral("SELECT name FROM image WHERE id = ?"), {id}), name);

    // A bitmap chosen in another folder keeps its name only, and is looked for in the image
    // folder.
    prompter.expectFile(QStringLiteral("/elsewhere/patio.bmp"));
    prompter.expectInformation(notLoaded(QStringLiteral("patio.bmp")));
    list->btnBrowse->click();
    EXPECT_EQ(list->edtFileName->text(), QStringLiteral("patio.bmp"));
    EXPECT_EQ(list->btnInsert->text(), QStringLiteral("Save"));
    list->btnDelete->click();
    EXPECT_EQ(list->edtFileName->text(), QString());
    EXPECT_EQ(listed(*list), QStringList({"Beer", "Wine", "Food", "Coffee", name}));
}

TEST_F(PictureListScreen, AMissingBitmapIsToldAndDeletingTheLastPictureClearsThePreview) {
    sql(QStringLiteral("DELETE FROM image WHERE id > 2"));
    images = pictureFolder({{QStringLiteral("beer.png"), QSize(24, 24)}}); // wine.png is missing
    ASSERT_TRUE(start());
    auto list = openEditor();
    EXPECT_EQ(list->imgImage->size(), QSize(24, 24));
    prompter.expectInformation(notLoaded(QStringLiteral("wine.png")));
    list->btnNext->click();
    EXPECT_EQ(list->imgImage->size(), QSize(0, 0)); // not the bitmap of the row before
    EXPECT_TRUE(list->imgImage->pixmap().isNull());

    prompter.expectConfirm(QStringLiteral("Delete the Image record?"), true);
    list->btnDelete->click();
    EXPECT_EQ(listed(*list), QStringList({"Beer"}));
    EXPECT_EQ(list->imgImage->size(), QSize(24, 24));

    prompter.expectConfirm(QStringLiteral("Delete the Image record?"), true);
    list->btnDelete->click();
    EXPECT_TRUE(listed(*list).isEmpty());
    EXPECT_EQ(list->imgImage->size(), QSize(0, 0));
    EXPECT_TRUE(list->imgImage->pixmap().isNull());
    EXPECT_FALSE(list->btnDelete->isEnabled());
    EXPECT_FALSE(list->grpDetails->isEnabled());
    // The buttons that showed them show none now.
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM li WHERE imageid IN (1, 2)")), QStringLiteral("0"));
}

} // namespace
