#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

namespace pelora::printsim {

// The commands that read kept jobs. Each returns the process exit code.

// Each file with a header line (file, printer, size), then its readable text.
int showJobs(const QStringList& files, QTextStream& out, QTextStream& err);

// The newest job in the folder, of the printer when one is named.
int showLastJob(const QString& dir, const QString& printer, QTextStream& out, QTextStream& err);

// One line per job in the folder, oldest first.
int listJobsIn(const QString& dir, QTextStream& out, QTextStream& err);

} // namespace pelora::printsim
