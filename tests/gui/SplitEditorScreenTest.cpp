#include "TillFixture.h"

#include "ModalWatcher.h"
#include "db/RowSet.h"
#include "sales/LineLists.h"
#include "sales/LinePanel.h"
#include "sales/TTabFindForm.h"
#include "sales/TabPage.h"
#include "tabs/TSplitForm.h"
#include "tabs/TSplitImageForm.h"
#include "ui/TKeyBoardForm.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

using namespace pelora;
using test::TillTest;

namespace {

class SplitEditorScreen : public TillTest {
protected:
    void SetUp() override {
        TillTest::SetUp();
        sql(QStringLiteral("UPDATE layout SET logoutmode = '0'"));
    }
    // Types on the keyboard that opens next and presses Enter.
    static void typeOnKeyboard(QStringList keys) {
        test::whenModalOpens(QStringLiteral("KeyBoardForm"), [keys](QWidget* w) {
            auto* keyboard = static_cast<TKeyBoardForm*>(w);
            for (const QString& key : keys)
                keyboard->key(key)->click();
            keyboard->btnEnter->click();
        });
    }
    // Opens the editor from a source and runs `act` on it while it is up.
    QString openEditor(const QString& source, const QString& selectRef, std::function<void(TSplitForm&)> act) {
        bool opened = false;
        test::whenModalOpens(QStringLiteral("SplitForm"), [&opened, act](QWidget* w) {
            opened = true;
            act(*static_cast<TSplitForm*>(w));
        });
        const QString ref = form->OpenSplitForm(source, QString(), selectRef);
        EXPECT_TRUE(opened);
        return ref;
    }
};

TEST_F(SplitEditorScreen, TheTabFindHandsItsSearchToTheSplitsAndFindsASplitCopiedToTheTabs) {
    ASSERT_TRUE(start());
    prompter.expectConfirm(QStringLiteral("Ref not found. Search the Split?"), true)
        .expectConfirm(QStringLiteral("Copy the Split \"Seat 2\" to the Tab table?"), true)
        .expectInformation(QStringLiteral("Ref: \"Seat 2\" sucessfully added to Tab."));
    bool chosen = false;
    test::whenModalOpens(QStringLiteral("KeyBoardForm"), [&chosen](QWidget* w) {
        auto* keyboard = static_cast<TKeyBoardForm*>(w);
        for (const char* key : {"S", "E", "A", "T"})
            keyboard->key(QString::fromLatin1(key))->click();
        test::whenModalOpens(QStringLiteral("SplitForm"), [&chosen](QWidget* s) {
            auto* split = static_cast<TSplitForm*>(s);
            EXPECT_EQ(split->edtSearch->text(), QStringLiteral("Seat"));
            EXPECT_EQ(split->grdRefs->rowCount(), 4);
            EXPECT_EQ(split->focusWidget(), split->edtSearch);
            EXPECT_TRUE(split->cboDisc->isVisibleTo(split)); // the demo layout's discmode is "1"
            EXPECT_EQ(split->cboDisc->findText(QStringLiteral("Staff (25 %)")), -1);
            split->btnNext->click();
            ASSERT_EQ(split->currentRef(), QStringLiteral("Seat 2"));
            test::whenModalOpens(QStringLiteral("TabFindForm"), [&chosen](QWidget* f) {
                auto* find = static_cast<TTabFindForm*>(f);
                EXPECT_EQ(find->edtSearch->text(), QStringLiteral("Seat 2"));
                ASSERT_EQ(find->grdTabs->rowCount(), 1);
                EXPECT_EQ(find->grdTabs->item(0, 0)->text(), QStringLiteral("Seat 2"));
                // "Split Form" lists every split.
                test::whenModalOpens(QStringLiteral("SplitForm"), [](QWidget* a) {
                    auto* all = static_cast<TSplitForm*>(a);
                    EXPECT_EQ(all->grdRefs->rowCount(), 6);
                    EXPECT_EQ(all->edtSearch->text(), QString());
                    all->btnClose->click();
                });
                find->btnSplitForm->click();
                chosen = true;
                find->btnSelect->click();
            });
            split->btnCopyToTab->click();
        });
        keyboard->btnEnter->click();
    });
    form->pgeTab->btnTabFind->click();
    EXPECT_TRUE(chosen);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    const QString tabId = scalar(QStringLiteral("SELECT id FROM tab WHERE ref = 'Seat 2'"));
    ASSERT_FALSE(tabId.isEmpty());
    EXPECT_EQ(form->state().currentTab, tabId.toInt());
    EXPECT_EQ(form->pnlRight->lblTabRef->text(), QStringLiteral("Seat 2"));
}

TEST_F(SplitEditorScreen, TheKeyboardWritesTheFocusedFieldAndClosingDuringAnEditAsks) {
    ASSERT_TRUE(start());
    touchTab(QStringLiteral("Table 1"));
    touchItem(QStringLiteral("Pale Ale"));
    sql(QStringLiteral("UPDATE tabline1 SET splitref = 'Birthday', splitmsg = 'Birthday party'"));

    prompter.expectConfirm(QStringLiteral("Save changes?"), true);
    const QString closedOn = openEditor(QStringLiteral("Admin"), QStringLiteral("Birthday"), [](TSplitForm& split) {
        EXPECT_EQ(split.focusWidget(), split.edtRef);
        // The console offers every discount.
        EXPECT_EQ(split.cboDisc->currentText(), QStringLiteral("Happy Hour (10 %)"));
        EXPECT_NE(split.cboDisc->findText(QStringLiteral("Staff (25 %)")), -1);

        typeOnKeyboard({"P", "A", "R", "T", "Y"});
        split.btnKeyboard->click();
        EXPECT_EQ(split.edtRef->text(), QStringLiteral("Party"));
        EXPECT_EQ(split.btnInsert->text(), QStringLiteral("Save"));
        EXPECT_EQ(split.btnDelete->text(), QStringLiteral("Cancel"));

        // Notes take each entry on a line of its own.
        split.memNotes->setFocus();
        typeOnKeyboard({"A", "B"});
        split.btnKeyboard->click();
        typeOnKeyboard({"C", "D"});
        split.btnKeyboard->click();
        EXPECT_EQ(split.memNotes->toPlainText(), QStringLiteral("Ab\nCd"));
        split.btnClose->click();
    });
    EXPECT_EQ(closedOn, QStringLiteral("Party"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT ref || '|' || notes FROM split WHERE id = 4")), QStringLiteral("Party|Ab\nCd"));
    // The open line took the new ref, and the sales screen shows it.
    EXPECT_EQ(form->lines().list(LineLists::kMain).value(u"splitref").asText(), QStringLiteral("Party"));

    // A save that is refused keeps the split and the window; "Cancel" lets it close.
    prompter.expectInformation(QStringLiteral("\"Ref\" cannot be blank."))
        .expectConfirm(QStringLiteral("Save changes?"), true)
        .expectInformation(QStringLiteral("\"Ref\" cannot be blank."));
    openEditor(QString(), QStringLiteral("Party"), [](TSplitForm& split) {
        EXPECT_EQ(split.cboDisc->findText(QStringLiteral("Staff (25 %)")), -1); // not from the console
        split.edtRef->setFocus();
        typeOnKeyboard({});
        split.btnKeyboard->click();
        split.btnNext->click(); // saves first, and may not
        EXPECT_EQ(split.currentRef(), QString());
        EXPECT_EQ(split.grdRefs->currentRow(), split.records().rows().row());
        split.btnClose->click();
        EXPECT_TRUE(split.isVisible());
        split.btnDelete->click();
        EXPECT_EQ(split.edtRef->text(), QStringLiteral("Party"));
        split.btnClose->click();
    });
    EXPECT_EQ(scalar(QStringLiteral("SELECT ref FROM split WHERE id = 4")), QStringLiteral("Party"));
}

TEST_F(SplitEditorScreen, PicturesBrowseAndAnEmptyList) {
    sql(QStringLiteral("UPDATE pc SET imagepath = ? WHERE ref = 'Bar'"), {QString(site.folder() + u'/')});
    sql(QStringLiteral("UPDATE layout SET discmode = '0'"));
    QImage picture(30, 20, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    ASSERT_TRUE(picture.save(site.folder() + QStringLiteral("/seat.png")));
    sql(QStringLiteral("UPDATE split SET filename = 'seat.png' WHERE id = 1"));
    sql(QStringLiteral("UPDATE split SET filename = 'gone.png' WHERE id = 2"));
    ASSERT_TRUE(start());

    openEditor(QStringLiteral("SplitChoice"), QStringLiteral("Seat 1"), [this](TSplitForm& split) {
        EXPECT_FALSE(split.cboDisc->isVisibleTo(&split));
        EXPECT_FALSE(split.lblDisc->isVisibleTo(&split));
        bool shown = false;
        test::whenModalOpens(QStringLiteral("SplitImageForm"), [&shown](QWidget* w) {
            auto* viewer = static_cast<TSplitImageForm*>(w);
            shown = true;
            EXPECT_EQ(viewer->imgSplit->pixmap().size(), QSize(30, 20));
            viewer->btnClose->click();
        });
        split.btnImage->click();
        EXPECT_TRUE(shown);
        split.btnNext->click();
        prompter.expectError(QStringLiteral("Cannot open SplitImageForm."));
        split.btnImage->click();
        split.btnNext->click();
        prompter.expectInformation(QStringLiteral("Split is not linked to an image."));
        split.btnImage->click();

        prompter.expectFile(QStringLiteral("/elsewhere/seat-3.jpg"));
        split.btnBrowse->click();
        EXPECT_EQ(split.edtImage->text(), QStringLiteral("seat-3.jpg"));
        prompter.expectFile(QStringLiteral("/elsewhere/a-picture-name-too-long.jpg"))
            .expectWarning(QStringLiteral("The file name is longer than 20 characters."));
        split.btnBrowse->click();
        EXPECT_EQ(split.edtImage->text(), QStringLiteral("seat-3.jpg"));
        split.btnInsert->click();
        EXPECT_EQ(split.btnInsert->text(), QStringLiteral("Insert"));
        EXPECT_EQ(scalar(QStringLiteral("SELECT filename FROM split WHERE id = 3")), QStringLiteral("seat-3.jpg"));

        split.edtSearch->setText(QStringLiteral("zzz"));
        QTest::keyClick(split.edtSearch, Qt::Key_Return); // as a scanner ends its text
        for (QWidget* w : std::initializer_list<QWidget*>{split.btnDelete, split.btnKeyboard, split.btnImage,
                                                          split.btnCopyToTab, split.grpDetails})
            EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
        split.btnAll->click();
        EXPECT_TRUE(split.grpDetails->isEnabled());
        split.btnClose->click();
    });
}

} // namespace
