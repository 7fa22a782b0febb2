#include "ReadCommands.h"

#include "JobFolder.h"
#include "JobFormat.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace pelora::printsim {

int showJobs(const QStringList& files, QTextStream& out, QTextStream& err) {
    int result = 0;
    for (const QString& path : files) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            err << path << ": " << file.errorString() << '\n';
            result = 1;
            continue;
        }
        const QByteArray job = file.readAll();
        const auto name = parseJobFileName(QFileInfo(path).fileName());
        out << "--- " << path << " (printer " << (name ? name->printer : QStringLiteral("unknown"))
            << ", " << job.size() << " bytes) ---\n"
            << readableText(job);
    }
    out.flush();
    return result;
}

int showLastJob(const QString& dir, const QString& printer, QTextStream& out, QTextStream& err) {
    if (!QFileInfo(dir).isDir()) {
        err << dir << ": no such folder\n";
        return 1;
    }
    const auto jobs = listJobs(dir);
    for (auto it = jobs.crbegin(); it != jobs.crend(); ++it) {
        if (printer.isEmpty() || it->name.printer == printer)
            return showJobs({it->path}, out, err);
    }
    err << "No jobs";
    if (!printer.isEmpty())
        err << " of " << printer;
    err << " in " << dir << ".\n";
    return 1;
}

int listJobsIn(const QString& dir, QTextStream& out, QTextStream& err) {
    if (!QFileInfo(dir).isDir()) {
        err << dir << ": no such folder\n";
        return 1;
    }
    for (const auto& job : listJobs(dir)) {
        out << job.name.printer << ": job " << job.name.number << ", " << job.size << " bytes, "
            << job.name.received.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) << ", " << job.path
            << '\n';
    }
    out.flush();
    return 0;
}

} // namespace pelora::printsim
