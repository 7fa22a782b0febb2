#include "app/ConnectionSequence.h"

#include "common/Prompter.h"
#include "db/Connection.h"
#include "db/DbError.h"

namespace pelora {

namespace {

bool tryConnect(db::Connection& db, const QString& user, const QString& password,
                const QString& path) {
    try {
        db.connect({user, password, QStringLiteral("app"), path});
        return true;
    } catch (const db::DbError&) {
        return false;
    }
}

bool tryBothUsers(db::Connection& db, const QString& password, const QString& path) {
    return tryConnect(db, QStringLiteral("SYSDBA"), password, path) ||
           tryConnect(db, QStringLiteral("admin1_pelora"), password, path);
}

} // namespace

bool connectAtStartUp(db::Connection& db, const QString& databasePath, const QString& iniPassword,
                      Prompter& prompter, const std::function<void()>& repaint) {
    if (tryBothUsers(db, iniPassword, databasePath))
        return true;
    prompter.error(QStringLiteral("INI password invalid. Cannot connect to database."));

    const QString typed = prompter
                              .inputText(QStringLiteral("Try manual password entry"),
                                         QStringLiteral("Enter Password"), QString(),
                                         Prompter::Echo::Password)
                              .value_or(QString());
    if (repaint)
        repaint();
    if (tryBothUsers(db, typed, databasePath))
        return true;
    prompter.error(QStringLiteral("Cannot connect to database.") + kLineBreak +
                   QStringLiteral("Confirm that the username and password exist in the database."));
    return false;
}

} // namespace pelora
