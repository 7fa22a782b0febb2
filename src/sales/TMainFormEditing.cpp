#include "app/TMainDataModule.h"
#include "common/Flag.h"
#include "common/Mode.h"
#include "sales/ItemPage.h"
#include "sales/SalesCaches.h"
#include "sales/TMainForm.h"

#include <QPushButton>

// The sales screen as the back office's editors change what it shows.

namespace pelora {

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
