#include "DatabaseInit.h"

#include "SqlScript.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "db/Query.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

namespace pelora::dbinit {

namespace {

const QStringList kSchemaScripts = {
    QStringLiteral(":/db/schema/10-generators.sql"),   QStringLiteral(":/db/schema/20-tables.sql"),
    QStringLiteral(":/db/schema/30-triggers.sql"),     QStringLiteral(":/db/schema/40-procedures.sql"),
    QStringLiteral(":/db/schema/50-reserved-rows.sql"), QStringLiteral(":/db/schema/60-security.sql"),
};
const QString kDemoScript = QStringLiteral(":/db/demo/demo.sql");

struct Failure {
    QString text;
};

QString readResource(const QString& name) {
    QFile f(name);
    if (!f.open(QIODevice::ReadOnly))
        throw Failure{QStringLiteral("The database definition %1 is missing from this build.").arg(name)};
    return QString::fromUtf8(f.readAll());
}

void runScript(db::Connection& db, const QString& resource) {
    for (const QString& statement : splitSqlScript(readResource(resource))) {
        if (isCommitStatement(statement))
            continue;
        try {
            db.executeDirect(statement);
        } catch (const db::DbError& e) {
            throw Failure{QStringLiteral("%1 failed at:\n%2\n%3")
                              .arg(QFileInfo(resource).fileName(), statement.left(200), e.text())};
        }
    }
}

// A string literal for statements that take no parameters (user passwords).
QString literal(const QString& text) {
    QString q = text;
    q.replace(QLatin1Char('\''), QStringLiteral("''"));
    return u'\'' + q + u'\'';
}

// Every generator after the demo rows: past the highest id its table holds. GEN_ID moves a
// generator alike on every server version (RESTART WITH counts differently from Firebird 4).
void advanceGenerators(db::Connection& db) {
    db::Query gens(db);
    gens.setSql(QStringLiteral(
        "SELECT TRIM(rdb$generator_name) AS name FROM rdb$generators "
        "WHERE COALESCE(rdb$system_flag, 0) = 0 AND TRIM(rdb$generator_name) LIKE '%ID\\_GEN' ESCAPE '\\'"));
    gens.open();
    QStringList names;
    for (gens.first(); !gens.eof(); gens.next())
        names << gens.value(u"name").asText();
    for (const QString& gen : names) {
        const QString table = gen.chopped(6); // without "ID_GEN"
        db::Query q(db);
        q.setSql(QStringLiteral("SELECT COALESCE(MAX(id), 0) AS top, GEN_ID(%1, 0) AS now FROM %2")
                     .arg(gen, table));
        q.open();
        const auto top = q.value(u"top").asInt();
        const auto now = q.value(u"now").asInt();
        if (top > now) {
            q.setSql(QStringLiteral("SELECT GEN_ID(%1, CAST(? AS BIGINT)) AS now FROM rdb$database").arg(gen));
            q.open({top - now});
        }
    }
}

bool userExists(db::Connection& db, const QString& user) {
    db::Query q(db);
    q.setSql(QStringLiteral("SELECT COUNT(*) AS n FROM sec$users WHERE sec$user_name = ?"));
    q.open({user.toUpper()});
    return q.value(u"n").asInt() > 0;
}

bool passwordWorks(const InitOptions& options, const QString& user, const QString& password) {
    db::Connection probe;
    try {
        probe.connect({user, password, QStringLiteral("app"), options.database});
        return true;
    } catch (const db::DbError&) {
        return false;
    }
}

void setUpUser(db::Connection& db, const InitOptions& options, const QString& user,
               const std::optional<QString>& given, QTextStream& out) {
    const bool exists = userExists(db, user);
    if (exists && !options.resetPasswords) {
        if (given && !passwordWorks(options, user, *given))
            throw Failure{QStringLiteral(
                              "%1 already exists on this server with another password. Give its "
                              "present password, or add --reset-passwords to change it.")
                              .arg(user)};
        if (!given)
            out << user << " already exists on this server: its password is left as it is.\n";
    } else {
        const QString password = given ? *given : makePassword();
        db.executeDirect(QStringLiteral("%1 USER %2 PASSWORD %3")
                             .arg(exists ? QStringLiteral("ALTER") : QStringLiteral("CREATE"), user,
                                  literal(password)));
        if (!given)
            out << "Password of " << user << ": " << password
                << "   (shown only now: keep it safe)\n";
        else if (exists)
            out << "The password of " << user << " has been changed.\n";
    }
    db.executeDirect(QStringLiteral("GRANT app TO USER %1").arg(user));
}

// A database left half made would be taken for a good one: it goes again.
void dropQuietly(db::Connection& db) noexcept {
    try {
        db.dropDatabase();
    } catch (const db::DbError&) {
        db.disconnect();
    }
}

} // namespace

QString makePassword() {
    static const QString alphabet =
        QStringLiteral("ABCDEFGHJKLMNPQRSTUVWXYZabcdefghijkmnopqrstuvwxyz23456789");
    QString password;
    for (int i = 0; i < 20; ++i)
        password += alphabet[QRandomGenerator::system()->bounded(alphabet.size())];
    return password;
}

bool initDatabase(const InitOptions& options, QTextStream& out, QTextStream& err) {
    if (options.sysdbaPassword.isEmpty()) {
        err << "The SYSDBA password of the server is not set: put it in ISC_PASSWORD.\n";
        return false;
    }
    const QString file = db::localDatabaseFile(options.database);
    if (!file.isEmpty() && QFileInfo::exists(file)) {
        err << options.database << " already exists: pelora-dbinit never overwrites a database.\n";
        return false;
    }

    db::Connection db;
    try {
        db.createDatabase({options.sysdbaUser, options.sysdbaPassword, {}, options.database},
                          {.forcedWrites = options.forcedWrites});
    } catch (const db::DbError& e) {
        err << "Cannot create " << options.database << ": " << e.text() << "\n";
        return false;
    }

    try {
        for (const QString& script : kSchemaScripts)
            runScript(db, script);
        if (options.demo) {
            runScript(db, kDemoScript);
            advanceGenerators(db);
        }
        if (!options.imagePath.isEmpty())
            db.run(QStringLiteral("UPDATE pc SET imagepath = ?"), {options.imagePath});
        const auto demoDefault = [&](const char* password) -> std::optional<QString> {
            return options.demo ? std::optional<QString>(QString::fromLatin1(password))
                                : std::nullopt;
        };
        setUpUser(db, options, QStringLiteral("admin1_pelora"),
                  options.admin1Password ? options.admin1Password : demoDefault(kDemoAdmin1Password),
                  out);
        setUpUser(db, options, QStringLiteral("admin2_pelora"),
                  options.admin2Password ? options.admin2Password : demoDefault(kDemoAdmin2Password),
                  out);
    } catch (const Failure& f) {
        err << f.text << "\n";
        dropQuietly(db);
        return false;
    } catch (const db::DbError& e) {
        err << e.text() << "\n";
        dropQuietly(db);
        return false;
    }
    db.disconnect();
    out << "Created " << options.database << (options.demo ? " with the demo venue" : "") << ".\n";
    return true;
}

} // namespace pelora::dbinit
