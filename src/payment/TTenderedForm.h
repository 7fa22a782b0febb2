#pragma once

#include "common/Money.h"
#include "payment/Tendering.h"

#include <QDialog>
#include <QString>

#include <vector>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace pelora {

class PaymentTill;
class Prompter;

// What the chooser (or the check window) hands to the tender window.
struct TenderValues {
    QString total;      // formatted; the balance when paying into or out of an account
    QString source;     // "tabline1", "tabline2", "Source", or "checkchoiceform" for a pre-tender
    QString mop;        // the payment method's name
    QString creditMode; // "0", "Credit", "Debit", or the amount already charged to the account
    QString refund;     // "T" or "F"
};

// The tender window: the amount handed over is typed on the keypad or taken from a shortcut,
// the change shows as it is typed, and "Process" records the sale or the account movement.
class TTenderedForm : public QDialog {
    Q_OBJECT
public:
    TTenderedForm(PaymentTill& till, Prompter& prompter, TenderValues values, QWidget* parent = nullptr);

    const TenderValues& values() const { return values_; }
    // Opened by the check window: "Print Check" hands the amount back (the window is accepted
    // and the amount is the tendered text) and records nothing.
    bool isPreTender() const { return values_.source == Tendering::kCheckSource; }

    // A digit or "." key; "C" clears.
    void buttontag(QChar key);
    void btnTnd10Click();
    void btnTnd20Click();
    void btnTnd50Click();
    void btnTnd100Click();
    void btnClearClick();
    // Shows the change while the tendered amount covers the total (not for account movements).
    void ShowChange();
    // What was tendered on the tab before, for the list being paid.
    Money PriorTendered(const QString& source);
    void btnProcessClick();

    QLabel* lblMop;
    QLabel* lblTotalCaption;
    QLabel* lblTotal;
    QLineEdit* edtTendered;
    QFrame* pnlChange;
    QLabel* lblChange;
    std::vector<QPushButton*> keys; // "7" "8" "9", "4" "5" "6", "1" "2" "3", "0", "."
    QPushButton* btnClear;          // "C"
    QPushButton* btnTnd10;
    QPushButton* btnTnd20;
    QPushButton* btnTnd50;
    QPushButton* btnTnd100;
    QPushButton* btnProcess;
    QPushButton* btnClose;

private:
    void setTendered(const QString& text);
    void processAccountMovement(Money amount);
    void processSale(Money tendered);

    PaymentTill& till_;
    Prompter& prompter_;
    TenderValues values_;
};

} // namespace pelora
