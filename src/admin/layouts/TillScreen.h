#pragma once

#include "admin/layouts/EditedSalesScreen.h"

namespace pelora {

class TMainForm;

// The sales screen of this till as the button editor changes it.
class TillScreen : public EditedSalesScreen {
public:
    explicit TillScreen(TMainForm& till) : till_(till) {}

    bool buttonsCached() const override;
    void patchCachedButton(int cacheRow, ButtonCache::Column column, const QString& text) override;
    void rebuildButtonCache() override;
    void redrawLink() override;
    void showLink(int linkId) override;
    void resetToFirstLink() override;
    int shownLink() const override;
    bool cachedPageHasButtons(int linkId) const override;
    int cacheRowOf(int liId) const override;

private:
    TMainForm& till_;
};

} // namespace pelora
