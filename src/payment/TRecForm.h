#pragma once

#include "payment/ReceiptLines.h"
#include "payment/ReceiptList.h"
#include "ui/KeyboardModes.h"

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;
class QScrollArea;
class QTableView;

namespace pelora {

class Prompter;
class ReceiptHistoryTill;
class ReceiptListModel;

// The receipt history: the receipts in a grid, newest first, and the lines of the chosen one as
// cards beside it; along the bottom the days back ("-", "+", "Refresh"), "Find ID", "Re-Print",
// "Re-Start", the tab's own history and "Close". The opener loads a list before showing it.
class TRecForm : public QDialog {
    Q_OBJECT
public:
    TRecForm(ReceiptHistoryTill& till, Prompter& prompter, QWidget* parent = nullptr);
    ~TRecForm() override;

    void LoadReceiptsByDays(int days);
    void LoadTabReceipts(int tabId);
    void FindReceipt(const QString& text);
    // "Tab History" lists this tab's receipts; the button shows from now on.
    void setHistoryTab(int tabId, const QString& tabRef);

    void btnRefreshClick();
    void btnQtyIncClick();
    void btnQtyDecClick();
    void btnPrintClick();
    void btnFindClick();
    void btnReverseClick();
    void btnTabHistClick();
    // The chosen receipt's lines as cards.
    void receipt1AfterScroll();
    void ShowReceiptLines();

    int days() const { return days_; }
    const ReceiptList& receipts() const { return receipts_; }

    QTableView* grdReceipts;
    QScrollArea* scrLines;
    QPushButton* btnQtyDec; // "-"
    QLabel* lblDays;        // the number of days
    QLabel* lblDayText;     // "Day" or "Days"
    QPushButton* btnQtyInc; // "+"
    QPushButton* btnRefresh;
    QPushButton* btnFind;
    QPushButton* btnPrint;
    QPushButton* btnReverse; // "Re-Start"
    QPushButton* btnTabHist; // "Tab History", or "Tab: " and the tab's ref
    QPushButton* btnClose;

public slots:
    void done(int result) override;

private:
    void showReceipts();
    void showDays();
    void FormClose();
    void run(const std::function<void()>& action);

    ReceiptHistoryTill& till_;
    Prompter& prompter_;
    ReceiptList receipts_;
    ReceiptLines lines_;
    ReceiptListModel* model_;
    KeyboardModes::Registration findMode_;
    int days_ = 1;
    int historyTab_ = 0;
    bool stockMoved_ = false;
    bool closed_ = false;
    bool showing_ = false;
};

} // namespace pelora
