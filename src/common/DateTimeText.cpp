#include "common/DateTimeText.h"

namespace pelora {

namespace {
const QString kLiteralFormat = QStringLiteral("M/d/yyyy H:m:s");
}

QString dateTimeLiteral(const QDateTime& when) { return when.toString(kLiteralFormat); }

QDateTime parseDateTimeLiteral(const QString& text) {
    return QDateTime::fromString(text.trimmed(), kLiteralFormat);
}

} // namespace pelora
