#include "sales/TMainForm.h"

// The main window's stocktake: the screen switched to counting on this terminal's stocktake
// tab, and the count processed into the item quantities from the Extra page.

#include "app/TMainDataModule.h"
#include "common/Mode.h"
#include "common/Prompter.h"
#include "db/RowSet.h"
#include "sales/ExtraPage.h"
#include "sales/ItemPage.h"
#include "sales/LineLists.h"
#include "sales/LinePanel.h"
#include "sales/OptionsColumn.h"
#include "sales/StocktakeProcessing.h"
#include "sales/TabPage.h"
#include "ui/GeneralError.h"

#include <QLabel>
#include <QPushButton>

namespace pelora {

bool TMainForm::EnterStocktake() {
    // A layout that does not count never switches to the stocktake tab, whoever asks.
    if (modeIs(data_.settings.countMode, '0'))
        return false;
    state_.moveMode = 0;
    pgeTab->setCancelMoveShown(false);
    state_.currentTab = SalesState::kStocktakeTab;
    ShowTabBalance();
    ReadLineLists(); // this terminal's count lines, without list 2
    setUpStocktakeScreen();
    pnlRight->lblTabRef->setText(QStringLiteral("Stocktake"));
    return true;
}

void TMainForm::setUpStocktakeScreen() {
    ApplyButtonSettings();
    LinePanel& right = *pnlRight;
    ExtraPage& extra = *pgeExtra;
    setAvailable(right.btnQtyInc, true);
    setAvailable(right.btnQtyDec, true);
    right.options->setVisible(false);
    rightPanelNormalWidth_ = 230;
    if (!rightPanelCollapsed_)
        right.setFixedWidth(rightPanelNormalWidth_);
    for (QWidget* off : std::initializer_list<QWidget*>{
             pgeItem->btnOpt, extra.btnTabOrder, extra.btnDiscount, extra.btnRefund, extra.btnCredit,
             extra.btnReBalance, extra.btnMove, right.btnCheck, right.btnTendered, right.btnProcess,
             pgeItem->btnPreProcess})
        off->setEnabled(false);
    if (modeIs(data_.settings.logoutMode, '1'))
        btnLogout->setText(QStringLiteral("Close"));
}

void TMainForm::btnStocktakeClick() {
    if (!StocktakeProcessing::confirmed(prompter_, state_.currentTab, lines_->hasLines(LineLists::kMain)))
        return;
    const Session& session = module_->session();
    int stocktakeId = 0;
    try {
        // The list stays still while its lines are processed and deleted underneath it.
        const db::ControlsDisabled suspended(lines_->list(LineLists::kMain));
        stocktakeId = StocktakeProcessing::process(module_->db1, module_->storedProc1, session.pcRef,
                                                   session.staffRef);
    } catch (const std::exception& failure) {
        reportFailure(prompter_, failure); // rolled back: the count lines are still there
    }
    if (stocktakeId > 0)
        prompter_.information(StocktakeProcessing::doneMessage(stocktakeId));
    ShowLink(state_.currentLink); // the stock on the buttons is the new one
    ResetTabState();
    ApplyButtonSettings();
    ShowTabBalance();
    ReadLineLists();
    ShowStartPage();
}

} // namespace pelora
