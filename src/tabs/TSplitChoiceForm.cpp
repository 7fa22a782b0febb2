#include "tabs/TSplitChoiceForm.h"

#include "common/Prompter.h"
#include "sales/LineLists.h"
#include "tabs/SplitChoices.h"
#include "tabs/SplitChooserTill.h"
#include "ui/BusyCursor.h"
#include "ui/GeneralError.h"
#include "ui/TKeyBoardForm.h"
#include "ui/TouchWidgets.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

namespace pelora {

namespace {

constexpr int kCategoryWidth = 113;

// Selects the row whose first column holds `text` (the first row when none does).
void selectText(QTableWidget* g, const QString& text) {
    for (int r = 0; r < g->rowCount(); ++r)
        if (g->item(r, 0)->text() == text) {
            g->selectRow(r);
            return;
        }
    if (g->rowCount() > 0)
        g->selectRow(0);
}

} // namespace

TSplitChoiceForm::TSplitChoiceForm(db::Connection& db, Prompter& prompter, KeyboardModes& keyboardModes,
                                   SplitChooserTill& till, Opening opening, QWidget* parent)
    : QDialog(parent), db_(db), prompter_(prompter), keyboardModes_(keyboardModes), till_(till),
      categories_(kCategoryWidth, this), rememberedId_(opening.splitId) {
    setObjectName(QStringLiteral("SplitChoiceForm"));
    setWindowTitle(QStringLiteral("SplitChoiceForm"));
    setModal(true);
    resize(860, 560);

    grdSplits = touchGrid({QStringLiteral("REF"), QStringLiteral("MSG"), QStringLiteral("RATE")},
                     QStringLiteral("grdSplits"), this);
    grdSplits->setColumnWidth(0, 150);
    grdSplits->horizontalHeader()->setStretchLastSection(false);
    grdSplits->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    grdSplits->setColumnWidth(2, 70);
    btnSetSplitRef = touchButton(tr("Set Split"), QStringLiteral("btnSetSplitRef"), this);
    btnShowAll = touchButton(tr("Show All"), QStringLiteral("btnShowAll"), this);
    edtSearch = new QLineEdit(opening.lineRef, this);
    edtSearch->setObjectName(QStringLiteral("edtSearch"));
    edtSearch->setReadOnly(true);
    edtSearch->setMinimumHeight(kTouchHeight);
    btnFind = touchButton(tr("Find"), QStringLiteral("btnFind"), this);
    btnRefresh = touchButton(tr("Refresh"), QStringLiteral("btnRefresh"), this);
    btnSplitForm = touchButton(tr("Split Form"), QStringLiteral("btnSplitForm"), this);
    btnClose = touchButton(tr("Close"), QStringLiteral("btnClose"), this);
    btnClearSplitRef = touchButton(tr("Clear Split"), QStringLiteral("btnClearSplitRef"), this);
    grdRefs1 = touchGrid({QStringLiteral("REF")}, QStringLiteral("grdRefs1"), this);
    btnSplitAll = touchButton(QStringLiteral("\u25bc\u25bc"), QStringLiteral("btnSplitAll"), this);
    btnSplitAll->setToolTip(tr("Move the lines of every split to the split list"));
    btnSplit = touchButton(QStringLiteral("\u25bc"), QStringLiteral("btnSplit"), this);
    btnSplit->setToolTip(tr("Move the split's lines to the split list"));
    btnUnSplit = touchButton(QStringLiteral("\u25b2"), QStringLiteral("btnUnSplit"), this);
    btnUnSplit->setToolTip(tr("Move the split's lines back to the main list"));
    btnUnSplitAll = touchButton(QStringLiteral("\u25b2\u25b2"), QStringLiteral("btnUnSplitAll"), this);
    btnUnSplitAll->setToolTip(tr("Move the lines of every split back to the main list"));
    grdRefs2 = touchGrid({QStringLiteral("REF")}, QStringLiteral("grdRefs2"), this);

    auto* centre = new QVBoxLayout;
    centre->addWidget(grdSplits, 1);
    centre->addWidget(btnSetSplitRef);
    auto* moves = new QHBoxLayout;
    for (QPushButton* b : {btnSplitAll, btnSplit, btnUnSplit, btnUnSplitAll}) {
        b->setMinimumWidth(56);
        moves->addWidget(b);
    }
    auto* rightPanel = new QWidget(this);
    rightPanel->setFixedWidth(250);
    auto* right = new QVBoxLayout(rightPanel);
    right->setContentsMargins(0, 0, 0, 0);
    right->addWidget(btnClose);
    right->addSpacing(12);
    right->addWidget(btnClearSplitRef);
    right->addWidget(grdRefs1, 1);
    right->addLayout(moves);
    right->addWidget(grdRefs2, 1);
    auto* top = new QHBoxLayout;
    top->addWidget(categories_.box());
    top->addLayout(centre, 1);
    top->addWidget(rightPanel);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(btnShowAll);
    bottom->addWidget(edtSearch, 1);
    for (QPushButton* b : {btnFind, btnRefresh, btnSplitForm})
        bottom->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(bottom);

    const auto wire = [this](QPushButton* b, void (TSplitChoiceForm::*handler)()) {
        connect(b, &QPushButton::clicked, this, [this, handler] { run([this, handler] { (this->*handler)(); }); });
    };
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
    wire(btnSetSplitRef, &TSplitChoiceForm::btnSetSplitRefClick);
    wire(btnShowAll, &TSplitChoiceForm::btnShowAllClick);
    wire(btnFind, &TSplitChoiceForm::btnFindClick);
    wire(btnRefresh, &TSplitChoiceForm::btnRefreshClick);
    wire(btnSplitForm, &TSplitChoiceForm::btnSplitFormClick);
    wire(btnClearSplitRef, &TSplitChoiceForm::btnClearSplitRefClick);
    wire(btnSplitAll, &TSplitChoiceForm::btnSplitAllClick);
    wire(btnSplit, &TSplitChoiceForm::btnSplitClick);
    wire(btnUnSplit, &TSplitChoiceForm::btnUnSplitClick);
    wire(btnUnSplitAll, &TSplitChoiceForm::btnUnSplitAllClick);
    connect(grdSplits, &QTableWidget::cellDoubleClicked, this, [this] { run([this] { btnSetSplitRefClick(); }); });
    connect(grdRefs1, &QTableWidget::cellDoubleClicked, this, [this] { run([this] { btnSplitClick(); }); });
    connect(grdRefs2, &QTableWidget::cellDoubleClicked, this, [this] { run([this] { btnUnSplitClick(); }); });

    findMode_ = keyboardModes_.addSearch(QStringLiteral("splitfind"), [this](const QString& text) {
        edtSearch->setText(text);
        search(text);
    });

    const SplitChoices::Found found = SplitChoices::opening(db_, opening.category);
    showCategories(found.categories);
    showSplits(found.splits);
    showRefs(opening.lineRef);
}

void TSplitChoiceForm::run(const std::function<void()>& action) { runReportingFailures(prompter_, action); }

void TSplitChoiceForm::showSplits(const db::TextTable& splits) {
    using namespace SplitChoices;
    splits_ = splits;
    grdSplits->setRowCount(0);
    grdSplits->setRowCount(splits.rowCount());
    int selected = splits.rowCount() > 0 ? 0 : -1;
    for (int r = 0; r < splits.rowCount(); ++r) {
        grdSplits->setItem(r, 0, new QTableWidgetItem(splits.at(r, SplitRef)));
        grdSplits->setItem(r, 1, new QTableWidgetItem(splits.at(r, SplitMsg)));
        auto* rate = new QTableWidgetItem(splits.at(r, DiscRate));
        rate->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grdSplits->setItem(r, 2, rate);
        if (rememberedId_ > 0 && splits.at(r, SplitId).toInt() == rememberedId_)
            selected = r;
    }
    if (selected >= 0)
        grdSplits->selectRow(selected);
}

void TSplitChoiceForm::showCategories(const db::TextTable& categories) {
    categories_.rebuild(categories, [this](const QString& category) {
        run([this, category] { showSplits(SplitChoices::splitsOfCategory(db_, category)); });
    });
}

void TSplitChoiceForm::showRefs(const QString& lineRef) {
    const auto fill = [](QTableWidget* g, const db::TextTable& refs) {
        g->setRowCount(0);
        g->setRowCount(refs.rowCount());
        for (int r = 0; r < refs.rowCount(); ++r)
            g->setItem(r, 0, new QTableWidgetItem(refs.at(r, 0)));
    };
    fill(grdRefs1, till_.splitRefs(LineLists::kMain));
    fill(grdRefs2, till_.splitRefs(LineLists::kSplit));
    selectText(grdRefs1, lineRef);
    selectText(grdRefs2, QString());
}

std::optional<QString> TSplitChoiceForm::selectedRef(const QTableWidget* g) const {
    if (g->rowCount() == 0)
        return std::nullopt;
    const int row = g->currentRow() >= 0 ? g->currentRow() : 0;
    return g->item(row, 0)->text();
}

void TSplitChoiceForm::search(const QString& text) {
    const SplitChoices::Found found = SplitChoices::search(db_, text);
    showSplits(found.splits);
    showCategories(found.categories);
}

void TSplitChoiceForm::btnSetSplitRefClick() {
    using namespace SplitChoices;
    const int row = grdSplits->currentRow();
    if (row < 0 || row >= splits_.rowCount())
        return; // no split listed
    const QString rate = splits_.at(row, DiscRate);
    const SplitLines::Split split{splits_.at(row, SplitId).toInt(), splits_.at(row, SplitRef),
                                  splits_.at(row, SplitCat),        splits_.at(row, SplitMsg),
                                  splits_.at(row, DiscName),        rate.isEmpty() ? 0.0 : rate.toDouble(),
                                  splits_.at(row, DiscStopOverride)};
    if (till_.putSplit(split))
        accept();
}

void TSplitChoiceForm::btnShowAllClick() {
    const SplitChoices::Found found = SplitChoices::all(db_);
    showSplits(found.splits);
    showCategories(found.categories);
}

void TSplitChoiceForm::btnFindClick() {
    openKeyboard(this, prompter_, keyboardModes_, {QStringLiteral("splitfind"), QString(), QString(), false});
}

void TSplitChoiceForm::btnRefreshClick() {
    if (!edtSearch->text().isEmpty())
        search(edtSearch->text());
}

void TSplitChoiceForm::btnSplitFormClick() {
    const int row = grdSplits->currentRow();
    const QString selected = row >= 0 && row < splits_.rowCount() ? splits_.at(row, SplitChoices::SplitRef) : QString();
    // The splits may have been renamed, added or deleted meanwhile.
    const QString closedOn = till_.editSplits(selected);
    showRefs(selectedRef(grdRefs1).value_or(QString()));
    edtSearch->setText(closedOn);
    search(closedOn);
}

void TSplitChoiceForm::btnClearSplitRefClick() {
    till_.clearSplit(selectedRef(grdRefs1).value_or(QString()));
    showRefs(QString());
}

void TSplitChoiceForm::moveLines(bool toSplitList, bool all) {
    const std::optional<QString> ref = selectedRef(toSplitList ? grdRefs1 : grdRefs2);
    if (!ref)
        return; // no split on that list
    {
        BusyCursor busy;
        till_.moveSplitLines(toSplitList, all ? std::nullopt : ref);
    }
    showRefs(QString());
}

void TSplitChoiceForm::btnSplitAllClick() { moveLines(true, true); }
void TSplitChoiceForm::btnSplitClick() { moveLines(true, false); }
void TSplitChoiceForm::btnUnSplitClick() { moveLines(false, false); }
void TSplitChoiceForm::btnUnSplitAllClick() { moveLines(false, true); }

} // namespace pelora
