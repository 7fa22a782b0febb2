#pragma once

#include "print/OrderLines.h"
#include "print/Printing.h"

#include <QDialog>
#include <QTimer>

#include <vector>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;

namespace pelora {

// How the order window works on this terminal: `ordmode` "1" shows the "Processed" buttons,
// `countmode` "1" moves stock as a line is marked, `splitmode` "0" leaves the second list out.
struct OrderWindowSettings {
    QString pcRef;
    QString ordMode;
    QString countMode;
    QString splitMode;
};

// The order window, a small kitchen display: a button per tab with lines ("All" beside it for
// every line of the tab), the chosen tab's lines as cards, single lines marked "Processed",
// the papers printed on request, and a refresh every few seconds while "Auto Refresh" is down.
class TOrderForm : public QDialog {
    Q_OBJECT
public:
    // Opens on every line of `tabId` (0: every tab), showing the first tab.
    TOrderForm(const Printing& printing, OrderWindowSettings settings, int tabId, QWidget* parent = nullptr);
    ~TOrderForm() override;

    void LoadOrderLines(bool all, int tabId);
    void BuildTabButtons();
    void SelectFirstTab();
    void ShowTabLines(int tabId, const QString& caption, bool all);
    void PrintOrders();

    void buttontag1(QPushButton* button); // a tab button or its "All"
    void buttontag2(QPushButton* button); // "Processed" on a card
    void btnRefresh1Click();              // "Unprocessed"
    void btnRefresh2Click();              // "All"
    void btnOutputClick();                // "Print"
    void btnAutoRefreshClick();
    void btnQtyDecClick();
    void btnQtyIncClick();
    void Timer1Timer();

    // Whether a line was marked processed here: the sales screen then reads its lists again.
    bool linesChanged() const { return linesChanged_; }
    const std::vector<OrderLine>& orderLines() const { return lines_; }
    int currentTab() const { return currentTab_; }
    const QString& currentCaption() const { return currentCaption_; }
    bool allMode() const { return allMode_; }
    int seconds() const { return seconds_; }

    QScrollArea* scrTabs;
    QScrollArea* scrLines;
    std::vector<QPushButton*> tabButtons; // the tab buttons and their "All" buttons, in pairs
    std::vector<QFrame*> cards;
    QPushButton* btnRefresh1;
    QPushButton* btnRefresh2;
    QPushButton* btnOutput;
    QPushButton* btnAutoRefresh;
    QPushButton* btnQtyDec;
    QLabel* lblSeconds;
    QPushButton* btnQtyInc;
    QPushButton* btnClose;
    QTimer Timer1;

protected:
    void done(int result) override;

private:
    QFrame* addCard(const OrderLine& line, int index, QWidget* canvas);
    void setSeconds(int seconds);
    void markCardDone(QFrame* card);

    Printing printing_;
    OrderWindowSettings settings_;
    std::vector<OrderLine> lines_;
    int currentTab_ = 0;
    QString currentCaption_;
    bool allMode_ = false;
    bool linesChanged_ = false;
    int seconds_ = 10;
};

} // namespace pelora
