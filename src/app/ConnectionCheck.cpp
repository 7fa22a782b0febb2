#include "app/ConnectionCheck.h"

#include "app/ConnectionSequence.h"
#include "app/IniFile.h"
#include "db/DbError.h"
#include "db/Query.h"
#include "db/ServerClock.h"

namespace pelora {

std::optional<IniSettings> connectFromIni(QTextStream& out, db::Connection& db, int& exitCode,
                                          bool sayRefusals) {
    std::optional<IniSettings> ini = IniFile::read();
    if (!ini) {
        out << "Problem reading from pelora.ini file.\n";
        exitCode = 1;
        return std::nullopt;
    }
    QString refusals;
    const auto refused = [&](const QString& user, const db::DbError& e) {
        refusals += QStringLiteral("Connecting as %1 failed: %2 (%3)\n").arg(user, e.text()).arg(e.code());
    };
    const bool connected =
        connectWithIniPassword(db, IniFile::databasePath(ini->dbPath), ini->password, kLastUserFileName, refused);
    if (sayRefusals || !connected)
        out << refusals;
    if (!connected) {
        out << "Cannot connect to database.\n";
        exitCode = 2;
        return std::nullopt;
    }
    return ini;
}

int checkConnection(QTextStream& out) {
    db::Connection db;
    int exitCode = 0;
    const std::optional<IniSettings> ini = connectFromIni(out, db, exitCode, true);
    if (!ini)
        return exitCode;
    const QString path = IniFile::databasePath(ini->dbPath);
    try {
        db::Query q(db);
        q.setSql(QStringLiteral(
            "SELECT CURRENT_ROLE AS role_name, (SELECT COUNT(*) FROM item WHERE id > 1) AS items,"
            " (SELECT COUNT(*) FROM tab WHERE id > 2) AS tabs,"
            " (SELECT COUNT(*) FROM pc WHERE ref = ?) AS terminal FROM rdb$database"));
        q.open({ini->pcRef});
        out << "Connected to " << path << " as " << db.params().user << " (role "
            << q.value(u"role_name").asText() << ").\n"
            << "Terminal " << ini->pcRef
            << (q.value(u"terminal").asInt() > 0 ? "" : " (not in pc: runs as terminal 1)")
            << "; " << q.value(u"items").asInt() << " items, " << q.value(u"tabs").asInt()
            << " tabs; server time " << db::DatabaseClock(db).now().toString(Qt::ISODate)
            << ".\n";
    } catch (const db::DbError& e) {
        out << "Connected, but the database does not answer as a till database: " << e.text()
            << "\n";
        return 2;
    }
    return 0;
}

} // namespace pelora
