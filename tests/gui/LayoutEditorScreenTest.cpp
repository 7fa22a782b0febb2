#include "TillFixture.h"

#include "ModalWatcher.h"
#include "admin/TAdminForm.h"
#include "admin/layouts/TLayoutChoiceForm.h"
#include "admin/layouts/TLayoutForm.h"
#include "ui/THelpForm.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace pelora;
using test::TillTest;

namespace {

const QString kUniqueName = QStringLiteral("Could not save the changes.\nMake sure Name is Unique.");

class LayoutEditorScreen : public TillTest {
protected:
    void SetUp() override {
        TillTest::SetUp();
        sql(QStringLiteral("UPDATE layout SET logoutmode = '0'"));
    }
    static QStringList listed(TRecordEditorForm& editor) { return test::listedTexts(*editor.lstRecords); }
};

TEST_F(LayoutEditorScreen, EverySettingShowsAndAnInsertedLayoutIsNamedChosenAndSaved) {
    ASSERT_TRUE(start());
    TLayoutForm layouts(module->db1, prompter, QStringLiteral("/srv/pelora/images/"));
    layouts.open();
    ASSERT_TRUE(layouts.editor().locateId(2));
    layouts.show();
    EXPECT_EQ(listed(layouts), QStringList({"Bar", "Default", "Happy Hour"}));
    EXPECT_EQ(layouts.lstRecords->currentItem()->text(), QStringLiteral("Bar"));
    EXPECT_EQ(layouts.edtName->text(), QStringLiteral("Bar"));
    EXPECT_EQ(layouts.cboLink->currentText(), QStringLiteral("Home"));
    EXPECT_EQ(layouts.cboCharset->currentText(), QStringLiteral("Default"));
    EXPECT_EQ(layouts.cboItemFontSize->currentText(), QStringLiteral("11")); // typed once, not offered
    EXPECT_EQ(layouts.cboTabFontSize->currentIndex(), 4);                    // 10, offered
    EXPECT_EQ(layouts.cboRestartMins->currentText(), QStringLiteral("15"));
    EXPECT_EQ(layouts.edtManRegCostRate->text(), QStringLiteral("0.4"));
    EXPECT_EQ(layouts.modeGroups.size(), 17u);
    const QStringList bar = test::chosenInGroups(layouts.modeGroups);
    EXPECT_TRUE(bar.contains(QStringLiteral("Tab Mode=Both")));
    EXPECT_TRUE(bar.contains(QStringLiteral("Option Mode=Opt/kb on")));
    EXPECT_TRUE(bar.contains(QStringLiteral("Round Mode=+0.05")));
    EXPECT_EQ(bar.size(), 17);

    // "Insert" twice: one "New Layout", on the first link, every mode unchosen.
    layouts.btnInsert->click();
    EXPECT_EQ(layouts.edtName->text(), QStringLiteral("New Layout"));
    EXPECT_EQ(layouts.cboLink->currentText(), QStringLiteral("Home"));
    EXPECT_TRUE(test::chosenInGroups(layouts.modeGroups).isEmpty());
    layouts.btnFirst->click();
    layouts.btnInsert->click();
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM layout WHERE name = 'New Layout'")), QStringLiteral("1"));

    // Named with quotes and letters beyond ASCII, a mode chosen, a size typed: all stored.
    test::typeInto(layouts.edtName, QStringLiteral("Café 'Sol' \"Ñ\""));
    EXPECT_EQ(layouts.btnInsert->text(), QStringLiteral("Save"));
    layouts.findChild<QRadioButton*>(QStringLiteral("rdopricemode2"))->click();
    layouts.findChild<QRadioButton*>(QStringLiteral("rdotabmode1"))->click();
    layouts.cboItemFontSize->lineEdit()->selectAll();
    QTest::keyClicks(layouts.cboItemFontSize->lineEdit(), QStringLiteral("13"));
    layouts.cboCharset->setCurrentIndex(layouts.cboCharset->findText(QStringLiteral("Greek")));
    emit layouts.cboCharset->activated(layouts.cboCharset->currentIndex());
    layouts.btnInsert->click();
    EXPECT_EQ(layouts.btnInsert->text(), QStringLiteral("Insert"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT name || '|' || pricemode || tabmode || '|' || libtnfsize || '|' || charset"
                                    " || '|' || COALESCE(startmode, '-') FROM layout WHERE id = ?"),
                     {layouts.editor().currentId()}),
              QStringLiteral("Café 'Sol' \"Ñ\"|21|13|Greek|-"));
    EXPECT_TRUE(listed(layouts).contains(QStringLiteral("Café 'Sol' \"Ñ\"")));

    // A name another layout has: the warning, and the edit stays open to be mended.
    test::typeInto(layouts.edtName, QStringLiteral("Bar"));
    prompter.expectWarning(kUniqueName);
    layouts.btnInsert->click();
    EXPECT_EQ(layouts.btnInsert->text(), QStringLiteral("Save"));
    EXPECT_EQ(layouts.edtName->text(), QStringLiteral("Bar"));
    layouts.btnDelete->click(); // "Cancel"
    EXPECT_EQ(layouts.edtName->text(), QStringLiteral("Café 'Sol' \"Ñ\""));

    // "Browse" keeps the picture's name without its folder; a name the column cannot hold is refused.
    prompter.expectFile(QStringLiteral("/srv/pelora/images/terrace.jpg"));
    layouts.btnBrowse->click();
    EXPECT_EQ(layouts.edtFileName->text(), QStringLiteral("terrace.jpg"));
    prompter.expectFile(QStringLiteral("/srv/pelora/images/a-very-long-picture-name.jpg"));
    prompter.expectWarning(QStringLiteral("The file name is longer than 20 characters."));
    layouts.btnBrowse->click();
    EXPECT_EQ(layouts.edtFileName->text(), QStringLiteral("terrace.jpg"));
    prompter.expectConfirm(QStringLiteral("Save changes?"), true); // leaving the edited layout
    layouts.btnFirst->click();
    EXPECT_EQ(scalar(QStringLiteral("SELECT filename FROM layout WHERE name LIKE 'Caf%'")), QStringLiteral("terrace.jpg"));

    // Layout 1 stays; another is deleted after the question, its terminals falling back to layout 1.
    ASSERT_TRUE(layouts.editor().locateId(1));
    prompter.expectWarning(QStringLiteral("This layout must remain."));
    layouts.btnDelete->click();
    ASSERT_TRUE(layouts.editor().locateId(3));
    sql(QStringLiteral("UPDATE pc SET layoutid = 3 WHERE id = 1"));
    prompter.expectConfirm(QStringLiteral("Delete the layout record?"), true);
    layouts.btnDelete->click();
    EXPECT_FALSE(listed(layouts).contains(QStringLiteral("Happy Hour")));
    EXPECT_EQ(scalar(QStringLiteral("SELECT layoutid FROM pc WHERE id = 1")), QStringLiteral("1"));

    bool helped = false;
    test::whenOpens<THelpForm>(QStringLiteral("HelpForm"), [&](THelpForm& help) {
        helped = help.lines().size() == 35 &&
                 help.lines().first() == QStringLiteral("One of the most powerfull features of Pelora is the way it handles Layouts.") &&
                 help.lines().at(5).isEmpty();
        help.close();
    });
    layouts.btnHelp->click();
    EXPECT_TRUE(helped);
}

TEST_F(LayoutEditorScreen, TheChooserSwitchesThisTillAndTheNextSaleTakesTheLayoutsPrice) {
    ASSERT_TRUE(start());
    auto console = std::make_unique<TAdminForm>(*form, *module, prompter, form.get());
    console->show();
    bool chosen = false;
    test::whenOpens<TLayoutChoiceForm>(QStringLiteral("LayoutChoiceForm"), [&](TLayoutChoiceForm& chooser) {
        QStringList captions;
        for (QPushButton* b : chooser.layoutButtons)
            captions << b->text();
        EXPECT_EQ(captions, QStringList({"Bar", "Default", "Happy Hour"}));
        EXPECT_EQ(chooser.layoutButtons[1]->geometry().topLeft(), QPoint(5, 45));
        prompter.expectWarning(QStringLiteral("The selected Layout is invalid."));
        chooser.chooseLayout(0);
        EXPECT_TRUE(chooser.isVisible());
        chooser.layoutButtons[2]->click();
        chosen = true;
    });
    console->btnLayout->click(); // no login needed
    ASSERT_TRUE(chosen);
    settle();
    EXPECT_EQ(scalar(QStringLiteral("SELECT layoutid FROM pc WHERE ref = 'Bar'")), QStringLiteral("3"));
    EXPECT_EQ(form->settings().layoutName, QStringLiteral("Happy Hour"));
    touchTab(QStringLiteral("Table 1"));
    touchItem(QStringLiteral("Pale Ale"));
    EXPECT_EQ(form->total1().toString(), QStringLiteral("8.00")); // the second price level

    // Closing the chooser without a choice leaves the terminal as it is.
    test::whenOpens<TLayoutChoiceForm>(QStringLiteral("LayoutChoiceForm"),
                                       [](TLayoutChoiceForm& chooser) { chooser.btnClose->click(); });
    auto again = std::make_unique<TAdminForm>(*form, *module, prompter, form.get());
    again->show();
    again->btnLayout->click();
    EXPECT_EQ(scalar(QStringLiteral("SELECT layoutid FROM pc WHERE ref = 'Bar'")), QStringLiteral("3"));
}

} // namespace
