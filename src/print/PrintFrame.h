#pragma once

#include "db/TextTable.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

namespace pelora {

class OutputDeviceTable;
class Spooler;

// One output's printer and the framing every paper on it shares: codes and fonts before and
// after, the header and footer texts, the line feeds before the cut and the body width.
struct OutputFrame {
    QString printer;
    QByteArray beginCode1, beginCode2, endCode1, endCode2;
    int ejectLines = 0;
    QString headerText, footerText;
    QByteArray headerFont, bodyFont, footerFont;
    int bodyWidth = 0; // characters per body line; 0 prints nothing

    bool prints() const { return !printer.isEmpty() && bodyWidth > 0; }

    // The frame of an entry of the output-device table (-1: an output not configured, which
    // prints nothing). The printer is resolved only for an output that prints; a bad code
    // string or an unknown printer throws PrintError.
    static OutputFrame of(const OutputDeviceTable& outputs, int row, Spooler& spooler);
    // The same of one entry's texts, in the table's column order (an `od` row as it is being
    // set up, before the table is loaded again).
    static OutputFrame of(const db::TextTable::TextRow& entry, Spooler& spooler);
};

// Writes the lines of a paper's body. A line the spooler refuses ends the paper silently.
class Paper {
public:
    virtual ~Paper() = default;
    // Sends the text followed by CR LF.
    virtual void line(const QString& text) = 0;
};

// Prints one paper as one raw document "MyDocument": the begin block, the body that
// `writeBody` writes, the end block. Nothing when the frame does not print. An unknown printer
// throws PrintError; a refused document start or send ends the paper without a message, and
// the result is then false (true when the paper went out whole, or there was none to print).
// The printer is released in every case.
bool printPaper(Spooler& spooler, const OutputFrame& frame,
                const std::function<void(Paper&)>& writeBody);

// Prints the lines as one paper, as printPaper does; a paper the printer did not take whole
// throws PrintError "Printer P did not take <paper>." (`paper` as "the docket"), so that nobody
// takes a docket, check or report for printed when it is not.
void printLinesPaper(Spooler& spooler, const OutputFrame& frame, const QStringList& lines, const QString& paper);

// Sends bytes as one raw document with no frame (the drawer's kick). Same failures as above.
void printRaw(Spooler& spooler, const QString& printer, const QByteArray& first,
              const QByteArray& second);

} // namespace pelora
