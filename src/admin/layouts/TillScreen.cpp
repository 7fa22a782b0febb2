#include "admin/layouts/TillScreen.h"

#include "sales/TMainForm.h"

namespace pelora {

bool TillScreen::buttonsCached() const { return till_.buttonsCached(); }

void TillScreen::patchCachedButton(int cacheRow, ButtonCache::Column column, const QString& text) {
    till_.PatchCachedButton(cacheRow, column, text);
}

void TillScreen::rebuildButtonCache() { till_.RebuildButtonCache(); }

void TillScreen::redrawLink() { till_.RedrawLink(); }

void TillScreen::showLink(int linkId) { till_.ShowLink(linkId); }

void TillScreen::resetToFirstLink() { till_.ResetToFirstLink(); }

int TillScreen::shownLink() const { return till_.state().currentLink; }

bool TillScreen::cachedPageHasButtons(int linkId) const {
    const db::TextTable& rows = till_.terminal().buttons.rows();
    const QString link = QString::number(linkId);
    for (int r = 0; r < rows.rowCount(); ++r)
        if (rows.at(r, ButtonCache::LinkId) == link)
            return true;
    return false;
}

int TillScreen::cacheRowOf(int liId) const {
    const GridPage& page = till_.shownPage();
    if (!page.cached)
        return -1;
    for (const GridPage::Button& b : page.buttons)
        if (b.liId == liId)
            return b.tag;
    return -1;
}

} // namespace pelora
