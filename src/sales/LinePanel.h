#pragma once

#include <QWidget>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;

namespace pelora {

class OptionsColumn;

// The right-hand panel of the sales screen: the "Tab" group with the tab's name and balance,
// the "Fast Find" group, the two line lists with their totals and buttons, the "Check",
// "Process" and "Payment" buttons, and the "Options" column.
class LinePanel : public QWidget {
    Q_OBJECT
public:
    explicit LinePanel(QWidget* parent = nullptr);

    QGroupBox* grpTab;
    QLabel* lblTabRef;
    QLabel* lblBalance;
    QLabel* lblLimit;
    QLabel* lblAvail;

    QGroupBox* grpFastFind;
    QLineEdit* edtFind;
    QRadioButton* rbBarcode;
    QRadioButton* rbStockNo;
    QRadioButton* rbBoth;
    QButtonGroup* findChoice;
    QPushButton* btnSearch;

    QTableView* tabline1;
    QLabel* lblTotal1;
    QPushButton* btnQtyDec;
    QPushButton* btnQtyInc;
    QPushButton* btnSplit;     // the current line of list 1 to list 2
    QPushButton* btnSRef;      // "Split": the split chooser
    QPushButton* btnViewLine1; // "..."

    QWidget* pnlList2;
    QTableView* tabline2;
    QLabel* lblTotal2;
    QPushButton* btnUnSplit;   // the current line of list 2 to list 1
    QPushButton* btnViewLine2; // "..."

    QPushButton* btnCheck;
    QPushButton* btnProcess;
    QPushButton* btnTendered; // "Payment"

    OptionsColumn* options;

    // The "Tab" group is 50 high while the balance figures show and 34 while they are hidden.
    void setBalanceShown(bool shown);
};

} // namespace pelora
