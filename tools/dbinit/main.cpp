#include "DatabaseInit.h"
#include "LogArchive.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

using namespace pelora::dbinit;

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("pelora-dbinit"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Creates a new Pelora database on a Firebird server.\n\n"
        "DATABASE is a Firebird path such as localhost:/srv/pelora/data/pelora.gdb. The SYSDBA\n"
        "password comes from ISC_PASSWORD (and the user from ISC_USER, SYSDBA when unset), as\n"
        "for Firebird's own tools. An existing database is never overwritten.\n\n"
        "The server users admin1_pelora and admin2_pelora are granted the role app. A user that\n"
        "does not exist yet is created with the password given, or with a strong one made up\n"
        "and printed once. A user that exists already (users belong to the server, not to one\n"
        "database) keeps its password: a password given for it must be its present one, and\n"
        "only --reset-passwords changes it.\n\n"
        "With --upgrade it brings an existing database up to the present definition instead,\n"
        "adding what is missing and touching nothing else. With --archive-log it moves the\n"
        "exception log's entries older than MONTHS months to a CSV file and removes them."));
    parser.addHelpOption();
    const QCommandLineOption demo(QStringLiteral("demo"),
                                  QStringLiteral("Add the demo venue; without password options the "
                                                 "users get the demo passwords "
                                                 "pelora-demo1 and pelora-demo2."));
    const QCommandLineOption admin1(QStringLiteral("admin1-password"),
                                    QStringLiteral("Password of admin1_pelora."),
                                    QStringLiteral("password"));
    const QCommandLineOption admin2(QStringLiteral("admin2-password"),
                                    QStringLiteral("Password of admin2_pelora."),
                                    QStringLiteral("password"));
    const QCommandLineOption reset(QStringLiteral("reset-passwords"),
                                   QStringLiteral("Set the passwords of users that exist already."));
    const QCommandLineOption images(QStringLiteral("image-path"),
                                    QStringLiteral("Pictures folder of every terminal (ends in /)."),
                                    QStringLiteral("folder"));
    const QCommandLineOption noSync(
        QStringLiteral("no-forced-writes"),
        QStringLiteral("Do not wait for the disk on each commit: for throw-away test databases only."));
    const QCommandLineOption upgrade(
        QStringLiteral("upgrade"),
        QStringLiteral("Add to an existing database what the present definition has and it lacks."));
    const QCommandLineOption archive(
        QStringLiteral("archive-log"),
        QStringLiteral("Archive the exception log's entries older than MONTHS months (with --to)."),
        QStringLiteral("MONTHS"));
    const QCommandLineOption archiveFile(QStringLiteral("to"),
                                         QStringLiteral("The CSV file the archived entries go to."),
                                         QStringLiteral("FILE"));
    parser.addOptions({demo, admin1, admin2, reset, images, noSync, upgrade, archive, archiveFile});
    parser.addPositionalArgument(QStringLiteral("DATABASE"),
                                 QStringLiteral("The database to create, upgrade or archive."));
    parser.process(app);

    QTextStream out(stdout);
    QTextStream err(stderr);
    if (parser.positionalArguments().size() != 1) {
        err << "Give the one DATABASE (see --help).\n";
        return 2;
    }
    if (parser.isSet(upgrade) && parser.isSet(archive)) {
        err << "Give --upgrade or --archive-log, not both.\n";
        return 2;
    }
    if (parser.isSet(archive) != parser.isSet(archiveFile)) {
        err << "--archive-log MONTHS goes with --to FILE (see --help).\n";
        return 2;
    }
    bool wholeMonths = false;
    const int months = parser.value(archive).toInt(&wholeMonths);
    if (parser.isSet(archive) && (!wholeMonths || months < 1)) {
        err << "MONTHS is a whole number of months, 1 or more.\n";
        return 2;
    }

    InitOptions options;
    options.database = parser.positionalArguments().constFirst();
    const QString user = qEnvironmentVariable("ISC_USER");
    if (!user.isEmpty())
        options.sysdbaUser = user;
    options.sysdbaPassword = qEnvironmentVariable("ISC_PASSWORD");
    if (parser.isSet(admin1))
        options.admin1Password = parser.value(admin1);
    if (parser.isSet(admin2))
        options.admin2Password = parser.value(admin2);
    options.demo = parser.isSet(demo);
    options.resetPasswords = parser.isSet(reset);
    options.imagePath = parser.value(images);
    options.forcedWrites = !parser.isSet(noSync);
    if (parser.isSet(upgrade))
        return upgradeDatabase(options, out, err) ? 0 : 1;
    if (parser.isSet(archive))
        return archiveLog(options, months, parser.value(archiveFile), out, err) ? 0 : 1;
    return initDatabase(options, out, err) ? 0 : 1;
}
