#include "db/LikePattern.h"

namespace pelora::db {

QString containingPattern(const QString& text) {
    QString escaped;
    for (const QChar c : text.toUpper()) {
        if (c == u'%' || c == u'_' || c == u'\\')
            escaped += u'\\';
        escaped += c;
    }
    return u'%' + escaped + u'%';
}

} // namespace pelora::db
