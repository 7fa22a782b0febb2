#pragma once

#include <QTextStream>

namespace pelora {

// `pelora --check`: reads pelora.ini in the current directory, connects the way the till does
// (SYSDBA, then admin1_pelora, role app) and reports what it found. Returns the process exit
// code: 0 connected, 1 no configuration, 2 no connection.
int checkConnection(QTextStream& out);

} // namespace pelora
