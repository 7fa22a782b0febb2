#include "db/Value.h"

#include <array>
#include <charconv>
#include <cmath>

namespace pelora::db {

namespace {
const QString kStampFormat = QStringLiteral("yyyy-MM-dd hh:mm:ss");
}

QString shortestDecimal(double value) {
    if (!std::isfinite(value))
        return QString::number(value);
    std::array<char, 400> buffer{};
    const auto [end, ec] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
    if (ec != std::errc())
        return QString::number(value, 'g', 17);
    QString text = QString::fromLatin1(buffer.data(), end - buffer.data());
    if (text == u"-0")
        text = QStringLiteral("0");
    return text;
}

QString Value::asText() const {
    switch (kind()) {
    case Kind::Null:
        return {};
    case Kind::Integer:
        return QString::number(std::get<std::int64_t>(v_));
    case Kind::Float:
        return shortestDecimal(std::get<double>(v_));
    case Kind::Text:
        return std::get<QString>(v_);
    case Kind::DateTime:
        return std::get<QDateTime>(v_).toString(kStampFormat);
    case Kind::Date:
        return std::get<QDate>(v_).toString(Qt::ISODate);
    case Kind::Time:
        return std::get<QTime>(v_).toString(QStringLiteral("hh:mm:ss"));
    case Kind::Bytes:
        return QString::fromUtf8(std::get<QByteArray>(v_));
    }
    return {};
}

std::int64_t Value::asInt() const {
    switch (kind()) {
    case Kind::Integer:
        return std::get<std::int64_t>(v_);
    case Kind::Float: {
        const double d = std::get<double>(v_);
        return std::isfinite(d) ? std::llround(d) : 0;
    }
    case Kind::Text: {
        const QString s = std::get<QString>(v_).trimmed();
        bool ok = false;
        const qlonglong n = s.toLongLong(&ok);
        if (ok)
            return n;
        const double d = s.toDouble(&ok);
        return ok && std::isfinite(d) ? std::llround(d) : 0;
    }
    default:
        return 0;
    }
}

double Value::asDouble() const {
    switch (kind()) {
    case Kind::Integer:
        return static_cast<double>(std::get<std::int64_t>(v_));
    case Kind::Float:
        return std::get<double>(v_);
    case Kind::Text: {
        bool ok = false;
        const double d = std::get<QString>(v_).trimmed().toDouble(&ok);
        return ok ? d : 0.0;
    }
    default:
        return 0.0;
    }
}

QDateTime Value::asDateTime() const {
    switch (kind()) {
    case Kind::DateTime:
        return std::get<QDateTime>(v_);
    case Kind::Date:
        return QDateTime(std::get<QDate>(v_), QTime(0, 0));
    case Kind::Text:
        return QDateTime::fromString(std::get<QString>(v_), kStampFormat);
    default:
        return {};
    }
}

QDate Value::asDate() const {
    if (kind() == Kind::Date)
        return std::get<QDate>(v_);
    return asDateTime().date();
}

QByteArray Value::asBytes() const {
    if (kind() == Kind::Bytes)
        return std::get<QByteArray>(v_);
    return asText().toUtf8();
}

} // namespace pelora::db
