#include "app/ConnectionSequence.h"

#include "common/Prompter.h"
#include "db/Connection.h"
#include "db/DbError.h"

namespace pelora {

bool connectAsTill(db::Connection& db, const QString& databasePath, const QString& password,
                   const std::function<void(const QString& user, const db::DbError&)>& refused) {
    for (const char* name : {"SYSDBA", "admin1_pelora"}) {
        const QString user = QString::fromLatin1(name);
        try {
            db.connect({user, password, QStringLiteral("app"), databasePath});
            return true;
        } catch (const db::DbError& failure) {
            if (refused)
                refused(user, failure);
        }
    }
    return false;
}

bool connectAtStartUp(db::Connection& db, const QString& databasePath, const QString& iniPassword,
                      Prompter& prompter, const std::function<void()>& repaint) {
    if (connectAsTill(db, databasePath, iniPassword))
        return true;
    prompter.error(QStringLiteral("INI password invalid. Cannot connect to database."));

    const QString typed = prompter
                              .inputText(QStringLiteral("Try manual password entry"),
                                         QStringLiteral("Enter Password"), QString(),
                                         Prompter::Echo::Password)
                              .value_or(QString());
    if (repaint)
        repaint();
    if (connectAsTill(db, databasePath, typed))
        return true;
    prompter.error(QStringLiteral("Cannot connect to database.") + kLineBreak +
                   QStringLiteral("Confirm that the username and password exist in the database."));
    return false;
}

} // namespace pelora
