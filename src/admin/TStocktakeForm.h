#pragma once

#include "admin/StocktakeHistory.h"

#include <QDialog>

#include <vector>

class QGroupBox;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace pelora {

class Prompter;

namespace db {
class Connection;
}

// The stocktake history: past stocktakes on the left (newest first), the chosen one's details
// and its counted lines, all or only those that did not match what was expected; a stocktake
// is found by its id.
class TStocktakeForm : public QDialog {
    Q_OBJECT
public:
    TStocktakeForm(db::Connection& db, Prompter& prompter, QWidget* parent = nullptr);

    // Lists every stocktake as the window opens on them.
    void load();

    void btnFindIdClick();
    void btnAllClick();

    QTableWidget* grdStocktakes;
    QPushButton* btnFirst;
    QPushButton* btnPrior;
    QPushButton* btnNext;
    QPushButton* btnLast;
    QGroupBox* grpDetails;
    QLineEdit* edtId;
    QLineEdit* edtDate;
    QLineEdit* edtPCRef;
    QLineEdit* edtStaffRef;
    QLineEdit* edtCost;
    QLineEdit* edtPrice;
    QLineEdit* edtTax;
    QTableWidget* grdLines;
    QPushButton* btnDiscrepancies;
    QPushButton* btnAllLines;
    QGroupBox* grpFind;
    QLineEdit* edtFind;
    QPushButton* btnFindId;
    QPushButton* btnAll;
    QPushButton* btnClose;

private:
    void list(std::vector<StocktakeHistory::Stocktake> stocktakes);
    void step(int row);
    void showSelected();
    void showLines(bool discrepanciesOnly);

    db::Connection& db_;
    Prompter& prompter_;
    std::vector<StocktakeHistory::Stocktake> stocktakes_;
};

} // namespace pelora
