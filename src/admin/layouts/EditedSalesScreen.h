#pragma once

#include "sales/ButtonCache.h"

#include <QString>

namespace pelora {

// The live sales screen as the button editor changes the pages under it: the editor writes the
// `li` rows and then tells the screen which cached button to patch, when to read the whole
// cache again, and which page to draw.
class EditedSalesScreen {
public:
    virtual ~EditedSalesScreen() = default;

    // The screen draws its pages from the button cache (`linkrequery` is not "T").
    virtual bool buttonsCached() const = 0;
    // One column of one cached button changed.
    virtual void patchCachedButton(int cacheRow, ButtonCache::Column column, const QString& text) = 0;
    // Buttons came or went: the cache is read again.
    virtual void rebuildButtonCache() = 0;
    // The page now shown is drawn again.
    virtual void redrawLink() = 0;
    virtual void showLink(int linkId) = 0;
    // The page shown is gone: the screen falls back to link 1.
    virtual void resetToFirstLink() = 0;
    // The link page now shown.
    virtual int shownLink() const = 0;
    // The cache holds buttons of this page.
    virtual bool cachedPageHasButtons(int linkId) const = 0;
    // The cache row of a button of the page now shown; -1 without the cache or when the page
    // does not show it.
    virtual int cacheRowOf(int liId) const = 0;
};

} // namespace pelora
