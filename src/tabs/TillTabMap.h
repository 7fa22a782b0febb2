#pragma once

#include "tabs/EditedTabMap.h"

namespace pelora {

class TMainForm;

namespace db {
class Connection;
}

// The Tab page of this till as the tab map editor changes it.
class TillTabMap : public EditedTabMap {
public:
    TillTabMap(TMainForm& till, db::Connection& db) : till_(till), db_(db) {}

    bool tabMapCached() const override;
    void patchCachedTab(int cacheRow, TabMapColumn column, const QString& text) override;
    void reloadTabMap() override;
    void showMap() override;
    void redrawTabButtons() override;
    int currentMapId() const override;
    int cacheRowOf(int tabId) const override;

private:
    TMainForm& till_;
    db::Connection& db_;
};

} // namespace pelora
