#include "TillFixture.h"

#include "ModalWatcher.h"
#include "sales/ItemPage.h"
#include "sales/LineLists.h"
#include "sales/LinePanel.h"
#include "sales/OptionsColumn.h"
#include "sales/TOptChoiceForm.h"
#include "ui/TKeyBoardForm.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

using namespace pelora;
using test::TillTest;

namespace {

using ChooserAct = std::function<void(TOptChoiceForm&)>;

class OptionScreen : public TillTest {
protected:
    void SetUp() override {
        TillTest::SetUp();
        sql(QStringLiteral("UPDATE layout SET logoutmode = '0'"));
        ASSERT_TRUE(start());
        touchTab(QStringLiteral("Table 1"));
    }
    // The option choosers that open next, one act each, in turn.
    void onChoosers(std::vector<ChooserAct> acts) {
        if (acts.empty())
            return;
        ChooserAct first = acts.front();
        acts.erase(acts.begin());
        test::whenModalOpens(QStringLiteral("OptChoiceForm"), [this, first, rest = std::move(acts)](QWidget* w) {
            ++choosersSeen;
            onChoosers(rest); // registered first: `first` closes this chooser and the next may follow
            first(*static_cast<TOptChoiceForm*>(w));
        });
    }
    static ChooserAct pick(const char* choice) {
        return [choice](TOptChoiceForm& chooser) {
            for (QPushButton* b : chooser.optButtons())
                if (b->text() == QLatin1String(choice)) {
                    b->click();
                    return;
                }
            ADD_FAILURE() << "no choice " << choice;
            chooser.btnClose->click();
        };
    }
    QString line(const char* column) {
        return scalar(QStringLiteral("SELECT %1 FROM tabline1 ORDER BY id DESC ROWS 1").arg(QLatin1String(column)));
    }
    OptionsColumn& options() const { return *form->pnlRight->options; }
    bool slotShown(int n) const { return options().boxes[static_cast<std::size_t>(n - 1)]->isVisibleTo(&options()); }
    bool slotYellow(int n) const {
        return options().boxes[static_cast<std::size_t>(n - 1)]->palette().color(QPalette::Window) ==
               OptionsColumn::chosenColour();
    }
    QString slotLabel(int n) const { return options().labels[static_cast<std::size_t>(n - 1)]->text(); }
    QPushButton* slotButton(int n) const { return options().buttons[static_cast<std::size_t>(n - 1)]; }
    QString total() const { return form->pnlRight->lblTotal1->text(); }

    int choosersSeen = 0;
};

TEST_F(OptionScreen, AnItemAsksForItsOptionsInTurnAndTheChoicesPriceTheLine) {
    onChoosers({[](TOptChoiceForm& chooser) {
                    // "How is it cooked?" must be answered: it cannot be cleared or closed.
                    EXPECT_EQ(chooser.slot(), 1);
                    EXPECT_EQ(chooser.lblPrompt->text(), QStringLiteral("How is it cooked?"));
                    EXPECT_FALSE(chooser.btnClear->isVisibleTo(&chooser));
                    EXPECT_FALSE(chooser.btnClose->isEnabled());
                    QTest::keyClick(&chooser, Qt::Key_Escape);
                    EXPECT_TRUE(chooser.isVisible());
                    EXPECT_EQ(chooser.lstOpt->item(1)->text(), QStringLiteral("Medium Rare (0.00)"));
                    EXPECT_EQ(chooser.optButtons().size(), 4u);
                    EXPECT_EQ(chooser.optButtons()[3]->geometry(), QRect(5, 125, 100, 36)); // filling the pitch, for a finger
                    pick("Medium Rare")(chooser);
                },
                [](TOptChoiceForm& chooser) {
                    EXPECT_EQ(chooser.slot(), 2);
                    EXPECT_TRUE(chooser.btnClear->isVisibleTo(&chooser));
                    EXPECT_TRUE(chooser.btnClose->isEnabled());
                    pick("Pepper")(chooser);
                }});
    touchItem(QStringLiteral("Steak"));
    EXPECT_EQ(choosersSeen, 2);
    EXPECT_EQ(line("opt1choice"), QStringLiteral("Medium Rare"));
    EXPECT_EQ(line("opt2choice"), QStringLiteral("Pepper"));
    EXPECT_EQ(line("adjprice"), QStringLiteral("36.5"));
    EXPECT_EQ(total(), QStringLiteral("36.50"));
    EXPECT_TRUE(slotShown(1) && slotShown(2));
    EXPECT_FALSE(slotShown(3));
    EXPECT_EQ(slotButton(1)->text(), QStringLiteral("Cooked"));
    EXPECT_EQ(slotLabel(2), QStringLiteral("Pepper"));
    EXPECT_TRUE(slotYellow(1) && slotYellow(2));

    // A slot's button opens it again: the sauce is cleared and the price follows at once.
    onChoosers({[](TOptChoiceForm& chooser) { chooser.btnClear->click(); }});
    slotButton(2)->click();
    EXPECT_EQ(line("COALESCE(opt2choice, '')"), QString());
    EXPECT_EQ(total(), QStringLiteral("34.00"));
    EXPECT_FALSE(slotYellow(2));
    EXPECT_TRUE(slotShown(2));
    // Closing changes nothing; Escape closes too.
    onChoosers({[](TOptChoiceForm& chooser) { QTest::keyClick(&chooser, Qt::Key_Escape); }});
    slotButton(1)->click();
    EXPECT_EQ(line("opt1choice"), QStringLiteral("Medium Rare"));

    // Another line shows its own slots; an empty list shows none.
    touchItem(QStringLiteral("Pale Ale"));
    EXPECT_FALSE(slotShown(1));
    form->lines().list(LineLists::kMain).first();
    EXPECT_TRUE(slotShown(1));
    sql(QStringLiteral("DELETE FROM tabline1"));
    form->ReadLineLists();
    EXPECT_FALSE(slotShown(1));

    // Without the options column nothing prompts.
    relayout(QStringLiteral("optmode = '3'"));
    touchTab(QStringLiteral("Table 1"));
    touchItem(QStringLiteral("Steak"));
    EXPECT_EQ(choosersSeen, 4);
}

TEST_F(OptionScreen, AnOnOffSlotSwitchesAndASentLineKeepsItsOptions) {
    touchItem(QStringLiteral("Burger"));
    EXPECT_EQ(slotButton(1)->text(), QStringLiteral("Bacon"));
    slotButton(1)->click();
    EXPECT_EQ(total(), QStringLiteral("27.00"));
    EXPECT_EQ(slotLabel(1), QStringLiteral("T"));
    EXPECT_TRUE(slotYellow(1));
    slotButton(1)->click();
    EXPECT_EQ(total(), QStringLiteral("24.00"));
    EXPECT_FALSE(slotYellow(1));

    sql(QStringLiteral("UPDATE tabline1 SET processed = 'T'"));
    form->lines().reread();
    const QString refusal = QStringLiteral("This line has been processed.") + kLineBreak +
                            QStringLiteral("Options cannot be modified.");
    prompter.expectInformation(refusal);
    slotButton(2)->click();
    prompter.expectInformation(refusal);
    form->pgeItem->btnOpt->click();
    EXPECT_EQ(line("COALESCE(opt2choice, '')"), QString());
}

TEST_F(OptionScreen, AForcedSlotWithNoChoicesIsLeftByADoubleTouchOnTheEmptyList) {
    sql(QStringLiteral("DELETE FROM opt WHERE itemid = 11 AND button = 1"));
    reload(); // the option cache as the back office left it
    touchTab(QStringLiteral("Table 1"));
    onChoosers({[this](TOptChoiceForm& chooser) {
                    EXPECT_EQ(chooser.lstOpt->count(), 0);
                    EXPECT_FALSE(chooser.btnClose->isEnabled());
                    prompter.expectWarning(QStringLiteral("Option list is blank."));
                    QTest::mouseDClick(chooser.lstOpt->viewport(), Qt::LeftButton);
                    EXPECT_FALSE(chooser.isVisible());
                },
                [](TOptChoiceForm& chooser) { chooser.btnClose->click(); }});
    touchItem(QStringLiteral("Steak"));
    EXPECT_EQ(choosersSeen, 2);
    EXPECT_EQ(line("COALESCE(opt1choice, '') || '|' || opt1price"), QStringLiteral("|0.000000000000000"));
    EXPECT_EQ(total(), QStringLiteral("34.00"));
}

TEST_F(OptionScreen, AForcedChooserWhoseLineIsGoneLetsTheOperatorOut) {
    onChoosers({[this](TOptChoiceForm& chooser) {
                    sql(QStringLiteral("DELETE FROM tabline1")); // paid on another till meanwhile
                    prompter.expectError(QStringLiteral("The row was not found: another till may have deleted it."));
                    pick("Rare")(chooser);
                    EXPECT_FALSE(chooser.isVisible());
                }});
    touchItem(QStringLiteral("Steak"));
    EXPECT_EQ(choosersSeen, 1); // the sauce is not asked for a line that is gone
    EXPECT_FALSE(form->lines().hasLines(LineLists::kMain));
}

TEST_F(OptionScreen, ReadAgainTheChoicesShowAsAGridAndADoubleTouchTakesOne) {
    sql(QStringLiteral("UPDATE master SET optrequery = 'T'"));
    sql(QStringLiteral("INSERT INTO opt (id, itemid, button, choice, price) VALUES (40, 11, 2, 'Bearnaise', 3.5)"));
    reload();
    touchTab(QStringLiteral("Table 1"));
    onChoosers({pick("Rare"), [](TOptChoiceForm& chooser) {
                    EXPECT_FALSE(chooser.lstOpt->isVisibleTo(&chooser));
                    ASSERT_TRUE(chooser.grdOpt->isVisibleTo(&chooser));
                    EXPECT_EQ(chooser.grdOpt->horizontalHeaderItem(0)->text(), QStringLiteral("choice"));
                    ASSERT_EQ(chooser.grdOpt->rowCount(), 4);
                    EXPECT_EQ(chooser.grdOpt->item(3, 0)->text(), QStringLiteral("Bearnaise"));
                    EXPECT_EQ(chooser.grdOpt->item(3, 1)->text(), QStringLiteral("3.50"));
                    chooser.grdOpt->selectRow(3);
                    QTest::mouseDClick(chooser.grdOpt->viewport(), Qt::LeftButton, {},
                                       chooser.grdOpt->visualItemRect(chooser.grdOpt->item(3, 0)).center());
                }});
    touchItem(QStringLiteral("Steak"));
    EXPECT_EQ(line("opt2choice"), QStringLiteral("Bearnaise"));
    EXPECT_EQ(total(), QStringLiteral("37.50"));
}

TEST_F(OptionScreen, TheOptionButtonTypesAMessageForTheKitchen) {
    form->pgeItem->btnOpt->click(); // no line: nothing to note
    touchItem(QStringLiteral("Burger"));
    for (const char* note : {"No onion", "No onion, extra pickles"}) {
        test::whenModalOpens(QStringLiteral("KeyBoardForm"), [this, note](QWidget* w) {
            auto* keyboard = static_cast<TKeyBoardForm*>(w);
            EXPECT_EQ(keyboard->windowTitle(), QStringLiteral("Option"));
            EXPECT_EQ(keyboard->text(), line("COALESCE(optmsg, '')")); // what is there already
            keyboard->edtScreen->selectAll();
            QTest::keyClick(keyboard->edtScreen, Qt::Key_Backspace);
            QTest::keyClicks(keyboard->edtScreen, QString::fromLatin1(note));
            keyboard->btnEnter->click();
        });
        form->pgeItem->btnOpt->click();
        EXPECT_EQ(line("optmsg"), QString::fromLatin1(note));
    }
    EXPECT_EQ(form->lines().list(LineLists::kMain).value(u"optmsg").asText(), QStringLiteral("No onion, extra pickles"));
}

} // namespace
