#include "sales/TMainForm.h"

// The main window's line options and discounts: the "Options" column, the option chooser, the
// typed message, and the discount dialogs on the list in use.

#include "app/TMainDataModule.h"
#include "common/Flag.h"
#include "common/Prompter.h"
#include "sales/LineLists.h"
#include "sales/OptionSlots.h"
#include "sales/LinePanel.h"
#include "sales/OptionsColumn.h"
#include "sales/TDiscLineForm.h"
#include "sales/TOptChoiceForm.h"
#include "ui/FormOpener.h"
#include "ui/GeneralError.h"
#include "ui/TKeyBoardForm.h"

namespace pelora {

namespace {

void processedLineMessage(Prompter& prompter) {
    prompter.information(QStringLiteral("This line has been processed.") + kLineBreak +
                         QStringLiteral("Options cannot be modified."));
}

} // namespace

void TMainForm::ShowOptions() {
    const db::RowSet& list1 = lines_->list(LineLists::kMain);
    if (list1.controlsDisabled())
        return;
    pnlRight->options->showSlots(OptionSlots::slotsOf(list1));
}

void TMainForm::OpenOption(int n) {
    db::RowSet& line = lines_->list(LineLists::kMain);
    if (!lines_->hasLines(LineLists::kMain))
        return;
    if (OptionSlots::isProcessed(line)) {
        processedLineMessage(prompter_);
        return;
    }
    const OptionSlots::Slot slot = OptionSlots::slotsOf(line)[static_cast<std::size_t>(n - 1)];
    if (slot.onOff()) {
        OptionSlots::toggle(*lines_, n);
    } else {
        const bool requery = isTrue(data_.master.optRequery);
        const int itemId = static_cast<int>(line.value(u"itemid").asInt());
        std::unique_ptr<TOptChoiceForm> chooser;
        try {
            chooser = std::make_unique<TOptChoiceForm>(
                prompter_, [this, n](const OptionSlots::Choice* choice) { OptionSlots::choose(*lines_, n, choice); },
                [this, n] { OptionSlots::clear(*lines_, n); }, this);
            chooser->showSlot(n, slot,
                              OptionSlots::choices(module_->db1, requery ? nullptr : &data_.optionChoices, itemId, n),
                              requery);
        } catch (const std::exception& failure) {
            reportFailureAs(prompter_, failure, QStringLiteral("Cannot open the OptChoiceForm."));
            return;
        }
        showModal(*chooser);
    }
    ShowTotals();
    ShowOptions();
}

void TMainForm::btnOptClick() {
    const db::RowSet& line = lines_->list(LineLists::kMain);
    if (!lines_->hasLines(LineLists::kMain))
        return;
    if (OptionSlots::isProcessed(line)) {
        processedLineMessage(prompter_);
        return;
    }
    openKeyboard(this, prompter_, keyboardModes_,
                 {QStringLiteral("optmsg"), QStringLiteral("Option"), line.value(u"optmsg").asText(), false});
}

void TMainForm::btnDiscountClick() { OpenDiscLineForm(false); }

void TMainForm::OpenDiscLineForm(bool admin) {
    const int list = lines_->hasLines(LineLists::kSplit) ? LineLists::kSplit
                     : lines_->hasLines(LineLists::kMain) ? LineLists::kMain
                                                          : 0;
    if (list == 0) {
        prompter_.warning(QStringLiteral("Add a line to the tab."));
        return;
    }
    if (auto scope = createForm<TDiscLineForm>(prompter_, *this, prompter_, list, admin, this))
        showModal(*scope);
}

LineDiscounts::Context TMainForm::discountContext() {
    return {module_->db1, module_->storedProc1, *lines_, module_->session().pcRef, state_.currentTab, actor()};
}

std::vector<DiscountOffer> TMainForm::discountOffers(bool admin) {
    const bool requery = isTrue(data_.master.discRequery);
    return LineDiscounts::offered(module_->db1, requery ? nullptr : &data_.discounts, admin);
}

bool TMainForm::applyDiscount(const DiscountOffer& offer, int list, LineDiscounts::Scope scope) {
    const std::optional<LineDiscounts::Values> values =
        LineDiscounts::valuesOf(module_->db1, offer, isTrue(data_.master.discRequery));
    if (!values)
        return false; // deleted in the back office since the chooser opened
    switch (LineDiscounts::apply(discountContext(), *values, list, scope)) {
    case LineDiscounts::Applied::Deleted:
        ReadLineLists();
        return true;
    case LineDiscounts::Applied::Discounted:
        ShowTotals();
        return true;
    case LineDiscounts::Applied::Nothing:
        break;
    }
    return false;
}

void TMainForm::resetDiscounts(int list, LineDiscounts::Scope scope) {
    LineDiscounts::reset(discountContext(), list, scope);
    ShowTotals();
}

} // namespace pelora
