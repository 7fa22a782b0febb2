#include "sales/TMainForm.h"

#include "app/StaffList.h"
#include "app/TMainDataModule.h"
#include "common/Flag.h"
#include "common/Mode.h"
#include "common/Prompter.h"
#include "db/DbError.h"
#include "print/OrderProcessing.h"
#include "sales/ButtonFont.h"
#include "sales/ButtonSettings.h"
#include "sales/ExtraPage.h"
#include "sales/ItemAdder.h"
#include "sales/ItemGrid.h"
#include "sales/ItemPage.h"
#include "sales/LineLists.h"
#include "sales/LineListModel.h"
#include "sales/LinePanel.h"
#include "sales/ManRegisterPanel.h"
#include "sales/OptionSlots.h"
#include "sales/OptionsColumn.h"
#include "sales/StatusLine.h"
#include "sales/TabPage.h"
#include "ui/BusyCursor.h"
#include "ui/FormOpener.h"
#include "ui/GeneralError.h"
#include "ui/GlyphButton.h"
#include "ui/TKeyBoardForm.h"
#include "ui/TouchWidgets.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <utility>

namespace pelora {

namespace {
constexpr const char* kWired = "peloraWired";
constexpr int kNavigationWidth = 110;
constexpr int kDefaultRefreshMs = 60 * 1000;
} // namespace

TMainForm::TMainForm(Prompter& prompter, QWidget* parent)
    : QMainWindow(parent), prompter_(prompter), beep_([] { QApplication::beep(); }) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QString::fromLatin1(kCaption));
    setMinimumSize(1024, 700);

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("pnlBackground"));
    setCentralWidget(central);
    buildBackground(central);

    pnlPanels = new QWidget(central);
    pnlPanels->setObjectName(QStringLiteral("pnlPanels"));
    pnlLeft = new QWidget(pnlPanels);
    pnlLeft->setObjectName(QStringLiteral("pnlLeft"));
    buildNavigationBar();

    grpMain = new QGroupBox(QStringLiteral("Main"), pnlLeft);
    grpMain->setObjectName(QStringLiteral("grpMain"));
    QFont caption = grpMain->font();
    caption.setBold(true);
    grpMain->setFont(caption);
    pgcMain = new QTabWidget(grpMain);
    pgcMain->setObjectName(QStringLiteral("pgcMain"));
    QFont pageFont = QApplication::font();
    pageFont.setBold(false); // only the caption is bold
    pgcMain->setFont(pageFont);
    pgeTab = new TabPage;
    pgeItem = new ItemPage;
    pgeExtra = new ExtraPage;
    pgcMain->addTab(pgeTab, QStringLiteral("Tab"));
    pgcMain->addTab(pgeItem, QStringLiteral("Item"));
    pgcMain->addTab(pgeExtra, QStringLiteral("Extra"));
    pgcMain->tabBar()->hide(); // pages change by the navigation buttons only
    auto* mainLayout = new QVBoxLayout(grpMain);
    mainLayout->setContentsMargins(2, 2, 2, 2);
    mainLayout->addWidget(pgcMain);
    static_cast<QHBoxLayout*>(pnlLeft->layout())->addWidget(grpMain, 1);

    pnlRight = new LinePanel(pnlPanels);
    pnlRight->setFixedWidth(rightPanelNormalWidth_);
    auto* panels = new QHBoxLayout(pnlPanels);
    panels->setContentsMargins(0, 0, 0, 0);
    panels->setSpacing(2);
    panels->addWidget(pnlLeft, 1);
    panels->addWidget(pnlRight);
    // The side panels lie over the background, so the "Login" button behind them is reachable
    // only while they are hidden.
    static_cast<QGridLayout*>(central->layout())->addWidget(pnlPanels, 0, 0);

    statusLine_ = new StatusLine(statusBar());

    // Every operation of the screen is wired to its button here as it is built; a button with
    // no operation yet stays disabled whatever the layout says.
    wire(btnTab, &TMainForm::btnTabClick);
    wire(btnLink, &TMainForm::btnLinkClick);
    wire(btnExtra, &TMainForm::btnExtraClick);
    wire(pgeItem->btnReset, &TMainForm::btnResetClick);
    wire(pgeItem->btnPreProcess, &TMainForm::btnPreProcessClick);
    wire(btnLogin, &TMainForm::btnLoginClick);
    wire(btnLogout, &TMainForm::btnLogoutClick);
    wire(pgeTab->btnNonTab, &TMainForm::ChooseNonTab);
    wire(pgeTab->btnMapPrior, &TMainForm::btnMapPriorClick);
    wire(pgeTab->btnMapNext, &TMainForm::btnMapNextClick);
    wire(pgeTab->btnTabFind, &TMainForm::btnTabFindClick);
    wire(pgeTab->btnActive, &TMainForm::btnActiveClick);
    wire(pgeTab->btnCancelMove, &TMainForm::btnCancelMoveClick);
    wire(pgeExtra->btnMove, &TMainForm::btnMoveClick);
    wire(pgeExtra->btnReBalance, &TMainForm::btnReBalanceClick);
    wire(pnlRight->btnQtyInc, &TMainForm::btnQtyIncClick);
    wire(pnlRight->btnQtyDec, &TMainForm::btnQtyDecClick);
    wire(pnlRight->btnSplit, &TMainForm::btnSplitClick);
    wire(pnlRight->btnUnSplit, &TMainForm::btnUnSplitClick);
    wire(pnlRight->btnSRef, &TMainForm::btnSRefClick);
    wire(pnlRight->btnViewLine1, &TMainForm::btnViewLine1Click);
    wire(pnlRight->btnViewLine2, &TMainForm::btnViewLine2Click);
    wire(pgeExtra->btnDelete, &TMainForm::btnDeleteClick);
    wire(pnlRight->btnProcess, &TMainForm::btnProcessClick);
    wire(pnlRight->btnCheck, &TMainForm::btnCheckClick);
    wire(pgeExtra->btnTabOrder, &TMainForm::btnTabOrderClick);
    wire(pgeExtra->btnNoSale, &TMainForm::btnNoSaleClick);
    wire(pnlRight->btnTendered, &TMainForm::btnTenderedClick);
    wire(pgeExtra->btnRefund, &TMainForm::btnRefundClick);
    wire(pgeExtra->btnCredit, &TMainForm::btnCreditClick);
    wire(pgeItem->btnOpt, &TMainForm::btnOptClick);
    wire(pgeExtra->btnDiscount, &TMainForm::btnDiscountClick);
    wire(pgeExtra->btnTabHist, &TMainForm::btnTabHistClick);
    setUpFastFind();
    wireManualRegister();
    wire(pgeExtra->btnStocktake, &TMainForm::btnStocktakeClick);
    for (int n = 1; n <= OptionsColumn::kSlots; ++n)
        wire(pnlRight->options->buttons[static_cast<std::size_t>(n - 1)], [this, n] { OpenOption(n); });
    connect(pgeTab->tabList, &QListWidget::itemDoubleClicked, this,
            [this] { runReportingFailures(prompter_, [this] { lstTabDoubleClick(); }); });
    connect(pgeItem->grid, &ItemGrid::buttonClicked, this, [this](QPushButton* button) {
        runReportingFailures(prompter_, [this, button] { buttontag_li(button); });
    });
    connect(pgeItem->grid, &ItemGrid::buttonDropped, this, &TMainForm::buttonDropped);
    connect(pgeTab, &TabPage::tabButtonDropped, this, &TMainForm::tabButtonDropped);
    for (QAbstractButton* b : findChildren<QAbstractButton*>())
        if (!isWired(b))
            b->setEnabled(false);

    refreshTimer_.setTimerType(Qt::PreciseTimer);
    refreshTimer_.setInterval(kDefaultRefreshMs);
    connect(&refreshTimer_, &QTimer::timeout, this, &TMainForm::RefreshTimerTick);

    optionMessageMode_ = keyboardModes_.add(QStringLiteral("optmsg"), [this](const QString& message, TKeyBoardForm&) {
        OptionSlots::setMessage(*lines_, message);
        return true;
    });
    loginMode_ = keyboardModes_.add(QStringLiteral("logout"), [this](const QString& password, TKeyBoardForm& keyboard) {
        return logIn(password, keyboard);
    });
}

TMainForm::~TMainForm() = default;

eventlog::Actor TMainForm::actor() const {
    const Session& session = module_->session();
    return {session.pcRef, session.staffRef, approver_};
}

void TMainForm::buildBackground(QWidget* central) {
    auto* background = new QWidget(central);
    background->setObjectName(QStringLiteral("pnlLogin"));
    lblResetting = namedLabel(tr("Resetting the Application"), QStringLiteral("lblResetting"), background);
    btnLogin = touchButton(tr("Login"), QStringLiteral("btnLogin"), background);
    btnLogin->setMinimumSize(220, 80);
    lblLogin = namedLabel(tr("Press this button to display the Keyboard"), QStringLiteral("lblLogin"),
                          background);
    QFont big = lblResetting->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    lblResetting->setFont(big);
    auto* layout = new QVBoxLayout(background);
    layout->addStretch();
    layout->addWidget(lblResetting, 0, Qt::AlignCenter);
    layout->addWidget(btnLogin, 0, Qt::AlignCenter);
    layout->addWidget(lblLogin, 0, Qt::AlignCenter);
    layout->addStretch();
    lblResetting->hide();

    auto* grid = new QGridLayout(central);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(background, 0, 0);
}

void TMainForm::buildNavigationBar() {
    auto* nav = new QWidget(pnlLeft);
    nav->setObjectName(QStringLiteral("pnlNavigation"));
    nav->setFixedWidth(kNavigationWidth);
    btnTab = touchButton(QStringLiteral("1 - Tab"), QStringLiteral("btnTab"), nav);
    btnLink = touchButton(QStringLiteral("2 - Item"), QStringLiteral("btnLink"), nav);
    btnExtra = touchButton(QStringLiteral("3 - Extra"), QStringLiteral("btnExtra"), nav);
    btnAdmin = touchButton(tr("Admin"), QStringLiteral("btnAdmin"), nav);
    btnLogout = touchButton(tr("Close"), QStringLiteral("btnLogout"), nav);
    auto* layout = new QVBoxLayout(nav);
    layout->setContentsMargins(2, 2, 2, 2);
    for (QPushButton* b : {btnTab, btnLink, btnExtra}) {
        b->setMinimumHeight(72);
        layout->addWidget(b);
    }
    layout->addStretch();
    for (QPushButton* b : {btnAdmin, btnLogout}) {
        b->setMinimumHeight(60);
        layout->addWidget(b);
    }
    auto* left = new QHBoxLayout(pnlLeft);
    left->setContentsMargins(0, 0, 0, 0);
    left->setSpacing(2);
    left->addWidget(nav);
}

void TMainForm::attach(TMainDataModule& module) {
    module_ = &module;
    lines_ = std::make_unique<LineLists>(module.db1);
    LineListModel::show(lines_->list(LineLists::kMain), pnlRight->tabline1);
    LineListModel::show(lines_->list(LineLists::kSplit), pnlRight->tabline2);
    db::RowSet& list1 = lines_->list(LineLists::kMain);
    connect(&list1, &db::RowSet::scrolled, this, &TMainForm::ShowOptions);
    connect(&list1, &db::RowSet::dataChanged, this, &TMainForm::ShowOptions);
}

bool TMainForm::isWired(const QWidget* control) { return control->property(kWired).toBool(); }

void TMainForm::wire(QAbstractButton* button, void (TMainForm::*handler)()) {
    wire(button, [this, handler] { (this->*handler)(); });
}

void TMainForm::wire(QAbstractButton* button, std::function<void()> handler) {
    button->setProperty(kWired, true);
    connect(button, &QAbstractButton::clicked, this,
            [this, handler = std::move(handler)] { runReportingFailures(prompter_, handler); });
}

void TMainForm::setAvailable(QWidget* control, bool on) { control->setEnabled(on && isWired(control)); }

bool TMainForm::sidePanelsShown() const { return pnlPanels->isVisibleTo(this); }

void TMainForm::setSidePanelsShown(bool shown) {
    pnlLeft->setVisible(shown);
    pnlRight->setVisible(shown);
    pnlPanels->setVisible(shown);
}

void TMainForm::collapseRightPanel() {
    rightPanelCollapsed_ = true;
    pnlRight->setFixedWidth(0);
}

void TMainForm::restoreRightPanel() {
    rightPanelCollapsed_ = false;
    pnlRight->setFixedWidth(rightPanelNormalWidth_);
}

void TMainForm::showPage(QWidget* page, const QString& caption) {
    pgcMain->setCurrentWidget(page);
    grpMain->setTitle(caption);
    if (page == pgeTab)
        ShowOccupiedTabs(); // other tills may have opened or paid tabs meanwhile
}

QString TMainForm::imageFile(const QString& fileName) const { return data_.settings.imagePath + fileName; }

bool TMainForm::refreshTimerOn() const {
    const QString& mode = data_.settings.refreshMode;
    return (modeIs(mode, '1') || modeIs(mode, '2')) && data_.settings.refreshRate > 0;
}

void TMainForm::LoadTerminalSettings() {
    btnLogin->hide();
    lblLogin->hide();
    lblResetting->show();
    setSidePanelsShown(false);
    statusBar()->hide();
    repaint();

    Session& session = module_->session();
    if (!session.configuredPcRef.isEmpty())
        session.pcRef = session.configuredPcRef; // a row added since the last load makes the till itself
    data_ = TerminalData::load(module_->db1, module_->clock(), session.pcRef, data_.settings.charsetCode);
    const TerminalSettings& s = data_.settings;

    if (modeIs(s.glyphMode, '1'))
        pictures_.load(data_.pictureRows, s.imagePath);
    else
        pictures_.clear();
    state_.moveMode = 0;
    statusLine_->setText(2, QString());

    QPixmap background;
    if (!s.fileName.isEmpty())
        background.load(imageFile(s.fileName));
    pgeItem->grid->setBackground(background);
    state_.currentMapId = s.mapId;
    if (!modeIs(s.tabMode, '2'))
        ShowMap();

    setManualRegisterOpen(modeIs(s.manRegMode, '2'));

    ResetTabState();
    ApplyButtonSettings();
    ShowTabBalance();
    ReadLineLists();

    pgcMain->tabBar()->hide();
    ShowStartPage();

    statusBar()->show();
    setSidePanelsShown(true);
    btnLogin->show();
    lblLogin->show();
    lblResetting->hide();

    if (refreshTimerOn()) {
        refreshTimer_.setInterval(s.refreshRate * 1000);
        refreshTimer_.start();
    } else {
        refreshTimer_.stop();
    }

    // Said once for each reference: at every reset the till would otherwise ask again.
    const bool runsAsItself = session.configuredPcRef.isEmpty() || session.pcRef == session.configuredPcRef;
    if (runsAsItself) {
        missingTerminalSaid_.clear();
    } else if (missingTerminalSaid_ != session.configuredPcRef) {
        missingTerminalSaid_ = session.configuredPcRef;
        terminalNotice_ = QStringLiteral("This till (%1) has no terminal record: it runs with the settings of terminal 1"
                                         " until one is added in the console's PC.")
                              .arg(session.configuredPcRef);
    }
}

void TMainForm::sayTerminalNotice() {
    if (!terminalNotice_.isEmpty())
        prompter_.warning(std::exchange(terminalNotice_, QString()));
}

void TMainForm::setManualRegisterOpen(bool open) {
    ShowLink(open ? 0 : data_.settings.linkId);
    pgeItem->manRegister->setVisible(open);
    if (open)
        pgeItem->centreManRegister();
    pgeItem->btnManual->setChecked(open);
    setCaptionRed(pgeItem->btnManual, open);
}

void TMainForm::ShowLink(int linkId) {
    if (refreshTimerOn())
        refreshTimer_.start(); // every rebuild starts the countdown again

    // The page is read before the one on screen is set aside: a database that cannot be
    // reached leaves the grid as it is instead of blank.
    const TerminalSettings& s = data_.settings;
    GridPage page;
    QString caption;
    if (!isTrue(data_.master.linkRequery)) {
        if (!data_.buttons.isEmpty() && modeIs(s.countMode, '1')) {
            try {
                data_.buttons.refreshStock(module_->db1, module_->clock(), data_.lastRefresh);
            } catch (const db::DbError& failure) {
                if (!failure.isConnectionLost())
                    throw;
                // The stock shows as last read until the connection is back; the page is drawn.
            }
        }
        page = GridPage::fromCache(data_.buttons, linkId, s);
        caption = QStringLiteral("Item: ");
    } else {
        BusyCursor busy;
        page = GridPage::fromDatabase(module_->db1, linkId, s);
        caption = QStringLiteral("Items: ");
    }
    state_.currentLink = linkId;
    pgeItem->grid->setAside();
    QMetaObject::invokeMethod(this, &TMainForm::StatusLineMessage, Qt::QueuedConnection);
    shownPage_ = std::move(page);
    // The page's name is kept whichever page shows, so that "2 - Item" names it; the caption
    // changes only while the Item page is the one on screen.
    if (!shownPage_.buttons.empty()) {
        state_.currentLinkName = shownPage_.linkName;
        if (pgcMain->currentWidget() == pgeItem)
            grpMain->setTitle(caption + shownPage_.linkName);
    }
    pgeItem->grid->build(shownPage_, itemButtonFont(font(), s.charsetCode, s.libtnfsize), &pictures_);
}

void TMainForm::buttontag_li(QPushButton* button) {
    const auto& buttons = pgeItem->grid->buttons;
    const auto found = std::find(buttons.begin(), buttons.end(), button);
    if (found == buttons.end())
        return;
    const GridPage::Button row = shownPage_.buttons.at(static_cast<std::size_t>(found - buttons.begin()));
    const bool cached = shownPage_.cached;
    BusyCursor busy;
    if (refreshTimerOn())
        refreshTimer_.start(); // no refresh in the middle of a round of touches
    if (buttonEditor_) {
        buttonEditor_->pickButton(row.liId, cached ? row.tag : -1, row.colour);
        return;
    }
    const GridPage::Touch touch = cached ? GridPage::touchFromCache(data_.buttons, row.tag)
                                         : GridPage::touchFromDatabase(module_->db1, row.tag);
    if (touch.showLink) {
        ShowLink(touch.linkId);
        return;
    }
    if (touch.itemId == 0 || !AddItem(touch.itemId, false))
        return;
    // A count line is never sent: taking its count off the stock would spoil the stocktake.
    const bool counting = state_.currentTab == SalesState::kStocktakeTab;
    if (!counting && (modeIs(data_.settings.processMode, '3') || pgeItem->btnPreProcess->isChecked()))
        preProcess();
}

void TMainForm::preProcess() {
    db::RowSet& list1 = lines_->list(LineLists::kMain);
    try {
        markLineProcessed(module_->db1, module_->storedProc1, QStringLiteral("tabline1"),
                          static_cast<int>(list1.value(u"id").asInt()), data_.settings.countMode);
    } catch (const std::exception& failure) {
        reportFailureAs(prompter_, failure, QStringLiteral("There was a preprocessing problem.")); // stays unsent
    }
    list1.reopen();
    list1.last();
    setPreProcessDown(false);
    if (modeIs(data_.settings.countMode, '1'))
        ShowLink(state_.currentLink);
}

bool TMainForm::AddItem(int itemId, bool fromDatabase) {
    const ItemAdder::Context context{module_->db1,         module_->storedProc1, prompter_,
                                     data_.settings,       data_.master,         data_.buttons,
                                     module_->session().pcRef, module_->session().staffRef, state_.currentTab};
    const std::optional<ItemAdder::Added> added = ItemAdder::add(context, itemId, fromDatabase);
    if (!added)
        return false;
    ReadLineLists();
    // The new line becomes the current one. It is not always the last: another till may have
    // added a line to the same tab in the meantime.
    lines_->list(LineLists::kMain).locate(u"id", added->lineId);
    if (added->discRate > 0) {
        RecalcLine1();
        lines_->save(LineLists::kMain);
        ShowTotals(); // the total shows the discounted line
    }
    if (state_.currentTab == SalesState::kStocktakeTab) {
        OpenQtyForm(); // the count
        return true;
    }
    const QString& optMode = data_.settings.optMode;
    if (modeIs(optMode, '1') || modeIs(optMode, '2'))
        for (int n : added->autoOptions)
            OpenOption(n);
    if (modeIs(data_.settings.qtyMode, '3'))
        btnQtyIncClick();
    const QString& splitMode = data_.settings.splitMode;
    if (modeIs(splitMode, '2') || modeIs(splitMode, '4'))
        btnSRefClick();
    return true;
}

void TMainForm::StatusLineMessage() {
    pgeItem->grid->freeSetAside();
    if (modeIs(data_.settings.logoutMode, '1') &&
        statusLine_->text(0) == QLatin1String(StatusLine::kLoggedOut)) {
        // The login comes up over the sales screen: at start-up it waits until the screen shows.
        // The screen was set back to its start when the till was logged out.
        if (isVisible())
            logOut();
        return;
    }
    const Session& session = module_->session();
    statusLine_->setText(0, QStringLiteral("PC/Staff: ") + session.pcRef + u'/' + session.staffRef);
    statusLine_->setText(1, QStringLiteral("Layout: ") + data_.settings.layoutName);
}

void TMainForm::RefreshTimerTick() {
    // A failure reported from a tick waits in its message box while the timer goes on: the
    // ticks meanwhile do nothing, so the boxes do not pile up.
    if (inRefreshTick_)
        return;
    inRefreshTick_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{inRefreshTick_};
    try {
        ShowLink(state_.currentLink);
        if (pgcMain->currentWidget() == pgeTab)
            ShowOccupiedTabs(); // tables other tills opened or paid meanwhile
        if (modeIs(data_.settings.refreshMode, '2'))
            beep_();
    } catch (const std::exception& failure) {
        // The refresh runs by itself: it never puts a box over a window the operator works in,
        // and a lost connection is said by the connection watch or the operator's next action.
        if (!QApplication::activeModalWidget() && !db::DbError::isConnectionLost(failure))
            reportFailure(prompter_, failure);
    }
}

void TMainForm::ResetTabState() {
    const TerminalSettings& s = data_.settings;
    ExtraPage& extra = *pgeExtra;
    if (modeIs(s.tabMode, '2')) {
        state_.currentTab = SalesState::kNonTab;
        pnlRight->lblTabRef->setText(QStringLiteral("Non Tab"));
        for (QPushButton* b : {extra.btnMove, btnTab, pgeTab->btnNonTab, extra.btnCredit, extra.btnReBalance})
            b->setEnabled(false);
        return;
    }
    state_.currentTab = SalesState::kNoTab;
    pnlRight->lblTabRef->setText(QStringLiteral("Unknown"));
    pgeTab->tabList->setCurrentRow(-1); // no tab of the list looks chosen either
    setAvailable(extra.btnMove, true);
    setAvailable(btnTab, true);
    setAvailable(pgeTab->btnNonTab, modeIs(s.tabMode, '3'));
    pgeTab->setCancelMoveShown(false);
    const bool accounts = modeIs(s.accountMode, '1');
    setAvailable(extra.btnCredit, accounts);
    setAvailable(extra.btnReBalance, accounts);
}

void TMainForm::ApplyButtonSettings() {
    const ButtonSettings b = ButtonSettings::from(data_.settings);
    LinePanel& right = *pnlRight;
    ExtraPage& extra = *pgeExtra;
    setAvailable(right.btnQtyInc, b.qtyUpDown);
    setAvailable(right.btnQtyDec, b.qtyUpDown);
    setAvailable(pgeItem->btnManual, b.manual);
    setAvailable(pgeItem->btnOpt, b.option);
    right.options->setVisible(b.optionsColumn);
    rightPanelNormalWidth_ = b.rightPanelWidth;
    if (!rightPanelCollapsed_)
        right.setFixedWidth(rightPanelNormalWidth_);
    right.grpFastFind->setVisible(b.fastFind);
    applyFindMode(b.fastFind);
    setAvailable(extra.btnTabOrder, b.order);
    setAvailable(right.btnProcess, b.process);
    setAvailable(extra.btnDiscount, b.discount);
    setAvailable(extra.btnRefund, b.refund);
    setAvailable(extra.btnStocktake, b.stocktake);
    setAvailable(extra.btnNoSale, b.noSale);
    setAvailable(extra.btnMove, b.move);
    setAvailable(right.btnCheck, b.check);
    setAvailable(right.btnTendered, b.payment);
    setAvailable(pgeItem->btnPreProcess, b.preProcess);
    btnLogout->setText(b.logoutCaption);
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (module_ && modeIs(data_.settings.logoutMode, '1'))
        QMetaObject::invokeMethod(this, &TMainForm::StatusLineMessage, Qt::QueuedConnection);
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (lines_) {
        lines_->list(LineLists::kMain).close();
        lines_->list(LineLists::kSplit).close();
    }
    QMainWindow::closeEvent(event);
}

void TMainForm::Login() {
    if (loginOpen_)
        return; // a grid rebuild while the login is up asks for it again
    loginOpen_ = true;
    struct Done {
        bool& open;
        ~Done() { open = false; }
    } done{loginOpen_};
    openKeyboard(this, prompter_, keyboardModes_,
                 {QStringLiteral("logout"), QStringLiteral("Login to Pelora"), QString(), true});
}

bool TMainForm::logIn(const QString& password, TKeyBoardForm& keyboard) {
    Session& session = module_->session();
    std::optional<QString> staff = staffRefForPassword(data_.staff, password);
    if (!staff) {
        BusyCursor busy; // the server makes repeated refusals wait
        staff = databaseUserForPassword(keyboard.probe(), session.databasePath(), password);
    }
    if (!staff) {
        prompter_.error(QStringLiteral("Cannot Login. Check password and try again.") + kLineBreak +
                        QStringLiteral("If staff password cannot be found, use the admin password."));
        return false;
    }
    session.staffRef = *staff;
    statusLine_->setText(0, QStringLiteral("PC/Staff: ") + session.pcRef + u'/' + session.staffRef);
    statusLine_->setText(1, QStringLiteral("Layout: ") + data_.settings.layoutName);
    statusLine_->setText(2, QString());
    setSidePanelsShown(true);
    return true;
}

void TMainForm::btnLoginClick() { Login(); }

void TMainForm::setAdminConsole(AdminConsoleMaker make) {
    adminConsole_ = std::move(make);
    if (!isWired(btnAdmin))
        wire(btnAdmin, &TMainForm::btnAdminClick);
    btnAdmin->setEnabled(true);
}

void TMainForm::btnAdminClick() {
    std::unique_ptr<QDialog> console;
    try {
        BusyCursor busy;
        console = adminConsole_(*this);
    } catch (const std::exception&) {
        console.reset();
    }
    if (!console) {
        prompter_.error(cannotOpenMessage("TAdminForm"));
        return;
    }
    showModal(*console);
}

void TMainForm::logOut() {
    setSidePanelsShown(false);
    statusLine_->setText(0, QString::fromLatin1(StatusLine::kLoggedOut));
    statusLine_->setText(1, QString());
    statusLine_->setText(2, QString());
    Login();
}

void TMainForm::btnLogoutClick() {
    if (btnLogout->text() == QLatin1String("Logout")) {
        // The next waiter starts on the start page, never on the last one's tab.
        ReturnToStart();
        logOut();
        return;
    }
    if (prompter_.confirm(QStringLiteral("Close Pelora?")))
        close();
}

void TMainForm::ShowStartPage() {
    const TerminalSettings& s = data_.settings;
    state_.moveMode = 0;
    const bool both = modeIs(s.tabMode, '3');
    if (modeIs(s.tabMode, '1') || (both && modeIs(s.startMode, '1'))) {
        collapseRightPanel();
        showPage(pgeTab, QStringLiteral("Tab: ") + state_.currentMapName);
    } else if (modeIs(s.tabMode, '2') || (both && modeIs(s.startMode, '2'))) {
        showPage(pgeItem, QStringLiteral("Item: ") + state_.currentLinkName);
        restoreRightPanel();
        ChooseNonTab();
    }
}

void TMainForm::ReturnToStart() {
    const bool counting = state_.currentTab == SalesState::kStocktakeTab;
    ResetTabState();
    if (counting)
        ApplyButtonSettings(); // the buttons the count switched off come back
    ShowTabBalance();
    ReadLineLists();
    showFirstPages();
}

void TMainForm::showFirstPages() {
    if (!modeIs(data_.settings.manRegMode, '2'))
        pgeItem->btnReset->click();
    else
        setManualRegisterOpen(true);
    ShowStartPage();
}

void TMainForm::btnTabClick() {
    collapseRightPanel();
    showPage(pgeTab, QStringLiteral("Tab: ") + state_.currentMapName);
}

void TMainForm::btnLinkClick() {
    showPage(pgeItem, QStringLiteral("Item: ") + state_.currentLinkName);
    restoreRightPanel();
}

void TMainForm::btnExtraClick() {
    showPage(pgeExtra, QStringLiteral("Extra"));
    restoreRightPanel();
}

void TMainForm::btnResetClick() {
    BusyCursor busy;
    const TerminalSettings& s = data_.settings;
    if (!modeIs(s.manRegMode, '0')) {
        pgeItem->manRegister->hide();
        pgeItem->btnManual->setChecked(false);
        setCaptionRed(pgeItem->btnManual, false);
    }
    if (s.linkId <= 0) {
        data_.settings.linkId = 1;
        state_.currentLink = 1;
    }
    ShowLink(data_.settings.linkId);
    setPreProcessDown(false);
}

void TMainForm::btnPreProcessClick() { setCaptionRed(pgeItem->btnPreProcess, pgeItem->btnPreProcess->isChecked()); }

void TMainForm::setPreProcessDown(bool down) {
    pgeItem->btnPreProcess->setChecked(down);
    setCaptionRed(pgeItem->btnPreProcess, down);
}

} // namespace pelora
