#include "app/TMainDataModule.h"
#include "common/Flag.h"
#include "common/Mode.h"
#include "sales/ItemGrid.h"
#include "sales/ItemPage.h"
#include "sales/SalesCaches.h"
#include "sales/TMainForm.h"
#include "ui/GeneralError.h"

#include <QPushButton>

#include <algorithm>

// The sales screen as the back office's editors change what it shows.

namespace pelora {

void TMainForm::setButtonEditor(GridButtonPicker* editor) {
    buttonEditor_ = editor;
    pgeItem->grid->setEditing(editor != nullptr);
    // A stopped item's button on the page shown: selectable while the editor is open, not
    // sellable after.
    const auto& buttons = pgeItem->grid->buttons;
    for (std::size_t i = 0; i < buttons.size() && i < shownPage_.buttons.size(); ++i)
        buttons[i]->setEnabled(!shownPage_.buttons[i].stopped || editor != nullptr);
}

void TMainForm::buttonDropped(QPushButton* button, QPoint boxTopLeft) {
    const auto& buttons = pgeItem->grid->buttons;
    const auto found = std::find(buttons.begin(), buttons.end(), button);
    if (!buttonEditor_ || found == buttons.end())
        return;
    const GridPage::Button row = shownPage_.buttons.at(static_cast<std::size_t>(found - buttons.begin()));
    runReportingFailures(prompter_, [&] { buttonEditor_->dropButton(row.liId, shownPage_.cached ? row.tag : -1, boxTopLeft); });
    // A drop that wrote nothing leaves the page as it was stored.
    if (std::find(buttons.begin(), buttons.end(), button) != buttons.end())
        RedrawLink();
}

bool TMainForm::buttonsCached() const { return !isTrue(data_.master.linkRequery); }

void TMainForm::RebuildButtonCache() {
    if (buttonsCached())
        data_.buttons.load(module_->db1);
}

void TMainForm::RebuildOptionChoices() {
    if (!isTrue(data_.master.optRequery))
        data_.optionChoices = loadOptionChoices(module_->db1);
}

void TMainForm::PatchCachedButton(int cacheRow, ButtonCache::Column column, const QString& text) {
    if (buttonsCached() && cacheRow >= 0 && cacheRow < data_.buttons.rows().rowCount())
        data_.buttons.set(cacheRow, column, text);
}

void TMainForm::ResetToFirstLink() {
    data_.settings.linkId = 0;
    btnResetClick();
}

bool TMainForm::manualByLayout() const {
    const QString& mode = data_.settings.manRegMode;
    return modeIs(mode, '1') || modeIs(mode, '2');
}

void TMainForm::setManualAvailable(bool on) { setAvailable(pgeItem->btnManual, on); }

} // namespace pelora
