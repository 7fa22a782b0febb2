#pragma once

#include "app/EventLog.h"
#include "payment/ReceiptRow.h"

#include <QString>

namespace pelora {

class Prompter;

namespace db {
class Connection;
class ServerClock;
} // namespace db

// "Re-Start" in the receipt history. A sale is cancelled by a mirror receipt and its lines go
// back onto its tab, sent already, to be changed and paid again; a refund cannot come back as
// lines, so it is only cancelled, and the stock it took back leaves again. Each runs in one
// transaction after the operator's questions.
class ReceiptRestart {
public:
    // Who restarts: this terminal and its staff, the layout's restart window, and whether the
    // admin console's Admin session is open (it allows an older receipt after a question).
    struct Till {
        QString pcRef;
        QString staffRef;
        double restartMins = 0;
        bool adminSession = false;
        AdminLevel approver = AdminLevel::None; // the console's level when it opened the history

        eventlog::Actor actor() const { return {pcRef, staffRef, approver}; }
    };

    enum class Result {
        Stopped,          // refused, or the operator said no: nothing written
        Restarted,        // the lines are back on the tab and the mirror receipt written
        Reversed,         // a refund cancelled: the mirror receipt written, its stock moved out
        AlreadyRestarted, // another till restarted the receipt first: nothing written
        Failed            // the database refused: rolled back, the operator told why
    };
    struct Outcome {
        Result result = Result::Stopped;
        bool stockMoved = false; // a reversal moved item quantities
        int tabId = 0;           // the receipt's tab
        QString tabRef;
        int mirrorId = 0;

        // After the transaction, committed or not, the sales screen shows the receipt's tab.
        bool showsTab() const {
            return result == Result::Restarted || result == Result::Reversed || result == Result::Failed;
        }
    };

    ReceiptRestart(db::Connection& db, db::ServerClock& clock, Prompter& prompter, Till till);

    // Restarts or reverses the receipt as the history lists it. Either leaves an entry in the
    // exception log in its transaction, approved by the Admin session when that let an older
    // receipt through.
    Outcome restart(const ReceiptRow& receipt);

    // The exception log's entry for printing a receipt again.
    static void logReprint(db::Connection& db, const Till& till, const ReceiptRow& receipt);

private:
    bool mayRestart(const ReceiptRow& receipt);
    bool linesMayGo(const ReceiptRow& receipt);
    Outcome run(const ReceiptRow& receipt, bool reversal);
    // The restart: a copy of each of the receipt's lines on the tab, as list-1 lines of this
    // terminal and its staff, with positive amounts and already sent.
    void RestoreLines(const ReceiptRow& receipt);
    // The reversal of a refund: each line's quantity leaves stock again. False without lines.
    bool moveStockOut(const ReceiptRow& receipt);
    // The mirror receipt: the cancelled one's amounts negated, its account amount off the tab's
    // balance again, and one negated line for each of its lines.
    void WriteReversal(const ReceiptRow& receipt, int mirrorId);
    void tellAlreadyRestarted(int receiptId, int byReceiptId);
    Outcome failed(const ReceiptRow& receipt, const QString& why);

    db::Connection& db_;
    db::ServerClock& clock_;
    Prompter& prompter_;
    Till till_;
    bool olderThanPermitted_ = false; // the Admin session let an older receipt through
};

} // namespace pelora
