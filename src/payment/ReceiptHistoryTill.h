#pragma once

#include "payment/ReceiptRestart.h"

#include <QString>

namespace pelora {

class KeyboardModes;

namespace db {
class Connection;
class ServerClock;
} // namespace db

// What the receipt history asks of the sales screen that opened it: the database and its
// clock, the keyboard's modes, who restarts, the docket of a receipt, and the screen's steps
// after a restart.
class ReceiptHistoryTill {
public:
    virtual ~ReceiptHistoryTill() = default;

    virtual db::Connection& historyDatabase() = 0;
    virtual db::ServerClock& historyClock() = 0;
    virtual KeyboardModes& historyKeyboardModes() = 0;
    virtual ReceiptRestart::Till restartTill() = 0;

    // The docket and drawer of a receipt, as after a sale.
    virtual void PrintReceiptOutputs(int receiptId) = 0;
    // After a restart or a reversal (or one that failed): the receipt's tab becomes the current
    // tab with its balance and lines, under its ref.
    virtual void showRestartedTab(int tabId, const QString& tabRef) = 0;
    // The history closes after a reversal moved stock: the grid shows the new counts where the
    // till counts stock.
    virtual void stockMovedByReversal() = 0;
};

} // namespace pelora
