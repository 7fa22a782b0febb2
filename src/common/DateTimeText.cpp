#include "common/DateTimeText.h"

#include <QLocale>

namespace pelora {

namespace {
const QString kLiteralFormat = QStringLiteral("M/d/yyyy H:m:s");
}

QString dateTimeLiteral(const QDateTime& when) { return when.toString(kLiteralFormat); }

QDateTime parseDateTimeLiteral(const QString& text) {
    return QDateTime::fromString(text.trimmed(), kLiteralFormat);
}

QString dateTimeDisplay(const QDateTime& when) {
    return QLocale::system().toString(when.date(), QLocale::ShortFormat) + u' ' + timeDisplay(when);
}

QString timeDisplay(const QDateTime& when) { return when.time().toString(QStringLiteral("HH:mm:ss")); }

} // namespace pelora
