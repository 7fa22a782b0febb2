#include "reports/ReportPeriod.h"

#include "common/DateTimeText.h"

#include <QLocale>

namespace pelora {

namespace {

QDateTime midnight(QDate date) { return QDateTime(date, QTime(0, 0)); }

QDate firstOfMonth(QDate date) { return QDate(date.year(), date.month(), 1); }

} // namespace

ReportPeriod presetPeriod(Preset preset, QDate today) {
    switch (preset) {
    case Preset::Day:
        return {midnight(today), midnight(today.addDays(1))};
    case Preset::Week: {
        const QDate sunday = today.addDays(-(today.dayOfWeek() % 7)); // Sunday is day 7
        return {midnight(sunday), midnight(sunday.addDays(7))};
    }
    case Preset::Month:
        return {midnight(firstOfMonth(today)), midnight(firstOfMonth(today).addMonths(1))};
    case Preset::Year:
        return {midnight(QDate(today.year(), 1, 1)), midnight(QDate(today.year() + 1, 1, 1))};
    }
    return {};
}

ReportPeriod roundedPeriod(RangeKind range, const QDateTime& begin, const QDateTime& end) {
    switch (range) {
    case RangeKind::Daily:
        return {midnight(begin.date()), midnight(end.date().addDays(1))};
    case RangeKind::Monthly:
        return {midnight(firstOfMonth(begin.date())), midnight(firstOfMonth(end.date()).addMonths(1))};
    case RangeKind::Yearly:
        return {midnight(QDate(begin.date().year(), 1, 1)), midnight(QDate(end.date().year() + 1, 1, 1))};
    case RangeKind::None:
        break;
    }
    return {begin, end};
}

QString periodText(const QDateTime& when) {
    const QString date = QLocale::system().toString(when.date(), QLocale::ShortFormat);
    if (when.time() == QTime(0, 0))
        return date;
    return date + u' ' + timeDisplay(when);
}

QString reportTitle(ReportKind kind, const ReportPeriod& period) {
    // QString, not the string builder: that would refer to the lambda's own temporaries.
    const auto title = [&](const char* lead, const QDateTime& end) -> QString {
        return QString::fromLatin1(lead) + periodText(period.begin) + QStringLiteral(" to ") + periodText(end);
    };
    const QDateTime lastDay = period.end.addDays(-1);
    switch (kind) {
    case ReportKind::X:
        return title("X from ", period.end);
    case ReportKind::Receipt:
        return title("Receipts from ", period.end);
    case ReportKind::Recline:
        return title("Receipts and lines from ", period.end);
    case ReportKind::Day:
        return title("Daily Report from ", lastDay);
    case ReportKind::Month:
        return title("Monthly Report from ", lastDay);
    case ReportKind::Year:
        return title("Yearly Report from ", lastDay);
    case ReportKind::Exceptions:
        return title("Exceptions from ", period.end);
    }
    return {};
}

RangeKind rangeOf(ReportKind kind) {
    switch (kind) {
    case ReportKind::Day:
        return RangeKind::Daily;
    case ReportKind::Month:
        return RangeKind::Monthly;
    case ReportKind::Year:
        return RangeKind::Yearly;
    default:
        return RangeKind::None;
    }
}

} // namespace pelora
