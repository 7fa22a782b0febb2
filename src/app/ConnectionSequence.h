#pragma once

#include <QString>

#include <functional>

namespace pelora {

class Prompter;
namespace db {
class Connection;
class DbError;
} // namespace db

// Connects as the till does with one password, always with the role app: as SYSDBA, then as
// admin1_pelora. `refused` hears each refusal. False when both refuse.
bool connectAsTill(db::Connection& db, const QString& databasePath, const QString& password,
                   const std::function<void(const QString& user, const db::DbError&)>& refused = {});

// Connects the till's connection at start-up, always with the role app: as SYSDBA with the
// password of pelora.ini, then as admin1_pelora; when both refuse, the operator may type a
// password, tried the same two ways (for this run only: the file is not changed). False when
// that fails too: the program cannot run. `repaint` is called once the password box closes.
bool connectAtStartUp(db::Connection& db, const QString& databasePath, const QString& iniPassword,
                      Prompter& prompter, const std::function<void()>& repaint);

} // namespace pelora
