#pragma once

#include "app/IniFile.h"

#include <QTextStream>

#include <optional>

namespace pelora {

namespace db {
class Connection;
}

// The start of every command-line service of the till: reads pelora.ini in the current
// directory and connects the way the till does, saying on `out` what went wrong (each refused
// user too, when `sayRefusals`; else only when no user got in). No settings when it failed;
// `exitCode` is then 1 (no configuration) or 2 (no connection).
std::optional<IniSettings> connectFromIni(QTextStream& out, db::Connection& db, int& exitCode,
                                          bool sayRefusals);

// `pelora --check`: reads pelora.ini in the current directory, connects the way the till does
// (SYSDBA, then admin1_pelora, role app) and reports what it found. Returns the process exit
// code: 0 connected, 1 no configuration, 2 no connection.
int checkConnection(QTextStream& out);

} // namespace pelora
