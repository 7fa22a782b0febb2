#include "sales/TMainForm.h"

// The main window's splits: the split chooser from "Split" (and after a new item when the
// layout asks for it), the split put on a line or taken off, and a split's lines moved between
// the lists.

#include "app/TMainDataModule.h"
#include "common/Mode.h"
#include "db/RowSet.h"
#include "sales/LineLists.h"
#include "tabs/SplitChoices.h"
#include "tabs/TSplitChoiceForm.h"
#include "ui/FormOpener.h"

namespace pelora {

SplitLines::Context TMainForm::splitContext() {
    return {module_->db1, module_->storedProc1, *lines_, prompter_, state_.currentTab};
}

void TMainForm::btnSRefClick() {
    QString lineRef;
    if (lines_->hasLines(LineLists::kMain))
        lineRef = lines_->list(LineLists::kMain).value(u"splitref").asText();
    if (!lineRef.isEmpty())
        if (const std::optional<SplitChoices::IdCat> split = SplitChoices::idCat(module_->storedProc1, lineRef)) {
            state_.lastSplitId = split->id;
            state_.lastSplitCat = split->cat;
        }
    const TSplitChoiceForm::Opening opening{lineRef, state_.lastSplitId, state_.lastSplitCat};
    if (auto chooser = createForm<TSplitChoiceForm>(prompter_, module_->db1, prompter_, keyboardModes_, *this,
                                                    opening, this))
        showModal(*chooser);
}

bool TMainForm::putSplit(const SplitLines::Split& split) {
    if (!SplitLines::put(splitContext(), split))
        return false;
    state_.lastSplitId = split.id;
    state_.lastSplitCat = split.cat;
    ShowTotals();
    return true;
}

void TMainForm::clearSplit(const QString& ref) {
    if (SplitLines::clear(splitContext(), ref))
        ShowTotals();
}

void TMainForm::moveSplitLines(bool toSplitList, const std::optional<QString>& ref) {
    const QString& mode = data_.settings.splitMode;
    {
        db::ControlsDisabled quiet1(lines_->list(LineLists::kMain));
        db::ControlsDisabled quiet2(lines_->list(LineLists::kSplit));
        SplitLines::move(splitContext(), toSplitList, ref, modeIs(mode, '3') || modeIs(mode, '4'));
    }
    ReadLineLists();
}

db::TextTable TMainForm::splitRefs(int list) {
    return SplitChoices::lineRefs(module_->db1, list, state_.currentTab, module_->session().pcRef);
}

QString TMainForm::editSplits(const QString& ref) { return OpenSplitForm(QStringLiteral("SplitChoice"), QString(), ref); }

} // namespace pelora
