#include "DatabaseInit.h"

#include "SqlScript.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "db/Query.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <map>
#include <set>

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

// ---- Upgrading an existing database

// The upgrade walks the definition's scripts; the reserved rows are the venue's to keep.
const QStringList kUpgradeScripts = {
    QStringLiteral(":/db/schema/10-generators.sql"), QStringLiteral(":/db/schema/20-tables.sql"),
    QStringLiteral(":/db/schema/30-triggers.sql"),   QStringLiteral(":/db/schema/40-procedures.sql"),
    QStringLiteral(":/db/schema/60-security.sql"),
};

// Tables every till database has had from the start.
const QStringList kTillTables = {QStringLiteral("MASTER"), QStringLiteral("PC"),
                                 QStringLiteral("STAFF"),  QStringLiteral("ITEM"),
                                 QStringLiteral("TAB"),    QStringLiteral("TABLINE1")};

QRegularExpression statementPattern(const char* pattern) {
    return QRegularExpression(QString::fromLatin1(pattern),
                              QRegularExpression::CaseInsensitiveOption |
                                  QRegularExpression::DotMatchesEverythingOption);
}

// The catalogue's row for an object: its source or message ("" when it has none), or nothing
// when the database lacks the object.
std::optional<QString> catalogued(db::Connection& db, const char* table, const char* nameColumn,
                                  const char* textColumn, const QString& name) {
    const auto r = db.run(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?")
                              .arg(QLatin1String(textColumn), QLatin1String(table),
                                   QLatin1String(nameColumn)),
                          {name.toUpper()});
    if (r.rows.empty())
        return std::nullopt;
    return r.rows.front().front().asText();
}

// Whether the statement that creates a routine ends in the body the database holds.
bool sameBody(const QString& statement, const QString& stored) {
    const QString body = stored.simplified();
    return !body.isEmpty() && statement.simplified().endsWith(body);
}

// The column definitions of a CREATE TABLE body, without its keys and checks.
QStringList columnDefinitions(const QString& body) {
    QString text = body;
    text.remove(QRegularExpression(QStringLiteral("--[^\n]*")));
    QStringList columns;
    int depth = 0;
    QString current;
    const auto finish = [&] {
        const QString definition = current.simplified();
        current.clear();
        static const QRegularExpression constraint(
            QStringLiteral("^(PRIMARY|UNIQUE|FOREIGN|CHECK|CONSTRAINT)\\b"),
            QRegularExpression::CaseInsensitiveOption);
        if (!definition.isEmpty() && !constraint.match(definition).hasMatch())
            columns << definition;
    };
    for (const QChar c : text) {
        if (c == u'(')
            ++depth;
        else if (c == u')')
            --depth;
        if (c == u',' && depth == 0)
            finish();
        else
            current += c;
    }
    finish();
    return columns;
}

// Every right granted in the database, one text each.
std::set<QString> grantedRights(db::Connection& db) {
    const auto r = db.run(QStringLiteral(
        "SELECT TRIM(rdb$relation_name), rdb$privilege, TRIM(rdb$user), rdb$user_type, "
        "TRIM(COALESCE(rdb$field_name, '')) FROM rdb$user_privileges"));
    std::set<QString> rights;
    for (const db::Row& row : r.rows)
        rights.insert(QStringLiteral("%1|%2|%3|%4|%5")
                          .arg(row[0].asText(), row[1].asText().trimmed(), row[2].asText(),
                               row[3].asText(), row[4].asText()));
    return rights;
}

// "Granted INSERT, SELECT on EVENTLOG to APP, 69 procedures." for each object with new rights.
QStringList describeRights(const std::set<QString>& added) {
    static const std::map<QString, QString> words = {
        {QStringLiteral("S"), QStringLiteral("SELECT")},  {QStringLiteral("I"), QStringLiteral("INSERT")},
        {QStringLiteral("U"), QStringLiteral("UPDATE")},  {QStringLiteral("D"), QStringLiteral("DELETE")},
        {QStringLiteral("R"), QStringLiteral("REFERENCES")}, {QStringLiteral("X"), QStringLiteral("EXECUTE")},
        {QStringLiteral("G"), QStringLiteral("USAGE")},   {QStringLiteral("M"), QStringLiteral("membership")}};
    constexpr int kProcedure = 5; // rdb$user_type of a procedure
    std::map<QString, std::pair<QStringList, std::set<QString>>> byObject; // rights, grantees
    std::map<QString, std::set<QString>> procedures;
    for (const QString& right : added) {
        const QStringList f = right.split(u'|');
        auto& [rights, grantees] = byObject[f[0]];
        const QString word = words.count(f[1]) ? words.at(f[1]) : f[1];
        if (!rights.contains(word))
            rights << word;
        if (f[3].toInt() == kProcedure)
            procedures[f[0]].insert(f[2]);
        else
            grantees.insert(f[2]);
    }
    QStringList lines;
    for (const auto& [object, entry] : byObject) {
        QStringList to(entry.second.begin(), entry.second.end());
        if (procedures.count(object))
            to << QStringLiteral("%1 procedures").arg(procedures[object].size());
        lines << QStringLiteral("Granted %1 on %2 to %3.")
                     .arg(entry.first.join(QStringLiteral(", ")), object, to.join(QStringLiteral(", ")));
    }
    return lines;
}

// Brings in what one statement of the definition defines, when the database lacks it or holds
// another version of a routine. Returns what was done, one line each.
QStringList upgradeStatement(db::Connection& db, const QString& statement) {
    // Objects that are only ever added: the pattern of their statement, where the catalogue
    // keeps their names, and what the upgrade calls them.
    struct Simple {
        QRegularExpression pattern;
        const char* catalogue;
        const char* nameColumn;
        const char* noun;
    };
    static const Simple simple[] = {
        {statementPattern("^CREATE\\s+(?:SEQUENCE|GENERATOR)\\s+(\\w+)"), "rdb$generators",
         "rdb$generator_name", "generator"},
        {statementPattern("^CREATE\\s+(?:UNIQUE\\s+)?(?:ASC\\w*\\s+|DESC\\w*\\s+)?INDEX\\s+(\\w+)"),
         "rdb$indices", "rdb$index_name", "index"},
        {statementPattern("^CREATE\\s+ROLE\\s+(\\w+)$"), "rdb$roles", "rdb$role_name", "role"},
    };
    static const QRegularExpression table = statementPattern("^CREATE\\s+TABLE\\s+(\\w+)\\s*\\((.*)\\)$");
    static const QRegularExpression routine = statementPattern("^CREATE\\s+(TRIGGER|PROCEDURE)\\s+(\\w+)");
    static const QRegularExpression exception = statementPattern("^CREATE\\s+EXCEPTION\\s+(\\w+)\\s+'(.*)'$");
    static const QRegularExpression block = statementPattern("^EXECUTE\\s+BLOCK\\b");

    QRegularExpressionMatch m;
    for (const Simple& kind : simple) {
        if (!(m = kind.pattern.match(statement)).hasMatch())
            continue;
        if (catalogued(db, kind.catalogue, kind.nameColumn, kind.nameColumn, m.captured(1)))
            return {};
        db.executeDirect(statement);
        return {QStringLiteral("Added the %1 %2.").arg(QLatin1String(kind.noun), m.captured(1))};
    }
    if ((m = table.match(statement)).hasMatch()) {
        const QString name = m.captured(1);
        if (!catalogued(db, "rdb$relations", "rdb$relation_name", "rdb$relation_name", name)) {
            db.executeDirect(statement);
            return {QStringLiteral("Added the table %1.").arg(name)};
        }
        QStringList done;
        for (const QString& column : columnDefinitions(m.captured(2))) {
            const QString columnName = column.section(u' ', 0, 0);
            const auto present = db.run(
                QStringLiteral("SELECT 1 FROM rdb$relation_fields WHERE rdb$relation_name = ? "
                               "AND rdb$field_name = ?"),
                {name.toUpper(), columnName.toUpper()});
            if (!present.rows.empty())
                continue;
            db.executeDirect(QStringLiteral("ALTER TABLE %1 ADD %2").arg(name, column));
            done << QStringLiteral("Added the column %1.%2.").arg(name, columnName);
        }
        return done;
    }
    if ((m = routine.match(statement)).hasMatch()) {
        const bool trigger = m.captured(1).compare(u"TRIGGER", Qt::CaseInsensitive) == 0;
        const QString kind = trigger ? QStringLiteral("trigger") : QStringLiteral("procedure");
        const auto stored = trigger ? catalogued(db, "rdb$triggers", "rdb$trigger_name",
                                                 "rdb$trigger_source", m.captured(2))
                                    : catalogued(db, "rdb$procedures", "rdb$procedure_name",
                                                 "rdb$procedure_source", m.captured(2));
        if (!stored) {
            db.executeDirect(statement);
            return {QStringLiteral("Added the %1 %2.").arg(kind, m.captured(2))};
        }
        if (sameBody(statement, *stored))
            return {};
        db.executeDirect(QStringLiteral("CREATE OR ALTER") + statement.mid(QStringLiteral("CREATE").size()));
        return {QStringLiteral("Replaced the %1 %2 with its present version.").arg(kind, m.captured(2))};
    }
    if ((m = exception.match(statement)).hasMatch()) {
        const auto message = catalogued(db, "rdb$exceptions", "rdb$exception_name", "rdb$message",
                                        m.captured(1));
        const QString wanted = m.captured(2).replace(QStringLiteral("''"), QStringLiteral("'"));
        if (message && *message == wanted)
            return {};
        db.executeDirect(message ? QStringLiteral("CREATE OR ALTER") + statement.mid(QStringLiteral("CREATE").size())
                                 : statement);
        return {QStringLiteral("%1 the exception %2.")
                    .arg(message ? QStringLiteral("Replaced") : QStringLiteral("Added"), m.captured(1))};
    }
    if (block.match(statement).hasMatch()) {
        // The rights: granting again what is granted changes nothing, so the block runs as it
        // stands and the catalogue tells what it added.
        const std::set<QString> before = grantedRights(db);
        db.executeDirect(statement);
        std::set<QString> added;
        for (const QString& right : grantedRights(db))
            if (!before.count(right))
                added.insert(right);
        return describeRights(added);
    }
    throw Failure{QStringLiteral("The upgrade cannot bring in this part of the database "
                                 "definition:\n%1").arg(statement.left(200))};
}

} // namespace

bool attachTillDatabase(db::Connection& db, const InitOptions& options, QTextStream& err) {
    if (options.sysdbaPassword.isEmpty()) {
        err << "The SYSDBA password of the server is not set: put it in ISC_PASSWORD.\n";
        return false;
    }
    try {
        db.connect({options.sysdbaUser, options.sysdbaPassword, {}, options.database});
        const auto r = db.run(QStringLiteral("SELECT COUNT(*) FROM rdb$relations WHERE "
                                             "rdb$relation_name IN (%1)")
                                  .arg(QStringLiteral("'%1'").arg(kTillTables.join(QStringLiteral("', '")))));
        if (r.rows.at(0).at(0).asInt() == kTillTables.size())
            return true;
        err << options.database << " is not a Pelora database: nothing was changed.\n";
    } catch (const db::DbError& e) {
        err << "Cannot open " << options.database << ": " << e.text() << "\n";
    }
    db.disconnect();
    return false;
}

bool upgradeDatabase(const InitOptions& options, QTextStream& out, QTextStream& err) {
    db::Connection db;
    if (!attachTillDatabase(db, options, err))
        return false;
    QStringList done;
    try {
        for (const QString& script : kUpgradeScripts)
            for (const QString& statement : splitSqlScript(readResource(script))) {
                if (isCommitStatement(statement))
                    continue;
                try {
                    done << upgradeStatement(db, statement);
                } catch (const db::DbError& e) {
                    throw Failure{QStringLiteral("%1 failed at:\n%2\n%3")
                                      .arg(QFileInfo(script).fileName(), statement.left(200), e.text())};
                }
            }
    } catch (const Failure& f) {
        for (const QString& line : done)
            out << line << "\n";
        err << f.text << "\nWhat is listed above was added; running the upgrade again carries on "
                         "from there.\n";
        return false;
    }
    for (const QString& line : done)
        out << line << "\n";
    if (done.isEmpty())
        out << options.database << " is up to date: nothing was changed.\n";
    else
        out << "Upgraded " << options.database << ".\n";
    return true;
}

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
