#pragma once

#include <QDateTime>
#include <QString>

namespace pelora {

// The date-time literal of the till's SQL and report periods: month/day/year
// hour:minute:second, numbers without leading zeros ("3/7/2024 9:5:0").
QString dateTimeLiteral(const QDateTime& when);

// Reads a literal written by dateTimeLiteral(); an invalid QDateTime when the text is not one.
QDateTime parseDateTimeLiteral(const QString& text);

// A time stamp as papers and screens show it: the system's short date and the time with
// seconds ("9 Dec 2026 20:15:03" where the system sets no language).
QString dateTimeDisplay(const QDateTime& when);
// The time alone, with seconds ("20:15:03").
QString timeDisplay(const QDateTime& when);

} // namespace pelora
