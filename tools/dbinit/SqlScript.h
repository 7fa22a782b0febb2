#pragma once

#include <QString>
#include <QStringList>

namespace pelora::dbinit {

// Splits a script as isql reads it into single statements: statements end at the terminator
// (";" until a "SET TERM" changes it), which does not count inside quotes or comments. The
// SET TERM lines themselves are not returned; comments before a statement are dropped.
QStringList splitSqlScript(const QString& script);

// True for COMMIT [WORK]: a script's commit points. Statements are committed one by one, so
// there is nothing left for them to do.
bool isCommitStatement(const QString& statement);

} // namespace pelora::dbinit
