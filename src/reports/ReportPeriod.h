#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

namespace pelora {

// A report's period: half-open, a receipt belongs to it when begin <= istamp < end.
struct ReportPeriod {
    QDateTime begin;
    QDateTime end;
};

// Which report the period dialog opens, and how it rounds the period it is given.
enum class ReportKind { X, Receipt, Recline, Day, Month, Year, Exceptions };
enum class RangeKind { None, Daily, Monthly, Yearly };

// The presets of "Set to this...", from today's date (the server's): both at midnight.
enum class Preset { Day, Week, Month, Year };
ReportPeriod presetPeriod(Preset preset, QDate today);

// The period a submit covers: whole days, months or years around the picked dates (the times
// then play no part), or the two date-times exactly as picked.
ReportPeriod roundedPeriod(RangeKind range, const QDateTime& begin, const QDateTime& end);

// A date-time in a report title: the short date and the time, the time left out at midnight.
QString periodText(const QDateTime& when);

// "X from ... to ...", "Daily Report from ... to <the end minus one day>", ...
QString reportTitle(ReportKind kind, const ReportPeriod& period);

// The range kind each report kind is rounded by.
RangeKind rangeOf(ReportKind kind);

} // namespace pelora
