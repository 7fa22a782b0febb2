#pragma once

#include <QString>

#include <functional>

namespace pelora {

class Prompter;
namespace db {
class Connection;
class DbError;
} // namespace db

using RefusalHandler = std::function<void(const QString& user, const db::DbError&)>;

// The file beside pelora.ini that keeps the database user who last connected with its password
// (the user's name only, never a password).
inline const QString kLastUserFileName = QStringLiteral("pelora.user");

// Connects as the till does with one password, always with the role app: as SYSDBA, then as
// admin1_pelora; `firstUser`, when it is one of them, is tried before the other. `refused`
// hears each refusal. False when both refuse.
bool connectAsTill(db::Connection& db, const QString& databasePath, const QString& password,
                   const RefusalHandler& refused = {}, const QString& firstUser = {});

// Connects with the password of pelora.ini, first as the user who last connected with it (kept
// in `lastUserFile`), then as the other: a till set up with admin1_pelora's password is then
// not refused as SYSDBA at every start, which matters because the server makes every few
// refusals from one address wait seconds. The user who connected is kept for the next start.
bool connectWithIniPassword(db::Connection& db, const QString& databasePath, const QString& password,
                            const QString& lastUserFile, const RefusalHandler& refused = {});

// Connects the till's connection at start-up with the password of pelora.ini (as above); when
// both users refuse, the operator may type a password, tried the same two ways (for this run
// only: neither file is changed). False when that fails too: the program cannot run. `repaint`
// is called once the password box closes.
bool connectAtStartUp(db::Connection& db, const QString& databasePath, const QString& iniPassword,
                      Prompter& prompter, const std::function<void()>& repaint, const QString& lastUserFile,
                      const RefusalHandler& refused = {});

} // namespace pelora
