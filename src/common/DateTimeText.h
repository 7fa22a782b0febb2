#pragma once

#include <QDateTime>
#include <QString>

namespace pelora {

// The date-time literal of the till's SQL and report periods: month/day/year
// hour:minute:second, numbers without leading zeros ("3/7/2024 9:5:0").
QString dateTimeLiteral(const QDateTime& when);

// Reads a literal written by dateTimeLiteral(); an invalid QDateTime when the text is not one.
QDateTime parseDateTimeLiteral(const QString& text);

} // namespace pelora
