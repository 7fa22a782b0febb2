#pragma once

#include <QString>

namespace pelora::db {

// The LIKE pattern of "contains, in any letter case": "%TEXT%" upper-cased, with the wildcards
// and the escape character itself escaped by "\" so that the text is matched as it stands. Use
// it as `UPPER(column) LIKE ? ESCAPE '\'`.
QString containingPattern(const QString& text);

} // namespace pelora::db
