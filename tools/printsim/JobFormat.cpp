#include "JobFormat.h"

#include <QRegularExpression>

namespace pelora::printsim {

namespace {

const QString kStampFormat = QStringLiteral("yyyyMMdd-HHmmss");

QString byteName(unsigned char byte) {
    switch (byte) {
    case 0x00: return QStringLiteral("NUL");
    case 0x09: return QStringLiteral("HT");
    case 0x0c: return QStringLiteral("FF");
    case 0x0d: return QStringLiteral("CR");
    case 0x10: return QStringLiteral("DLE");
    case 0x18: return QStringLiteral("CAN");
    case 0x1b: return QStringLiteral("ESC");
    case 0x1c: return QStringLiteral("FS");
    case 0x1d: return QStringLiteral("GS");
    default: return QString::number(byte);
    }
}

} // namespace

QString readableText(const QByteArray& job) {
    QString text;
    text.reserve(job.size() + job.size() / 4);
    const qsizetype n = job.size();
    for (qsizetype i = 0; i < n; ++i) {
        const auto byte = static_cast<unsigned char>(job[i]);
        if (byte == '\r' && i + 1 < n && job[i + 1] == '\n') {
            text += QLatin1Char('\n');
            ++i;
        } else if (byte == '\n') {
            text += QLatin1Char('\n');
        } else if (byte >= 0x20 && byte <= 0x7e) {
            text += QChar(static_cast<char16_t>(byte));
        } else {
            text += QLatin1Char('<') % byteName(byte) % QLatin1Char('>');
        }
    }
    if (!text.isEmpty() && !text.endsWith(QLatin1Char('\n')))
        text += QLatin1Char('\n');
    return text;
}

QString jobFileName(const JobName& job) {
    return job.printer % QLatin1Char('-') % job.received.toString(kStampFormat) %
           QLatin1Char('-') % QString::number(job.number) % QStringLiteral(".prn");
}

std::optional<JobName> parseJobFileName(const QString& fileName) {
    static const QRegularExpression pattern(
        QStringLiteral("^([A-Za-z0-9_-]+)-(\\d{8}-\\d{6})-(\\d+)\\.prn$"));
    const auto m = pattern.match(fileName);
    if (!m.hasMatch())
        return std::nullopt;
    JobName job{m.captured(1), QDateTime::fromString(m.captured(2), kStampFormat), 0};
    bool ok = false;
    job.number = m.captured(3).toInt(&ok);
    if (!job.received.isValid() || !ok)
        return std::nullopt;
    return job;
}

bool isValidPrinterName(const QString& name) {
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z0-9_-]+$"));
    return pattern.match(name).hasMatch();
}

} // namespace pelora::printsim
