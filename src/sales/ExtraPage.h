#pragma once

#include <QWidget>

class QGroupBox;
class QPushButton;

namespace pelora {

// The Extra page: the "Extra" group of the less frequent operations, centred on the page.
class ExtraPage : public QWidget {
    Q_OBJECT
public:
    explicit ExtraPage(QWidget* parent = nullptr);

    QGroupBox* grpExtra;
    QPushButton* btnMove;
    QPushButton* btnDelete;
    QPushButton* btnDiscount;
    QPushButton* btnRefund;
    QPushButton* btnCredit;    // "A/C Cr"
    QPushButton* btnReBalance; // "Re-Bal"
    QPushButton* btnNoSale;
    QPushButton* btnTabHist;   // "History"
    QPushButton* btnTabOrder;  // "Order"
    QPushButton* btnStocktake;
};

} // namespace pelora
