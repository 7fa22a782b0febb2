#pragma once

#include "ui/ChoiceColumn.h"

#include <QDialog>
#include <QString>

#include <vector>

class QLabel;
class QPushButton;
class QScrollArea;

namespace pelora {

class PaymentTill;
class Prompter;

namespace db {
class TextTable;
}

// The payment-method chooser: one button per method. Its opener sets the four values and then
// fills it; a touch on a method refunds at once, charges the account, or opens the tender
// window. "Close" (and Escape) changes nothing.
class TMopChoiceForm : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kAccount = "Account";

    TMopChoiceForm(PaymentTill& till, Prompter& prompter, QWidget* parent = nullptr);

    // Formatted with the money format.
    QString total;
    // "0" for a sale, "Credit" or "Debit"; after a part-account question, the amount charged
    // to the account.
    QString creditMode = QStringLiteral("0");
    // "tabline1" or "tabline2"; "Source" for the account credit and debit.
    QString source;
    QString refund = QStringLiteral("F");

    // One button per method, in list order. "Account" cannot be pressed while paying money
    // into or out of an account, nor on the NonTab, which has no account.
    void BuildMopButtons(const db::TextTable& mops);
    void buttontag(QPushButton* button);
    QPushButton* mopButton(const QString& name) const;

    QLabel* lblCaption;
    QLabel* lblTotal;
    QScrollArea* scrMop;
    std::vector<QPushButton*> mopButtons;
    QPushButton* btnClose;

private:
    void showValues();
    void refundNow(const QString& method);
    void chargeAccount(QPushButton* accountButton);
    void openTender(const QString& method);
    bool finishCommit(int receiptId);

    PaymentTill& till_;
    Prompter& prompter_;
    ChoiceColumn mopColumn_;
};

} // namespace pelora
