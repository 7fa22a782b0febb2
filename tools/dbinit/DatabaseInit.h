#pragma once

#include <QString>
#include <QTextStream>

#include <optional>

namespace pelora::db {
class Connection;
}

namespace pelora::dbinit {

// Creating a new till database: the tables, triggers, generators, procedures, reserved rows,
// the role `app` and its rights, optionally the demo venue, and the server users
// admin1_pelora and admin2_pelora granted the role.
//
// Firebird users belong to the server, not to one database. A user that does not exist yet is
// created with the password given (or a strong one made up and printed once). A user that
// exists already keeps its password: when a password is given for it, it must be the one the
// user has (else nothing is created); only resetPasswords changes an existing user's password.
struct InitOptions {
    QString database;        // "localhost:/abs/dir/pelora.gdb" or a path
    QString sysdbaUser = QStringLiteral("SYSDBA");
    QString sysdbaPassword;  // from ISC_PASSWORD
    std::optional<QString> admin1Password;
    std::optional<QString> admin2Password;
    bool demo = false;
    QString imagePath;       // when set, every terminal's images folder
    bool resetPasswords = false;
    bool forcedWrites = true;
};

// The passwords the demo database documents; used with --demo when none is given.
inline const char* const kDemoAdmin1Password = "pelora-demo1";
inline const char* const kDemoAdmin2Password = "pelora-demo2";

// Creates the database. Progress and made-up passwords go to `out`. On failure returns false
// after writing the reason to `err`; a database it had begun is dropped again.
bool initDatabase(const InitOptions& options, QTextStream& out, QTextStream& err);

// Brings an existing till database up to the present definition: every generator, table,
// column, index, trigger, exception, procedure, role and right of the definition that it lacks
// is added, and a trigger, exception or procedure that differs from the definition is replaced
// (they hold no data). Nothing else is touched: no row is changed, and what is there already
// stays. Says in `out` what it added, or that nothing was missing. Connects as SYSDBA
// (sysdbaUser, sysdbaPassword); a database that is not a till's is refused unchanged.
bool upgradeDatabase(const InitOptions& options, QTextStream& out, QTextStream& err);

// Attaches `db` to the existing till database of `options` as SYSDBA. False after writing the
// reason to `err` when the server refuses or the database is not a till's.
bool attachTillDatabase(db::Connection& db, const InitOptions& options, QTextStream& err);

// A password of 20 letters and digits from the system's secure random source.
QString makePassword();

} // namespace pelora::dbinit
