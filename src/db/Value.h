#pragma once

#include "common/Money.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

#include <concepts>
#include <cstdint>
#include <variant>

namespace pelora::db {

// One column value or statement parameter. Reads never fail: a null reads as an empty text or
// 0, and a value of another kind is converted the way the till's screens expect.
class Value {
public:
    enum class Kind { Null, Integer, Float, Text, DateTime, Date, Time, Bytes };

    Value() = default;
    Value(std::nullptr_t) {}
    template <std::integral T>
        requires(!std::same_as<T, bool> && !std::same_as<T, char>)
    Value(T v) : v_(static_cast<std::int64_t>(v)) {}
    Value(bool) = delete;
    Value(double v) : v_(v) {}
    Value(Money m) : v_(m.toDouble()) {}
    Value(const QString& s) : v_(s) {}
    Value(QString&& s) : v_(std::move(s)) {}
    Value(const char* utf8) : v_(QString::fromUtf8(utf8)) {}
    Value(const QDateTime& dt) : v_(dt) {}
    Value(QDate d) : v_(d) {}
    Value(QTime t) : v_(t) {}
    static Value bytes(QByteArray b) {
        Value v;
        v.v_ = std::move(b);
        return v;
    }

    Kind kind() const { return static_cast<Kind>(v_.index()); }
    bool isNull() const { return kind() == Kind::Null; }

    // Text form: integers in decimal, floats in the shortest plain decimal that reads back as
    // the same value ("2.5", "0.0001"), time stamps as "yyyy-MM-dd hh:mm:ss".
    QString asText() const;
    // Integers as they are, floats rounded, texts read as a number (0 when they are not one).
    std::int64_t asInt() const;
    double asDouble() const;
    Money asMoney() const { return Money::fromDouble(asDouble()); }
    QDateTime asDateTime() const;
    QDate asDate() const;
    QByteArray asBytes() const;

    friend bool operator==(const Value&, const Value&) = default;

private:
    std::variant<std::monostate, std::int64_t, double, QString, QDateTime, QDate, QTime,
                 QByteArray>
        v_;
};

// The shortest plain decimal text of a double that reads back as the same double.
QString shortestDecimal(double value);

} // namespace pelora::db
