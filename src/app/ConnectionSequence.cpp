#include "app/ConnectionSequence.h"

#include "common/Prompter.h"
#include "db/Connection.h"
#include "db/DbError.h"

#include <QFile>
#include <QSaveFile>

namespace pelora {

namespace {

const QString kSysdba = QStringLiteral("SYSDBA");
const QString kAdmin1 = QStringLiteral("admin1_pelora");

QString readLastUser(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readLine(64)).trimmed();
}

// A file that cannot be written only costs the next start its shortcut.
void keepLastUser(const QString& path, const QString& user) {
    if (readLastUser(path) == user)
        return;
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(user.toUtf8() + "\r\n");
        file.commit();
    }
}

} // namespace

bool connectAsTill(db::Connection& db, const QString& databasePath, const QString& password,
                   const RefusalHandler& refused, const QString& firstUser) {
    const bool admin1First = firstUser.compare(kAdmin1, Qt::CaseInsensitive) == 0;
    for (const QString& user : admin1First ? QStringList{kAdmin1, kSysdba} : QStringList{kSysdba, kAdmin1}) {
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

bool connectWithIniPassword(db::Connection& db, const QString& databasePath, const QString& password,
                            const QString& lastUserFile, const RefusalHandler& refused) {
    if (!connectAsTill(db, databasePath, password, refused, readLastUser(lastUserFile)))
        return false;
    keepLastUser(lastUserFile, db.params().user);
    return true;
}

bool connectAtStartUp(db::Connection& db, const QString& databasePath, const QString& iniPassword,
                      Prompter& prompter, const std::function<void()>& repaint, const QString& lastUserFile,
                      const RefusalHandler& refused) {
    if (connectWithIniPassword(db, databasePath, iniPassword, lastUserFile, refused))
        return true;
    prompter.error(QStringLiteral("INI password invalid. Cannot connect to database."));

    const QString typed = prompter
                              .inputText(QStringLiteral("Try manual password entry"),
                                         QStringLiteral("Enter Password"), QString(),
                                         Prompter::Echo::Password)
                              .value_or(QString());
    if (repaint)
        repaint();
    if (connectAsTill(db, databasePath, typed, refused))
        return true;
    prompter.error(QStringLiteral("Cannot connect to database.") + kLineBreak +
                   QStringLiteral("Confirm that the username and password exist in the database."));
    return false;
}

} // namespace pelora
