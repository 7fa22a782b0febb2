#pragma once

#include <QString>
#include <QTextStream>

namespace pelora {

class Spooler;

// `pelora --docket N`: prints the docket of receipt N on the "Docket" output of the terminal of
// pelora.ini in the current directory, exactly as the till prints it after the sale. Reprints
// a docket, and tries a docket printer with a real receipt. Returns the exit code: 0 printed
// (or the terminal has no docket printer: said so), 1 no configuration or no such receipt,
// 2 no connection, 3 the printer failed.
int printDocketCommand(QTextStream& out, const QString& receipt, Spooler& spooler);

} // namespace pelora
