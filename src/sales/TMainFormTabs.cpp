#include "sales/TMainForm.h"

// The main window's tab selection: the map with its tab buttons and list, the NonTab, the find
// and open-tabs windows, moving lines to another tab, and the account balance of the tab.

#include "app/TMainDataModule.h"
#include "common/Flag.h"
#include "common/Mode.h"
#include "common/Prompter.h"
#include "db/RowSet.h"
#include "payment/AccountBalance.h"
#include "payment/ReBalance.h"
#include "sales/ExtraPage.h"
#include "sales/ItemPage.h"
#include "sales/LineLists.h"
#include "sales/LinePanel.h"
#include "sales/SalesCaches.h"
#include "sales/TTabFindForm.h"
#include "sales/TTabMoveForm.h"
#include "sales/TTabOpenForm.h"
#include "sales/TabMoves.h"
#include "sales/TabPage.h"
#include "ui/BusyCursor.h"
#include "ui/FormOpener.h"
#include "ui/GeneralError.h"
#include "ui/GlyphButton.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace pelora {

void TMainForm::ShowMap() {
    if (isTrue(data_.master.tabRequery))
        return; // no map without the tab map cache
    const db::TextTable& tabMap = data_.tabMap;
    QListWidget& list = *pgeTab->tabList;
    list.clear();
    mapRows_ = TabMap::rowsOf(tabMap, state_.currentMapId);
    pgeTab->lblFirstRow->setText(QString::number(mapRows_.firstRow));
    for (int k = 0; k < mapRows_.count; ++k)
        list.addItem(tabMap.at(mapRows_.firstRow + k, TmRef));

    QPixmap picture;
    const int map = TabMap::mapRow(data_.maps, state_.currentMapId);
    if (map >= 0) {
        const QString fileName = data_.maps.at(map, MapFileName);
        if (!fileName.isEmpty())
            picture.load(imageFile(fileName));
        state_.currentMapName = data_.maps.at(map, MapName);
        grpMain->setTitle(QStringLiteral("Tab: ") + state_.currentMapName);
    }
    pgeTab->setMapPicture(picture);
    RebuildTabButtons();
}

void TMainForm::RebuildTabButtons() {
    pgeTab->clearTabButtons();
    if (!isFalse(data_.master.tabRequery))
        return;
    const db::TextTable& tabMap = data_.tabMap;
    const TerminalSettings& s = data_.settings;
    QFont font = this->font();
    if (s.tmbtnfsize > 0)
        font.setPointSize(s.tmbtnfsize);
    const bool glyphs = modeIs(s.glyphMode, '1');
    for (int k = 0; k < mapRows_.count; ++k) {
        const int r = mapRows_.firstRow + k;
        auto* b = new GlyphButton(tabMap.at(r, TmCaption), pgeTab->mapCanvas);
        b->setObjectName(QStringLiteral("btnTabMap"));
        b->setFont(font);
        b->setGeometry(tabMap.at(r, TmLeft).toInt(), tabMap.at(r, TmTop).toInt(), tabMap.at(r, TmWidth).toInt(),
                       tabMap.at(r, TmHeight).toInt());
        if (glyphs)
            if (const PictureList::Picture* p = pictures_.find(tabMap.at(r, TmImageId).toInt()))
                b->setPicture(p->bitmap, tabMap.at(r, TmImageLrtb));
        connect(b, &QPushButton::clicked, this,
                [this, b] { runReportingFailures(prompter_, [this, b] { tabButtonClick(b); }); });
        b->show();
        pgeTab->addTabButton(b);
    }
    pgeTab->fitCanvas();
    ShowOccupiedTabs();
}

int TMainForm::mapTabId(int index) const {
    return data_.tabMap.at(TabMap::cacheRow(mapRows_, index), TmTabId).toInt();
}

void TMainForm::btnMapPriorClick() { stepMap(-1); }

void TMainForm::btnMapNextClick() { stepMap(+1); }

void TMainForm::stepMap(int step) {
    BusyCursor busy;
    const std::optional<int> map = TabMap::neighbour(data_.maps, state_.currentMapId, step);
    if (!map)
        return; // no wrap-around at the first or last map
    state_.currentMapId = *map;
    ShowMap();
    if (tabMapEditor_)
        tabMapEditor_->clearSelection();
}

void TMainForm::leaveStocktake() {
    if (state_.currentTab != SalesState::kStocktakeTab)
        return;
    ResetTabState();
    ApplyButtonSettings();
}

// The tab's name and lines come before its balance: should the balance fail, the screen still
// shows the lines of the tab that new lines go to.
void TMainForm::selectTab(int tabId, const QString& label) {
    state_.currentTab = tabId;
    pnlRight->lblTabRef->setText(label);
    ReadLineLists();
    ShowTabBalance();
}

// The id a move starts from: the `tabid` of the current line for "all" moves, its `id` for
// "one" moves; 0 when the list is empty.
int TMainForm::moveSource() const {
    const int mode = state_.moveMode;
    const db::RowSet& list = lines_->list(TabMoves::listOf(mode));
    if (!lines_->hasLines(TabMoves::listOf(mode)))
        return 0;
    return static_cast<int>(list.value(TabMoves::movesOneLine(mode) ? u"id" : u"tabid").asInt());
}

void TMainForm::endMove() {
    lines_->reread(); // the lines left on the current tab
    ShowTotals();
    state_.moveMode = 0;
    pgeTab->setCancelMoveShown(false);
    ShowOccupiedTabs(); // the marks move with the lines
}

void TMainForm::moveLinesTo(int targetTab) {
    // Lines moved to the NonTab (its button, or a NonTab button on a map) become this
    // terminal's, not the NonTab lines of whichever terminal first added them.
    const QString& pcRef = module_->session().pcRef;
    const int source = moveSource();
    {
        db::Transaction transaction(module_->db1);
        TabMoves::logMove(module_->db1, actor(), state_.moveMode, source, targetTab, pcRef);
        if (targetTab == SalesState::kNonTab)
            TabMoves::toNonTab(module_->storedProc1, state_.moveMode, source, pcRef);
        else
            TabMoves::toTab(module_->storedProc1, state_.moveMode, source, targetTab, pcRef);
        transaction.commit();
    }
    endMove();
}

// After a tab is chosen the Item page shows, with the manual register when it opens on every
// choice.
void TMainForm::showChosenTab() {
    btnLinkClick();
    if (modeIs(data_.settings.manRegMode, '2'))
        setManualRegisterOpen(true);
}

// The tab the operator picked: it becomes the current tab, or, with a move pending, the lines
// go to it.
void TMainForm::takeTab(int tabId, const QString& label) {
    if (state_.moveMode == 0)
        selectTab(tabId, label);
    else
        moveLinesTo(tabId);
}

void TMainForm::ChooseNonTab() {
    leaveStocktake();
    takeTab(SalesState::kNonTab, QStringLiteral("NonTab"));
    showChosenTab();
}

void TMainForm::tabButtonClick(GlyphButton* button) {
    const int index = pgeTab->indexOf(button);
    if (index < 0)
        return;
    if (tabMapEditor_)
        tabMapEditor_->pickTabButton(mapTabId(index), button->pos());
    pgeTab->tabList->setCurrentRow(index);
    if (tabMapEditor_)
        return;
    ChooseListedTab();
    showChosenTab();
}

void TMainForm::ChooseListedTab() {
    BusyCursor busy;
    leaveStocktake();
    const QListWidget& list = *pgeTab->tabList;
    if (list.count() == 0) {
        prompter_.warning(QStringLiteral("Tab list is blank."));
        return;
    }
    const int row = TabMap::cacheRow(mapRows_, list.currentRow());
    if (row < 0)
        return; // no entry chosen
    takeTab(data_.tabMap.at(row, TmTabId).toInt(), list.currentItem()->text());
}

void TMainForm::lstTabDoubleClick() {
    ChooseListedTab();
    btnLinkClick();
}

void TMainForm::btnMoveClick() {
    if (!lines_->hasLines(LineLists::kMain) && !lines_->hasLines(LineLists::kSplit)) {
        prompter_.information(QStringLiteral("Add an item to the tab."));
        return;
    }
    const auto choose = [this](bool one) {
        const std::optional<int> mode =
            TabMoves::chooseMode(one, !modeIs(data_.settings.splitMode, '0'), lines_->hasLines(LineLists::kMain),
                                 lines_->hasLines(LineLists::kSplit), state_.currentTab);
        if (!mode)
            return false;
        state_.moveMode = *mode;
        return true;
    };
    const std::unique_ptr<TTabMoveForm> form =
        createForm<TTabMoveForm>(prompter_, prompter_, [choose] { return choose(true); },
                                 [choose] { return choose(false); }, this);
    if (!form || showModal(*form) != QDialog::Accepted)
        return;
    btnTabClick();
    pgeTab->setCancelMoveShown(true);
}

void TMainForm::btnCancelMoveClick() {
    state_.moveMode = 0;
    pgeTab->setCancelMoveShown(false);
    btnLinkClick();
}

void TMainForm::btnTabFindClick() {
    const auto select = [this](int tabId, const QString& ref) {
        leaveStocktake();
        takeTab(tabId, ref);
        btnLinkClick();
    };
    const std::unique_ptr<TTabFindForm> form =
        createForm<TTabFindForm>(prompter_, module_->db1, prompter_, keyboardModes_, select, this);
    if (!form)
        return;
    TTabFindForm* find = form.get();
    // A split copied to the tabs is looked for at once, so that it can be chosen.
    form->setSplitEditor([this, find](const QString& search) {
        OpenSplitForm(QStringLiteral("TabFind"), search, QString(),
                      [find](const QString& ref) { find->searchFor(ref); });
    });
    showModal(*form);
}

void TMainForm::btnActiveClick() {
    // Only selects: a pending move stays pending.
    const auto choose = [this](int tabId, const QString& ref) {
        leaveStocktake();
        selectTab(tabId, ref);
        btnLinkClick();
    };
    const std::unique_ptr<TTabOpenForm> form =
        createForm<TTabOpenForm>(prompter_, module_->db1, prompter_, choose, this);
    if (form)
        showModal(*form);
}

void TMainForm::ShowTabBalance() {
    LinePanel& right = *pnlRight;
    if (!modeIs(data_.settings.accountMode, '1') || state_.currentTab < 3) {
        for (QLabel* l : {right.lblBalance, right.lblLimit, right.lblAvail})
            l->clear();
        right.setBalanceShown(false);
        return;
    }
    const TabBalance tab = lookupTabBalance(module_->storedProc1, state_.currentTab);
    right.setBalanceShown(true);
    right.lblBalance->setText(QStringLiteral("Bal: ") + moneyText(tab.balance.toDouble()));
    right.lblLimit->setText(QStringLiteral("Limit: ") + moneyText(tab.crLimit.toDouble()));
    right.lblAvail->setText(tab.stopped ? QStringLiteral("Cr Stopped")
                                        : QStringLiteral("Avail: ") + moneyText(tab.available().toDouble()));
}

void TMainForm::btnReBalanceClick() {
    reBalanceTab(module_->db1, prompter_, state_.currentTab, pnlRight->lblTabRef->text());
}

} // namespace pelora
