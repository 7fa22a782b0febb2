#include "app/DocketCommand.h"

#include "app/ConnectionCheck.h"
#include "app/StreamPrompter.h"
#include "app/TerminalData.h"
#include "db/Query.h"
#include "db/ServerClock.h"
#include "print/PrintFrame.h"
#include "print/ReceiptDocket.h"
#include "print/Spooler.h"

namespace pelora {

int printDocketCommand(QTextStream& out, const QString& receipt, Spooler& spooler) {
    bool isNumber = false;
    const int receiptId = receipt.toInt(&isNumber);
    if (!isNumber || receiptId <= 0) {
        out << "Give the receipt number: pelora --docket N\n";
        return 1;
    }
    db::Connection db;
    int exitCode = 0;
    std::optional<IniSettings> ini = connectFromIni(out, db, exitCode, false);
    if (!ini)
        return exitCode;
    try {
        db::Query found(db);
        found.setSql(QStringLiteral("SELECT COUNT(*) AS n FROM receipt WHERE id = ?"));
        found.open({receiptId});
        if (found.value(u"n").asInt() == 0) {
            out << "There is no receipt " << receiptId << ".\n";
            return 1;
        }
        db::DatabaseClock clock(db);
        QString pcRef = ini->pcRef;
        const TerminalData terminal = TerminalData::load(db, clock, pcRef, 0);
        const OutputFrame docket = OutputFrame::of(terminal.outputDevices,
                                                   terminal.outputDevices.find(QStringLiteral("Docket")), spooler);
        if (!docket.prints()) {
            out << "Terminal " << pcRef << " prints no dockets: it has no \"Docket\" output with a width.\n";
            return 0;
        }
        StreamPrompter prompter(out);
        printDocket({db, spooler, terminal.outputDevices, prompter}, receiptId);
        out << "Docket of receipt " << receiptId << " sent to " << docket.printer << ".\n";
        return 0;
    } catch (const std::exception& e) {
        out << e.what() << '\n';
        return 3;
    }
}

} // namespace pelora
