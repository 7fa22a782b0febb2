#pragma once

#include "DatabaseInit.h"

#include <QString>
#include <QTextStream>

namespace pelora::dbinit {

// Moves the exception log's entries older than `months` months (by their time stamp, against
// the server's clock) to a CSV file: a header line, then one row per entry in the order they
// were written, texts quoted as the reports' CSV export quotes them. The file is written and
// flushed to the disk before the entries are removed, all in one transaction: when the file
// cannot be written nothing is removed, and when the removal fails the file is taken away again.
// An existing file is never overwritten. Connects as SYSDBA, since the tills' role cannot
// remove entries. Says in `out` how many entries went where; false after writing the reason to
// `err`.
bool archiveLog(const InitOptions& options, int months, const QString& file, QTextStream& out,
                QTextStream& err);

} // namespace pelora::dbinit
