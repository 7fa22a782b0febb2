#include "sales/TMainForm.h"

// The main window's line lists: reading them for the current tab, their totals, quantities,
// moves between the lists, deletion and the line viewer.

#include "app/TMainDataModule.h"
#include "common/Flag.h"
#include "common/Mode.h"
#include "common/Prompter.h"
#include "db/RowSet.h"
#include "sales/LineDeleter.h"
#include "sales/LineLists.h"
#include "sales/LineMath.h"
#include "sales/LinePanel.h"
#include "sales/TDeleteLineForm.h"
#include "sales/TLineForm.h"
#include "sales/TQtyForm.h"
#include "ui/FormOpener.h"

#include <QLabel>
#include <QPushButton>

namespace pelora {

void TMainForm::ReadLineLists() {
    const bool split = splitShown();
    lines_->read({state_.currentTab, module_->session().pcRef, split});
    setSplitControlsShown(split);
    ShowTotals();
}

bool TMainForm::splitShown() const {
    return !modeIs(data_.settings.splitMode, '0') && state_.currentTab != SalesState::kStocktakeTab;
}

void TMainForm::setSplitControlsShown(bool shown) {
    for (QWidget* w : {static_cast<QWidget*>(pnlRight->btnSplit), static_cast<QWidget*>(pnlRight->btnSRef),
                       pnlRight->pnlList2})
        w->setVisible(shown);
}

void TMainForm::RecalcLine1() { lines_->recalc(LineLists::kMain); }

void TMainForm::RecalcLine2() { lines_->recalc(LineLists::kSplit); }

void TMainForm::ShowTotals() {
    total1_ = LineMath::roundTotal(lines_->total(LineLists::kMain), data_.settings.roundMode);
    pnlRight->lblTotal1->setText(total1_.toString());
    if (splitShown()) {
        total2_ = lines_->total(LineLists::kSplit);
        pnlRight->lblTotal2->setText(total2_.toString());
    } else {
        total2_ = Money();
    }
}

void TMainForm::MoveLineToList2() {
    const QString& mode = data_.settings.splitMode;
    lines_->moveLine(LineLists::kMain, modeIs(mode, '3') || modeIs(mode, '4'), module_->storedProc1);
}

void TMainForm::MoveLineToList1() {
    const QString& mode = data_.settings.splitMode;
    lines_->moveLine(LineLists::kSplit, modeIs(mode, '3') || modeIs(mode, '4'), module_->storedProc1);
}

void TMainForm::btnSplitClick() {
    MoveLineToList2();
    ShowTotals();
}

void TMainForm::btnUnSplitClick() {
    MoveLineToList1();
    ShowTotals();
}

void TMainForm::btnQtyIncClick() { changeQty(1); }

void TMainForm::btnQtyDecClick() { changeQty(-1); }

void TMainForm::changeQty(int step) {
    db::RowSet& list1 = lines_->list(LineLists::kMain);
    if (state_.currentTab == SalesState::kStocktakeTab) {
        if (!lines_->hasLines(LineLists::kMain))
            prompter_.information(QStringLiteral("Add a line to the Stocktake."));
        else
            OpenQtyForm();
        return;
    }
    if (isTrue(list1.value(u"processed").asText())) {
        prompter_.information(QStringLiteral("Line has been processed.Qty cannot change."));
        return;
    }
    if (!lines_->hasLines(LineLists::kMain))
        return;
    if (modeIs(data_.settings.qtyMode, '2') || modeIs(data_.settings.qtyMode, '3')) {
        OpenQtyForm();
        return;
    }
    const double qty = list1.value(u"qty").asDouble();
    if (step < 0 && qty <= 1)
        return; // never below 1
    lines_->setQtyOnRecord(LineLists::kMain, qty + step, actor());
    ShowTotals();
}

void TMainForm::OpenQtyForm() {
    const QString qty = lines_->list(LineLists::kMain).value(u"qty").asText();
    auto keypad = createForm<TQtyForm>(
        prompter_, qty, state_.currentTab == SalesState::kStocktakeTab, prompter_,
        [this](double value) { return lines_->qtyFits(LineLists::kMain, value); },
        [this](double value) {
            lines_->setQtyOnRecord(LineLists::kMain, value, actor());
            ShowTotals();
        },
        this);
    if (keypad)
        showModal(*keypad);
}

void TMainForm::btnViewLine1Click() { viewLine(LineLists::kMain); }

void TMainForm::btnViewLine2Click() { viewLine(LineLists::kSplit); }

void TMainForm::viewLine(int list) {
    if (!lines_->hasLines(list)) {
        prompter_.information(list == LineLists::kMain ? QStringLiteral("There are no lines to display.")
                                                       : QStringLiteral("There are no split lines to display."));
        return;
    }
    if (auto viewer = createForm<TLineForm>(prompter_, lines_->list(list), this))
        showModal(*viewer);
}

void TMainForm::btnDeleteClick() {
    if (!lines_->hasLines(LineLists::kMain) && !lines_->hasLines(LineLists::kSplit)) {
        prompter_.information(QStringLiteral("Add an item to the tab."));
        return;
    }
    OpenDeleteLineForm(QString());
}

void TMainForm::OpenDeleteLineForm(const QString& source) {
    const LineDeleter::Source from = LineDeleter::sourceOf(source);
    auto context = [this] {
        return LineDeleter::Context{*lines_, module_->storedProc1, prompter_, module_->session().pcRef,
                                    data_.settings.splitMode, data_.settings.countMode, state_.currentTab, actor()};
    };
    // Either deletion, then the grid when stock went back and the lists as they now are.
    auto action = [this, from, context](auto deletion, bool rereadLists) {
        return [this, from, context, deletion, rereadLists] {
            const LineDeleter::Outcome done = deletion(context(), from);
            if (done.stockChanged)
                ShowLink(state_.currentLink);
            if (done.done && rereadLists)
                ReadLineLists();
            else if (done.done)
                ShowTotals();
            return done.done;
        };
    };
    const auto one = action(&LineDeleter::deleteOne, false);
    const auto all = action(&LineDeleter::deleteAll, true);
    if (auto window = createForm<TDeleteLineForm>(prompter_, prompter_, one, all, this))
        showModal(*window);
}

} // namespace pelora
