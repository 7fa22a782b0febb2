#pragma once

#include "sales/SalesCaches.h"

#include <QString>

namespace pelora {

// The live Tab page as the tab map editor changes the buttons on it: the editor writes the `tm`
// rows and then tells the screen which cached row to patch, when to read the whole tab map
// again, and when to draw the map or its buttons again.
class EditedTabMap {
public:
    virtual ~EditedTabMap() = default;

    // The screen keeps the tab map cache (`tabrequery` is not "T").
    virtual bool tabMapCached() const = 0;
    // One column of one cached row changed.
    virtual void patchCachedTab(int cacheRow, TabMapColumn column, const QString& text) = 0;
    // Buttons came or went, or a tab was renamed: the cache is read again.
    virtual void reloadTabMap() = 0;
    // The map shown is drawn again: its picture, its list and its buttons.
    virtual void showMap() = 0;
    // Only the buttons are drawn again.
    virtual void redrawTabButtons() = 0;
    // The map the Tab page shows (the one being edited).
    virtual int currentMapId() const = 0;
    // The cache row of a tab's button on the map shown; -1 without the cache or button.
    virtual int cacheRowOf(int tabId) const = 0;
};

} // namespace pelora
