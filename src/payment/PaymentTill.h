#pragma once

#include "common/Money.h"

#include <QString>

namespace pelora {

namespace db {
class Connection;
}

// What the payment windows ask of the sales screen that opened them: the tab being paid, the
// commits over the lines the screen shows, and the screen's own steps after each commit.
class PaymentTill {
public:
    virtual ~PaymentTill() = default;

    // 0 no tab, 1 the NonTab, above 1 a tab of the map.
    virtual int paymentTab() const = 0;
    virtual db::Connection& paymentDatabase() = 0;

    // Each returns the receipt id, or below 1 when nothing was recorded. When the tab's lines
    // changed on another till (ReceiptCommit::kTabChanged) the screen has read them again and
    // told the operator.
    virtual int CommitReceipt(const QString& source, const QString& mop, Money total, Money tendered, Money credit,
                              bool refund) = 0;
    virtual int CommitCredit(const QString& mop, Money amount) = 0;
    virtual int CommitDebit(const QString& mop, Money amount) = 0;

    // Sends the tab's new orders before a sale when the terminal sends them at payment; false,
    // after telling the operator, when they could not be printed (then nothing may be
    // committed).
    virtual bool processOrdersAtPayment() = 0;

    // After a receipt committed from the chooser (a refund, a sale on account), after a sale
    // taken in the tender window, and after money paid into or out of an account: the screen
    // shows what is left, then the docket prints and the drawer opens. A printer failure is
    // reported there and leaves the receipt in place.
    virtual void receiptFromChooser(int receiptId, const QString& source) = 0;
    virtual void receiptFromTender(int receiptId, Money change) = 0;
    virtual void accountMoved(int receiptId) = 0;
};

} // namespace pelora
