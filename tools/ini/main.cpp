// pelora-ini: writes or shows a till's pelora.ini without opening the till.

#include "app/IniFile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

using pelora::IniFile;
using pelora::IniSettings;

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("pelora-ini"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes the configuration file of a till (pelora.ini in the current directory unless\n"
        "FILE is given): the database password, kept scrambled, the terminal reference\n"
        "PCRef and the database folder DBPath (ending in /, for example\n"
        "localhost:/srv/pelora/data/). With --show, prints PCRef and DBPath of a file."));
    parser.addHelpOption();
    const QCommandLineOption password(QStringLiteral("password"),
                                      QStringLiteral("Database password (of SYSDBA or admin1_pelora)."),
                                      QStringLiteral("password"));
    const QCommandLineOption pcRef(QStringLiteral("pcref"),
                                   QStringLiteral("Terminal reference, at most 20 characters."),
                                   QStringLiteral("ref"));
    const QCommandLineOption dbPath(QStringLiteral("dbpath"),
                                    QStringLiteral("Folder of pelora.gdb, ending in /."),
                                    QStringLiteral("folder"));
    const QCommandLineOption show(QStringLiteral("show"), QStringLiteral("Print PCRef and DBPath."));
    parser.addOptions({password, pcRef, dbPath, show});
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The file (pelora.ini)."));
    parser.process(app);

    QTextStream out(stdout);
    QTextStream err(stderr);
    const QString file = parser.positionalArguments().value(0, QString::fromLatin1(IniFile::kFileName));

    if (parser.isSet(show)) {
        const auto settings = IniFile::read(file);
        if (!settings) {
            err << "Problem reading from pelora.ini file.\n";
            return 1;
        }
        out << "PCRef: " << settings->pcRef << "\nDBPath: " << settings->dbPath << "\n";
        return 0;
    }

    IniSettings settings{parser.value(password), parser.value(pcRef), parser.value(dbPath)};
    if (settings.password.isEmpty()) {
        err << "Password cannot be blank.\n";
        return 2;
    }
    if (settings.pcRef.isEmpty()) {
        err << "PCRef cannot be blank.\n";
        return 2;
    }
    if (settings.pcRef.size() > 20) {
        err << "PCRef: do not exceed 20 characters.\n";
        return 2;
    }
    if (settings.dbPath.isEmpty()) {
        err << "DBPath cannot be blank.\n";
        return 2;
    }
    if (!IniFile::write(settings, file)) {
        err << "Problem writing to pelora.ini file.\n";
        return 1;
    }
    out << "Wrote " << file << ".\n";
    return 0;
}
