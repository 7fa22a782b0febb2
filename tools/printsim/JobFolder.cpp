#include "JobFolder.h"

#include <QDir>

#include <algorithm>

namespace pelora::printsim {

QList<JobFile> listJobs(const QString& dir) {
    QList<JobFile> jobs;
    const QDir folder(dir);
    const auto entries = folder.entryInfoList({QStringLiteral("*.prn")}, QDir::Files);
    for (const auto& entry : entries) {
        if (auto name = parseJobFileName(entry.fileName()))
            jobs.append({folder.filePath(entry.fileName()), *name, entry.size()});
    }
    std::sort(jobs.begin(), jobs.end(), [](const JobFile& a, const JobFile& b) {
        if (a.name.received != b.name.received)
            return a.name.received < b.name.received;
        return a.name.number < b.name.number;
    });
    return jobs;
}

int nextJobNumber(const QString& dir) {
    int highest = 0;
    for (const auto& job : listJobs(dir))
        highest = std::max(highest, job.name.number);
    return highest + 1;
}

} // namespace pelora::printsim
