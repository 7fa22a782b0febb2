#pragma once

#include "JobFormat.h"

#include <QList>
#include <QString>

namespace pelora::printsim {

struct JobFile {
    QString path; // the folder as given, joined with the file name
    JobName name;
    qint64 size = 0;
};

// The jobs kept in a folder, oldest first: by the time in their names, then by their numbers.
// Other files there (a log, say) are left out.
QList<JobFile> listJobs(const QString& dir);

// The number for the next job kept in a folder: one past the highest there, so a restarted
// server never reuses a name.
int nextJobNumber(const QString& dir);

} // namespace pelora::printsim
