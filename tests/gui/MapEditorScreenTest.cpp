#include "TillFixture.h"

#include "ModalWatcher.h"
#include "admin/AdminPermissions.h"
#include "admin/TAdminForm.h"
#include "sales/TabPage.h"
#include "tabs/TMapForm.h"

#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace pelora;
using test::TillTest;

namespace {

const QString kUniqueName = QStringLiteral("Could not save the changes.\nMake sure Name is Unique.");

// The map editor over a till whose pictures lie in a folder of the site: the demo's two floor
// plans, and a third one to add.
class MapEditorScreen : public TillTest {
protected:
    void SetUp() override {
        TillTest::SetUp();
        sql(QStringLiteral("UPDATE layout SET logoutmode = '0'"));
        images = pictureFolder({{QStringLiteral("barroom.jpg"), QSize(300, 200)},
                                {QStringLiteral("dining.jpg"), QSize(120, 80)},
                                {QStringLiteral("terrace.jpg"), QSize(800, 560)}});
    }
    std::unique_ptr<TMapForm> openEditor() {
        auto maps = std::make_unique<TMapForm>(module->db1, prompter, form->settings().imagePath, form.get());
        maps->open();
        maps->show();
        return maps;
    }
    static QStringList listed(TMapForm& maps) { return test::listedTexts(*maps.lstRecords); }
    QString notFound(const QString& name) const {
        return QStringLiteral("File ") + images + name + QStringLiteral(" not found. Check the image path in PC.");
    }

    QString images;
};

TEST_F(MapEditorScreen, AMapIsInsertedOnceNamedFreelyAndKeepsItsNameUnique) {
    ASSERT_TRUE(start());
    auto maps = openEditor();
    EXPECT_EQ(listed(*maps), QStringList({"Bar Room", "Dining"}));
    EXPECT_EQ(maps->edtFileName->text(), QStringLiteral("barroom.jpg"));
    EXPECT_EQ(maps->imgMap->size(), QSize(300, 200));
    maps->btnNext->click();
    EXPECT_EQ(maps->imgMap->size(), QSize(120, 80));

    // "Insert" twice: one "New Map", without a picture, the cursor in its name.
    maps->btnInsert->click();
    EXPECT_EQ(maps->edtName->text(), QStringLiteral("New Map"));
    EXPECT_TRUE(maps->edtFileName->text().isEmpty());
    EXPECT_EQ(maps->imgMap->size(), QSize(0, 0));
    EXPECT_TRUE(maps->btnBrowse->isEnabled());
    EXPECT_EQ(maps->focusWidget(), maps->edtName);
    maps->btnFirst->click();
    maps->btnInsert->click();
    EXPECT_EQ(maps->edtName->text(), QStringLiteral("New Map"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM map WHERE UPPER(name) = 'NEW MAP'")), QStringLiteral("1"));

    // Quotes and letters beyond ASCII are stored as typed.
    const QString name = QStringLiteral("Rooftop 'Ü' \"é\"");
    test::typeInto(maps->edtName, name);
    EXPECT_EQ(maps->btnInsert->text(), QStringLiteral("Save"));
    EXPECT_EQ(maps->btnDelete->text(), QStringLiteral("Cancel"));
    maps->btnInsert->click();
    EXPECT_EQ(maps->btnInsert->text(), QStringLiteral("Insert"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT name FROM map WHERE id = ?"), {maps->editor().currentId()}), name);
    EXPECT_TRUE(listed(*maps).contains(name));

    // Another map's name: the warning, and the edit stays open to be mended or cancelled.
    test::typeInto(maps->edtName, QStringLiteral("Dining"));
    prompter.expectWarning(kUniqueName);
    maps->btnInsert->click();
    EXPECT_EQ(maps->btnInsert->text(), QStringLiteral("Save"));
    EXPECT_EQ(maps->edtName->text(), QStringLiteral("Dining"));
    maps->btnDelete->click(); // "Cancel"
    EXPECT_EQ(maps->edtName->text(), name);
    EXPECT_EQ(maps->btnDelete->text(), QStringLiteral("Delete"));

    // Map 1 stays.
    maps->btnFirst->click();
    prompter.expectWarning(QStringLiteral("This Map must remain."));
    maps->btnDelete->click();
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM map")), QStringLiteral("3"));
}

TEST_F(MapEditorScreen, AMissingPictureIsReportedWithItsPathAndTheMapCanStillBeRenamed) {
    sql(QStringLiteral("UPDATE map SET filename = 'gone.jpg' WHERE id = 2"));
    ASSERT_TRUE(start());
    auto maps = openEditor();
    EXPECT_EQ(maps->imgMap->size(), QSize(300, 200));
    prompter.expectWarning(notFound(QStringLiteral("gone.jpg")));
    maps->btnNext->click();
    EXPECT_EQ(maps->imgMap->size(), QSize(0, 0)); // not the picture of the map before
    EXPECT_TRUE(maps->imgMap->pixmap().isNull());

    test::typeInto(maps->edtName, QStringLiteral("Dining Room"));
    prompter.expectWarning(notFound(QStringLiteral("gone.jpg"))); // the saved map's picture, again
    maps->btnInsert->click();
    EXPECT_EQ(scalar(QStringLiteral("SELECT name FROM map WHERE id = 2")), QStringLiteral("Dining Room"));

    // "Cancel" puts the picture back without a word when it cannot be read.
    test::typeInto(maps->edtName, QStringLiteral("Dining Hall"));
    maps->btnDelete->click();
    EXPECT_EQ(maps->edtName->text(), QStringLiteral("Dining Room"));
    EXPECT_EQ(maps->imgMap->size(), QSize(0, 0));
}

TEST_F(MapEditorScreen, BrowseKeepsTheFileNameOnlyAndShowsThePictureAtItsOwnSize) {
    ASSERT_TRUE(start());
    auto maps = openEditor();
    maps->btnInsert->click();
    test::typeInto(maps->edtName, QStringLiteral("Terrace"));

    prompter.expectFile(images + QStringLiteral("terrace.jpg"));
    maps->btnBrowse->click();
    EXPECT_EQ(maps->edtFileName->text(), QStringLiteral("terrace.jpg"));
    EXPECT_EQ(maps->imgMap->size(), QSize(800, 560));
    EXPECT_EQ(maps->imgMap->pixmap().size(), QSize(800, 560));
    maps->btnInsert->click(); // "Save"
    EXPECT_EQ(scalar(QStringLiteral("SELECT filename FROM map WHERE name = 'Terrace'")), QStringLiteral("terrace.jpg"));
    EXPECT_EQ(maps->imgMap->size(), QSize(800, 560));

    // A picture from another folder: only its name is kept, so it is looked for in the image
    // folder, where it is not.
    prompter.expectFile(QStringLiteral("/elsewhere/patio.jpg"));
    prompter.expectInformation(QStringLiteral("Could not load the image patio.jpg.\nMake sure that the bitmap is in "
                                              "the the folder ") +
                               images + QStringLiteral("."));
    maps->btnBrowse->click();
    EXPECT_EQ(maps->edtFileName->text(), QStringLiteral("patio.jpg"));
    EXPECT_EQ(maps->imgMap->size(), QSize(0, 0));
    EXPECT_EQ(maps->btnInsert->text(), QStringLiteral("Save"));

    // A name longer than the column is refused, not cut to another file's name.
    prompter.expectFile(images + QStringLiteral("terrace-by-the-harbour.jpg"));
    prompter.expectWarning(QStringLiteral("The file name is longer than 20 characters."));
    maps->btnBrowse->click();
    EXPECT_EQ(maps->edtFileName->text(), QStringLiteral("patio.jpg"));

    // "Cancel" shows the saved picture again.
    maps->btnDelete->click();
    EXPECT_EQ(maps->edtFileName->text(), QStringLiteral("terrace.jpg"));
    EXPECT_EQ(maps->imgMap->size(), QSize(800, 560));
}

TEST_F(MapEditorScreen, TheConsolesMapsDeletesAMapAndTheTillShowsMapOneAfterTheReset) {
    sql(QStringLiteral("UPDATE pc SET mapid = 2"));
    ASSERT_TRUE(start());
    ASSERT_EQ(form->grpMain->title(), QStringLiteral("Tab: Dining"));
    ASSERT_NE(scalar(QStringLiteral("SELECT COUNT(*) FROM tm WHERE mapid = 2")), QStringLiteral("0"));
    auto console = std::make_unique<TAdminForm>(*form, *module, prompter, form.get());
    console->show();
    console->edtPassword->setText(test::admin1Password());
    console->btnLogin->click();
    QPushButton* mapsButton = console->permissionButtons.at(AdminPermissions::indexOf(QStringLiteral("admin2map")));
    ASSERT_TRUE(mapsButton->isEnabled());

    bool opened = false;
    test::whenOpens<TMapForm>(QStringLiteral("MapForm"), [&](TMapForm& maps) {
        opened = true;
        maps.btnNext->click();
        EXPECT_EQ(maps.edtName->text(), QStringLiteral("Dining"));
        maps.btnDelete->click();
        EXPECT_EQ(listed(maps), QStringList({"Bar Room"}));
        EXPECT_EQ(maps.imgMap->size(), QSize(300, 200)); // the map now current
        maps.btnClose->click();
    });
    prompter.expectConfirm(QStringLiteral("Delete the map record?"), true);
    prompter.expectConfirm(QStringLiteral("Reset the application?"), true);
    mapsButton->click();
    settle();
    EXPECT_TRUE(opened);
    EXPECT_EQ(console->result(), QDialog::Accepted);
    // Its tab buttons went with it, and this terminal opens on map 1.
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM tm WHERE mapid = 2")), QStringLiteral("0"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT mapid FROM pc WHERE ref = 'Bar'")), QStringLiteral("1"));
    EXPECT_EQ(form->grpMain->title(), QStringLiteral("Tab: Bar Room"));
    EXPECT_EQ(form->pgeTab->mapPicture->size(), QSize(300, 200));
    EXPECT_NE(tabButton(QStringLiteral("Table 1")), nullptr);
}

} // namespace
