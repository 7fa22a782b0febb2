// pelora-printsim: a stand-in for network receipt printers, and a reader of the jobs it keeps.

#include "JobFormat.h"
#include "PrintServer.h"
#include "ReadCommands.h"
#include "common/TerminationSignal.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

using namespace pelora::printsim;

namespace {

const char* const kHelp = R"(Usage: pelora-printsim serve --dir DIR NAME=PORT [NAME=PORT ...]
       pelora-printsim show FILE [FILE ...]
       pelora-printsim last DIR [NAME]
       pelora-printsim list DIR

A stand-in for network receipt printers, for sites without the hardware.

serve  Listens on 127.0.0.1:PORT for each printer NAME (letters, digits, _ and -), as a
       network receipt printer does: a CUPS queue with the device socket://127.0.0.1:PORT
       prints to it. Each connection is one job, read until the sender closes and kept
       unchanged as DIR/NAME-yyyyMMdd-HHmmss-N.prn (N counts on across restarts; DIR is
       created when missing). A line on standard output tells of each job. A connection
       that sends nothing is not kept. Runs until stopped (SIGTERM or Ctrl+C).
show   Prints each job file readably, after a header line with its file, printer and size.
last   Shows the newest job in DIR, or the newest of printer NAME.
list   Lists the jobs in DIR, oldest first.

How a job is shown: printable characters as they are; CR LF, or LF alone, ends a line.
Every other byte is shown in angle brackets: NUL, HT, FF, CR (when no LF follows), DLE,
CAN, ESC, FS and GS by name, any other byte by its decimal value. So the bytes
ESC p 0 25 250 show as <ESC>p<NUL><25><250>, and a byte 0xC4 as <196>.
)";

struct Printer {
    QString name;
    quint16 port = 0;
};

int usageError(QTextStream& err, const QString& message) {
    err << "pelora-printsim: " << message << "\nRun pelora-printsim --help for the usage.\n";
    return 2;
}

int serve(QCoreApplication& app, const QStringList& args, QTextStream& out, QTextStream& err) {
    QString dir;
    QList<Printer> printers;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("--dir")) {
            if (++i == args.size())
                return usageError(err, QStringLiteral("--dir needs a folder"));
            dir = args[i];
        } else if (arg.startsWith(QLatin1String("--dir="))) {
            dir = arg.mid(6);
        } else {
            const QString name = arg.section(QLatin1Char('='), 0, 0);
            bool ok = false;
            const uint port = arg.section(QLatin1Char('='), 1).toUInt(&ok);
            if (!arg.contains(QLatin1Char('=')) || !isValidPrinterName(name) || !ok || port == 0 ||
                port > 65535)
                return usageError(err, QStringLiteral("not a printer NAME=PORT: ") + arg);
            for (const auto& p : printers) {
                if (p.name == name || p.port == port)
                    return usageError(err, QStringLiteral("printer or port given twice: ") + arg);
            }
            printers.append({name, static_cast<quint16>(port)});
        }
    }
    if (dir.isEmpty())
        return usageError(err, QStringLiteral("serve needs --dir DIR"));
    if (printers.isEmpty())
        return usageError(err, QStringLiteral("serve needs at least one NAME=PORT"));
    if (!QDir().mkpath(dir)) {
        err << "pelora-printsim: cannot create the folder " << dir << '\n';
        return 1;
    }

    PrintServer server(dir);
    for (const auto& p : printers) {
        if (!server.listen(p.name, p.port)) {
            err << "pelora-printsim: " << server.errorString() << '\n';
            return 1;
        }
    }
    QObject::connect(&server, &PrintServer::jobKept, &app,
                     [&out](const QString& printer, int number, qint64 size, const QString& path) {
                         out << printer << ": job " << number << ", " << size << " bytes, " << path
                             << Qt::endl;
                     });
    QObject::connect(&server, &PrintServer::jobLost, &app,
                     [&err](const QString& printer, const QString& reason) {
                         err << printer << ": job not kept: " << reason << Qt::endl;
                     });
    const pelora::TerminationSignal quit([] { QCoreApplication::quit(); });

    QStringList listening;
    for (const auto& p : printers)
        listening << p.name + QLatin1Char('=') + QString::number(p.port);
    out << "Listening on 127.0.0.1 for " << listening.join(QStringLiteral(", ")) << "; jobs go to "
        << dir << Qt::endl;
    const int result = QCoreApplication::exec();
    out << "Stopped." << Qt::endl;
    return result;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("pelora-printsim"));
    QTextStream out(stdout);
    QTextStream err(stderr);

    QStringList args = QCoreApplication::arguments().mid(1);
    const QString command = args.isEmpty() ? QString() : args.takeFirst();
    if (command.isEmpty() || command == QLatin1String("--help") || command == QLatin1String("-h") ||
        command == QLatin1String("help")) {
        out << kHelp;
        return command.isEmpty() ? 2 : 0;
    }
    if (command == QLatin1String("serve"))
        return serve(app, args, out, err);
    if (command == QLatin1String("show")) {
        if (args.isEmpty())
            return usageError(err, QStringLiteral("show needs a FILE"));
        return showJobs(args, out, err);
    }
    if (command == QLatin1String("last")) {
        if (args.isEmpty() || args.size() > 2)
            return usageError(err, QStringLiteral("last takes DIR [NAME]"));
        return showLastJob(args[0], args.value(1), out, err);
    }
    if (command == QLatin1String("list")) {
        if (args.size() != 1)
            return usageError(err, QStringLiteral("list takes DIR"));
        return listJobsIn(args[0], out, err);
    }
    return usageError(err, QStringLiteral("unknown command ") + command);
}
