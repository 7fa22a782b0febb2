#pragma once

#include "app/TerminalData.h"
#include "sales/PictureList.h"
#include "sales/SalesState.h"

#include <QMainWindow>
#include <QTimer>

#include <functional>

class QAbstractButton;
class QGroupBox;
class QLabel;
class QPushButton;
class QTabWidget;

namespace pelora {

class ExtraPage;
class ItemPage;
class LinePanel;
class Prompter;
class StatusLine;
class TabPage;
class TMainDataModule;

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
    StatusLine& statusLine() const { return *statusLine_; }
    QTimer& refreshTimer() { return refreshTimer_; }
    // The system beep of the refresh timer in mode "2"; tests count it instead.
    void setBeep(std::function<void()> beep) { beep_ = std::move(beep); }

    // Reads this terminal's settings and caches and applies them to the screen; at start-up and
    // after every application reset.
    void LoadTerminalSettings();
    // Rebuilds the item grid of a link page (0: an empty page).
    void ShowLink(int linkId);
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
    bool refreshTimerOn() const;
    QString imageFile(const QString& fileName) const;

    Prompter& prompter_;
    TMainDataModule* module_ = nullptr;
    StatusLine* statusLine_;
    TerminalData data_;
    PictureList pictures_;
    SalesState state_;
    QTimer refreshTimer_;
    std::function<void()> beep_;
    bool inRefreshTick_ = false;
    int rightPanelNormalWidth_ = 230;
    bool rightPanelCollapsed_ = false;
};

} // namespace pelora
