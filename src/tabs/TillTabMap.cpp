#include "tabs/TillTabMap.h"

#include "common/Flag.h"
#include "sales/TMainForm.h"
#include "sales/TabMap.h"

namespace pelora {

bool TillTabMap::tabMapCached() const { return !isTrue(till_.terminal().master.tabRequery); }

void TillTabMap::patchCachedTab(int cacheRow, TabMapColumn column, const QString& text) {
    db::TextTable& cache = till_.terminal().tabMap;
    if (cacheRow >= 0 && cacheRow < cache.rowCount())
        cache.set(cacheRow, column, text);
}

void TillTabMap::reloadTabMap() { till_.terminal().tabMap = loadTabMap(db_); }

void TillTabMap::showMap() { till_.ShowMap(); }

void TillTabMap::redrawTabButtons() { till_.RebuildTabButtons(); }

int TillTabMap::currentMapId() const { return till_.state().currentMapId; }

int TillTabMap::cacheRowOf(int tabId) const {
    if (!tabMapCached())
        return -1;
    const db::TextTable& cache = till_.terminal().tabMap;
    const TabMap::Rows rows = TabMap::rowsOf(cache, currentMapId());
    const QString id = QString::number(tabId);
    for (int k = 0; k < rows.count; ++k)
        if (cache.at(rows.firstRow + k, TmTabId) == id)
            return rows.firstRow + k;
    return -1;
}

} // namespace pelora
