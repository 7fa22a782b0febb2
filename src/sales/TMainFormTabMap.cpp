#include "sales/TMainForm.h"

// The tab buttons on the map beyond choosing a tab: the occupied tables marked at a glance, and
// the buttons dragged into place while the tab map editor is open.

#include "app/TMainDataModule.h"
#include "db/DbError.h"
#include "sales/OpenTabs.h"
#include "sales/TabPage.h"
#include "ui/GeneralError.h"
#include "ui/GlyphButton.h"

#include <QListWidget>

namespace pelora {

void TMainForm::ShowOccupiedTabs() {
    if (!module_ || pgeTab->tabList->count() == 0)
        return; // nothing on the map to mark
    // A failed read leaves the marks as they were: the payment or move before it is done. A
    // lost connection is not said here: the marks are no action of the operator's, and the
    // next action or the connection watch says it once.
    try {
        const OpenTabs open = OpenTabs::read(module_->db1);
        std::vector<bool> occupied;
        occupied.reserve(static_cast<std::size_t>(mapRows_.count));
        for (int k = 0; k < mapRows_.count; ++k)
            occupied.push_back(open.contains(mapTabId(k)));
        pgeTab->markOccupied(occupied);
    } catch (const std::exception& failure) {
        if (!db::DbError::isConnectionLost(failure))
            reportFailure(prompter_, failure);
    }
}

void TMainForm::setTabMapEditor(TabButtonPicker* editor) {
    tabMapEditor_ = editor;
    pgeTab->setDragging(editor != nullptr);
}

void TMainForm::tabButtonDropped(GlyphButton* button, QPoint topLeft) {
    const int index = pgeTab->indexOf(button);
    if (!tabMapEditor_ || index < 0)
        return;
    const int tabId = mapTabId(index);
    runReportingFailures(prompter_, [&] { tabMapEditor_->dropTabButton(tabId, topLeft); });
    // A drop that wrote nothing leaves the map as it was stored.
    if (pgeTab->indexOf(button) >= 0)
        RebuildTabButtons();
}

} // namespace pelora
