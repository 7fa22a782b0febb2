#pragma once

#include "app/EventLog.h"
#include "app/TerminalData.h"
#include "common/Money.h"
#include "payment/PaymentTill.h"
#include "payment/ReceiptHistoryTill.h"
#include "print/Printing.h"
#include "sales/DiscountTill.h"
#include "sales/GridPage.h"
#include "sales/ManualRegister.h"
#include "sales/PictureList.h"
#include "sales/SalesState.h"
#include "sales/TabMap.h"
#include "tabs/SplitChooserTill.h"
#include "ui/KeyboardModes.h"

#include <QMainWindow>
#include <QPoint>
#include <QTimer>

#include <functional>
#include <memory>

class QAbstractButton;
class QDialog;
class QGroupBox;
class QLabel;
class QPushButton;
class QTabWidget;

namespace pelora {

class ExtraPage;
class GlyphButton;
class ItemPage;
class LineLists;
class LinePanel;
class Prompter;
class ReceiptCommit;
class StatusLine;
class TabPage;
class TKeyBoardForm;
class TMainDataModule;
class TRecForm;

// The button editor, while it is open beside the sales screen: a touch on a grid button hands
// the button to it instead of running the button, and a button dragged on the grid is handed
// over with the place its box was dropped at. `cacheRow` is -1 without the button cache.
class GridButtonPicker {
public:
    virtual ~GridButtonPicker() = default;
    virtual void pickButton(int liId, int cacheRow, std::optional<std::uint32_t> boxColour) = 0;
    virtual void dropButton(int liId, int cacheRow, QPoint boxTopLeft) = 0;
};

// The tab map editor, while it is open over the Tab page: a touch on a tab button hands the
// tab and the button's position to it, a tab button dragged on the map is handed over with the
// place it was dropped at (from the map picture's top left), and a change of map clears its
// selection.
class TabButtonPicker {
public:
    virtual ~TabButtonPicker() = default;
    virtual void pickTabButton(int tabId, QPoint position) = 0;
    virtual void dropTabButton(int tabId, QPoint topLeft) = 0;
    virtual void clearSelection() = 0;
};

// The sales screen. On the left the navigation bar and the three pages (Tab, Item, Extra)
// under the main group box; on the right the line lists; behind both, the "Login" button that
// is reachable while the side panels are hidden. It owns the sales-screen state, the terminal
// settings and caches, and the refresh timer. Creating it does no work: the data module
// connects and then calls LoadTerminalSettings.
class TMainForm : public QMainWindow,
                  public PaymentTill,
                  public DiscountTill,
                  public SplitChooserTill,
                  public ReceiptHistoryTill {
    Q_OBJECT
public:
    static constexpr const char* kCaption = "Pelora - v01282";

    explicit TMainForm(Prompter& prompter, QWidget* parent = nullptr);
    ~TMainForm() override;

    void attach(TMainDataModule& module);

    const TerminalSettings& settings() const { return data_.settings; }
    TerminalData& terminal() { return data_; }
    const TerminalData& terminal() const { return data_; }
    const PictureList& pictures() const { return pictures_; }
    SalesState& state() { return state_; }
    const SalesState& state() const { return state_; }
    LineLists& lines() { return *lines_; }
    // The page the item grid shows.
    const GridPage& shownPage() const { return shownPage_; }
    // The totals under the lists as last shown (list 1 with the layout's rounding).
    Money total1() const { return total1_; }
    Money total2() const { return total2_; }
    // Set while the button editor is open (null when it closes); the grid's buttons can then be
    // dragged.
    void setButtonEditor(GridButtonPicker* editor);
    GridButtonPicker* buttonEditor() const { return buttonEditor_; }
    // Set while the tab map editor is open (null when it closes); the tab buttons can then be
    // dragged.
    void setTabMapEditor(TabButtonPicker* editor);
    TabButtonPicker* tabMapEditor() const { return tabMapEditor_; }
    // What the on-screen keyboard's Enter does, by mode; windows that open the keyboard add
    // their modes here.
    KeyboardModes& keyboardModes() { return keyboardModes_; }
    StatusLine& statusLine() const { return *statusLine_; }
    QTimer& refreshTimer() { return refreshTimer_; }
    // Who acts on this screen, for the exception log: this terminal, the staff logged in, and
    // the console's level while one of the console's actions runs here.
    eventlog::Actor actor() const;
    // The console sets its level for the time one of its actions runs, and None after.
    void setApprover(AdminLevel level) { approver_ = level; }
    // The system beep of the refresh timer in mode "2"; tests count it instead.
    void setBeep(std::function<void()> beep) { beep_ = std::move(beep); }

    // Reads this terminal's settings and caches and applies them to the screen; at start-up and
    // after every application reset.
    void LoadTerminalSettings();
    // What the last load found to tell the operator once the screen is up (a till whose PCRef
    // has no terminal record, said once for each reference), then nothing until the next load.
    void sayTerminalNotice();
    // Rebuilds the item grid of a link page (0: an empty page).
    void ShowLink(int linkId);

    // The back office changes the pages and items this screen shows.
    // The buttons are cached (`linkrequery` is not "T").
    bool buttonsCached() const;
    // Reads the button cache again (when the buttons are cached).
    void RebuildButtonCache();
    // Reads the option-choice cache again (when the choices are cached).
    void RebuildOptionChoices();
    // Draws the current link page again.
    void RedrawLink() { ShowLink(state_.currentLink); }
    // One cached button's column changed: its cached copy follows.
    void PatchCachedButton(int cacheRow, ButtonCache::Column column, const QString& text);
    // The page shown is gone: the start link is cleared and "Reset" falls back to link 1.
    void ResetToFirstLink();
    // The "Manual" button while the button editor is open (off) and after (as the layout says).
    void setManualAvailable(bool on);
    // The "Manual" button as the layout sets it ("On Manual" or "On Auto").
    bool manualByLayout() const;
    // The manual register over the Item page: "Manual" opens and closes it; its keypad, "x",
    // "Add" (a free-priced line on the tab), "Payment" and "Keyboard" (the item name).
    void btnManualClick();
    void manualKeyClick(QChar key);
    void btnManTimesClick();
    void btnManAddClick();
    void btnManPaymentClick();
    void btnManKeyboardClick();
    const ManualRegister& manualRegister() const { return manualRegister_; }
    // A touch on a grid button: shows its page, or adds its item to the tab.
    void buttontag_li(QPushButton* button);
    // A grid button dragged while the button editor is open: the editor places it.
    void buttonDropped(QPushButton* button, QPoint boxTopLeft);
    // Adds a line for the item to the current tab and completes it as the layout asks; false
    // when it stopped with a message.
    bool AddItem(int itemId, bool fromDatabase);
    // Fast find: "Search F9" (and F9 or Return in the find box) searches the box's code, or
    // with `findmode` "2" opens the keyboard whose Enter fills the box and searches; the item
    // found is added from the database.
    void btnSearchClick();
    void FastFindSearch();

    // The line lists of the current tab: read, recomputed, totalled.
    void ReadLineLists();
    void RecalcLine1();
    void RecalcLine2();
    void ShowTotals();
    void MoveLineToList2();
    void MoveLineToList1();
    // The quantity keypad on the current line of list 1.
    void OpenQtyForm();
    // The delete window: from the sales screen, or with the source mark "Admin" from the console.
    void OpenDeleteLineForm(const QString& source);
    // The deferred message every grid rebuild posts: frees the previous page and writes the
    // status line, or brings up the login when one is required and nobody is logged in.
    void StatusLineMessage();
    void RefreshTimerTick();

    void ResetTabState();
    void ApplyButtonSettings();
    void ShowStartPage();
    // The screen as the next customer or waiter finds it: no tab chosen (its lines stay on it),
    // the lists and balance cleared, the first item page (or the manual register) and the start
    // page. After "Process" and at "Logout".
    void ReturnToStart();

    // The admin console behind "Admin": made by `make` each time "Admin" is touched (under the
    // hourglass, ready to show), shown modally and freed. "Admin" stays off until a console is
    // plugged in.
    using AdminConsoleMaker = std::function<std::unique_ptr<QDialog>(TMainForm&)>;
    void setAdminConsole(AdminConsoleMaker make);
    const AdminConsoleMaker& adminConsole() const { return adminConsole_; }
    void btnAdminClick();

    // Staff login: the keyboard in mode "logout" with the password masked.
    void Login();
    void btnLoginClick();
    // "Logout" hides the side panels and asks for the next login; "Close" ends the program.
    void btnLogoutClick();

    // Tab selection on the Tab page and through the find and open-tabs windows; with a move
    // pending, the tab chosen is where the lines go.
    void ShowMap();
    void RebuildTabButtons();
    void btnMapPriorClick();
    void btnMapNextClick();
    void ChooseNonTab();
    void tabButtonClick(GlyphButton* button);
    // A tab button dragged while the tab map editor is open: the editor places it.
    void tabButtonDropped(GlyphButton* button, QPoint topLeft);
    // Marks the tab buttons and list entries of the map whose tabs have open lines on any
    // terminal, as "Active" lists them. After the map is drawn, on showing the Tab page, after
    // each payment and each move of lines.
    void ShowOccupiedTabs();
    void ChooseListedTab();
    void lstTabDoubleClick();
    void btnMoveClick();
    void btnCancelMoveClick();
    void btnTabFindClick();
    void btnActiveClick();
    // The split editor from the chooser ("SplitChoice"), the tab find ("TabFind") or the
    // console ("Admin", or empty); `search` empty lists every split with `selectRef` selected.
    // Returns the ref of the split it closed on (empty when it could not open).
    QString OpenSplitForm(const QString& source, const QString& search, const QString& selectRef,
                          std::function<void(const QString&)> copiedToTab = {});

    // Stocktake mode: this terminal's count on the stocktake tab, with the screen set up for
    // counting; refused (false) when the layout does not count. "Stocktake" on the Extra page
    // processes the count.
    bool EnterStocktake();
    void btnStocktakeClick();

    // The current tab's account: balance, limit and what is left, for account tabs.
    void ShowTabBalance();
    void btnReBalanceClick();

    void btnTabClick();
    void btnLinkClick();
    void btnExtraClick();
    void btnResetClick();
    void btnPreProcessClick();
    void btnQtyIncClick();
    void btnQtyDecClick();
    void btnSplitClick();
    void btnUnSplitClick();
    void btnViewLine1Click();
    void btnViewLine2Click();
    void btnDeleteClick();

    // The option slots of list 1's current line: the "Options" column, a slot opened by its
    // button or by the item's own prompt, and the typed message ("Option").
    void ShowOptions();
    void OpenOption(int n);
    void btnOptClick();

    // "Discount": the scope dialog and the chooser on the list in use (the second while it
    // holds lines); the console opens them with `admin` set.
    void btnDiscountClick();
    void OpenDiscLineForm(bool admin);
    std::vector<DiscountOffer> discountOffers(bool admin) override;
    bool applyDiscount(const DiscountOffer& offer, int list, LineDiscounts::Scope scope) override;
    void resetDiscounts(int list, LineDiscounts::Scope scope) override;

    // "Split": the split chooser on list 1's current line, opening on the line's split or on the
    // split and category chosen last.
    void btnSRefClick();
    bool putSplit(const SplitLines::Split& split) override;
    void clearSplit(const QString& ref) override;
    void moveSplitLines(bool toSplitList, const std::optional<QString>& ref) override;
    db::TextTable splitRefs(int list) override;
    QString editSplits(const QString& ref) override;

    // Sends the current tab's new lines to the kitchen and bar printers and marks them sent.
    void ProcessOrders();
    void btnProcessClick();
    void btnTabOrderClick();
    // The order window on the unprocessed orders of every tab (the admin console's "Orders").
    void OpenUnprocessedOrders();
    void btnNoSaleClick();
    void btnCheckClick();
    // The print paths of this terminal: database, spooler, outputs, prompter.
    Printing printing();

    // Payment: the chooser over the lines of the list being paid (the second list when it
    // holds any), for a sale or a refund; and money paid into or out of the tab's account.
    void btnTenderedClick();
    void btnRefundClick();
    void btnCreditClick();
    // The payment methods the chooser offers: the start-up cache, or read again each time when
    // the master settings ask for it.
    db::TextTable paymentMethods();

    int paymentTab() const override { return state_.currentTab; }
    db::Connection& paymentDatabase() override;
    int CommitReceipt(const QString& source, const QString& mop, Money total, Money tendered, Money credit,
                      bool refund) override;
    int CommitCredit(const QString& mop, Money amount) override;
    int CommitDebit(const QString& mop, Money amount) override;
    bool processOrdersAtPayment() override;
    // Another till changed the tab since this screen read it: the lists are read again and the
    // operator told to check them.
    void showTabChangedElsewhere();
    void receiptFromChooser(int receiptId, const QString& source) override;
    void receiptFromTender(int receiptId, Money change) override;
    void accountMoved(int receiptId) override;
    // The docket and drawer of a committed receipt; a printer failure is reported, the
    // receipt stays.
    void PrintReceiptOutputs(int receiptId) override;

    // The receipt history: "History" lists the current tab's receipts; the admin console's
    // "Receipt" opens it on the last day's receipts, without "Tab History". A restart from it
    // leaves the sales screen on the receipt's tab.
    void btnTabHistClick();
    void OpenReceiptHistory();
    db::Connection& historyDatabase() override;
    db::ServerClock& historyClock() override;
    KeyboardModes& historyKeyboardModes() override { return keyboardModes_; }
    ReceiptRestart::Till restartTill() override;
    void showRestartedTab(int tabId, const QString& tabRef) override;
    void stockMovedByReversal() override;

    // The right-hand panel's width when it is not collapsed: 318 with the options column, 230
    // without.
    int normalRightPanelWidth() const { return rightPanelNormalWidth_; }
    bool rightPanelCollapsed() const { return rightPanelCollapsed_; }
    bool sidePanelsShown() const;

    // A control is usable when the layout switches it on and its operation is wired to it.
    static bool isWired(const QWidget* control);

    // Controls, by the names the handlers and tests know them by.
    QWidget* pnlPanels;
    QWidget* pnlLeft;
    LinePanel* pnlRight;
    QGroupBox* grpMain;
    QTabWidget* pgcMain;
    TabPage* pgeTab;
    ItemPage* pgeItem;
    ExtraPage* pgeExtra;
    QPushButton* btnTab;
    QPushButton* btnLink;
    QPushButton* btnExtra;
    QPushButton* btnAdmin;
    QPushButton* btnLogout;
    QPushButton* btnLogin;
    QLabel* lblLogin;
    QLabel* lblResetting;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildNavigationBar();
    void buildBackground(QWidget* central);
    void wire(QAbstractButton* button, void (TMainForm::*handler)());
    void wire(QAbstractButton* button, std::function<void()> handler);
    void setAvailable(QWidget* control, bool on);
    void setSidePanelsShown(bool shown);
    void collapseRightPanel();
    void restoreRightPanel();
    void showPage(QWidget* page, const QString& caption);
    void setManualRegisterOpen(bool open);
    void setUpFastFind();
    void applyFindMode(bool on);
    void wireManualRegister();
    void showManualDisplay();
    // The first item page, or the manual register when the layout keeps it open, then the start
    // page.
    void showFirstPages();
    void openReceiptHistory(const std::function<void(TRecForm&)>& load);
    void openMopChoice(bool refund);
    void showMopChoice(const QString& total, const QString& creditMode, const QString& source, bool refund,
                       bool overPages);
    ReceiptCommit receiptCommit();
    LineDiscounts::Context discountContext();
    SplitLines::Context splitContext();
    // Runs ProcessOrders; on a failure tells the operator, naming the printers that failed,
    // and returns false.
    bool processOrdersTelling();
    void openOrderForm(int tabId, bool all);
    void setPreProcessDown(bool down);
    void setSplitControlsShown(bool shown);
    bool splitShown() const;
    void changeQty(int step);
    void viewLine(int list);
    void preProcess();
    bool logIn(const QString& password, TKeyBoardForm& keyboard);
    void logOut();
    void leaveStocktake();
    void setUpStocktakeScreen();
    void selectTab(int tabId, const QString& label);
    void takeTab(int tabId, const QString& label);
    void moveLinesTo(int targetTab);
    int moveSource() const;
    void endMove();
    void showChosenTab();
    void stepMap(int step);
    // The tab id of the current map's button and tab list entry at `index`.
    int mapTabId(int index) const;
    bool refreshTimerOn() const;
    QString imageFile(const QString& fileName) const;

    Prompter& prompter_;
    TMainDataModule* module_ = nullptr;
    StatusLine* statusLine_;
    TerminalData data_;
    PictureList pictures_;
    SalesState state_;
    std::unique_ptr<LineLists> lines_;
    GridPage shownPage_;
    GridButtonPicker* buttonEditor_ = nullptr;
    TabButtonPicker* tabMapEditor_ = nullptr;
    AdminConsoleMaker adminConsole_;
    KeyboardModes keyboardModes_;
    KeyboardModes::Registration loginMode_;
    KeyboardModes::Registration optionMessageMode_;
    KeyboardModes::Registration fastFindMode_;
    ManualRegister manualRegister_;
    KeyboardModes::Registration manualNameMode_;
    bool loginOpen_ = false;
    TabMap::Rows mapRows_;
    Money total1_;
    Money total2_;
    QTimer refreshTimer_;
    QString missingTerminalSaid_; // the PCRef whose missing terminal record was last said
    QString terminalNotice_;
    std::function<void()> beep_;
    bool inRefreshTick_ = false;
    int rightPanelNormalWidth_ = 230;
    bool rightPanelCollapsed_ = false;
    AdminLevel approver_ = AdminLevel::None;
};

} // namespace pelora
