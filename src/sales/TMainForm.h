#pragma once

#include "app/TerminalData.h"
#include "common/Money.h"
#include "sales/GridPage.h"
#include "sales/PictureList.h"
#include "sales/SalesState.h"

#include <QMainWindow>
#include <QTimer>

#include <functional>
#include <memory>

class QAbstractButton;
class QGroupBox;
class QLabel;
class QPushButton;
class QTabWidget;

namespace pelora {

class ExtraPage;
class ItemPage;
class LineLists;
class LinePanel;
class Prompter;
class StatusLine;
class TabPage;
class TMainDataModule;

// The button editor, while it is open beside the sales screen: a touch on a grid button hands
// the button to it instead of running the button. `cacheRow` is -1 without the button cache.
class GridButtonPicker {
public:
    virtual ~GridButtonPicker() = default;
    virtual void pickButton(int liId, int cacheRow, std::optional<std::uint32_t> boxColour) = 0;
};

// The sales screen. On the left the navigation bar and the three pages (Tab, Item, Extra)
// under the main group box; on the right the line lists; behind both, the "Login" button that
// is reachable while the side panels are hidden. It owns the sales-screen state, the terminal
// settings and caches, and the refresh timer. Creating it does no work: the data module
// connects and then calls LoadTerminalSettings.
class TMainForm : public QMainWindow {
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
    LineLists& lines() { return *lines_; }
    // The page the item grid shows.
    const GridPage& shownPage() const { return shownPage_; }
    // The totals under the lists as last shown (list 1 with the layout's rounding).
    Money total1() const { return total1_; }
    Money total2() const { return total2_; }
    // Set while the button editor is open (null when it closes).
    void setButtonEditor(GridButtonPicker* editor) { buttonEditor_ = editor; }
    StatusLine& statusLine() const { return *statusLine_; }
    QTimer& refreshTimer() { return refreshTimer_; }
    // The system beep of the refresh timer in mode "2"; tests count it instead.
    void setBeep(std::function<void()> beep) { beep_ = std::move(beep); }

    // Reads this terminal's settings and caches and applies them to the screen; at start-up and
    // after every application reset.
    void LoadTerminalSettings();
    // Rebuilds the item grid of a link page (0: an empty page).
    void ShowLink(int linkId);
    // A touch on a grid button: shows its page, or adds its item to the tab.
    void buttontag_li(QPushButton* button);
    // Adds a line for the item to the current tab and completes it as the layout asks; false
    // when it stopped with a message.
    bool AddItem(int itemId, bool fromDatabase);

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
    void ChooseNonTab();

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

private:
    void buildNavigationBar();
    void buildBackground(QWidget* central);
    void wire(QAbstractButton* button, void (TMainForm::*handler)());
    void setAvailable(QWidget* control, bool on);
    void setSidePanelsShown(bool shown);
    void collapseRightPanel();
    void restoreRightPanel();
    void showPage(QWidget* page, const QString& caption);
    void setManualRegisterOpen(bool open);
    void setPreProcessDown(bool down);
    void setSplitControlsShown(bool shown);
    bool splitShown() const;
    void changeQty(int step);
    void viewLine(int list);
    void preProcess();
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
    Money total1_;
    Money total2_;
    QTimer refreshTimer_;
    std::function<void()> beep_;
    bool inRefreshTick_ = false;
    int rightPanelNormalWidth_ = 230;
    bool rightPanelCollapsed_ = false;
};

} // namespace pelora
