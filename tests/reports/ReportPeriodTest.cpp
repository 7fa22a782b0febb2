#include "common/DateTimeText.h"

#include "ReportFixture.h"

using namespace pelora;
using test::at;
using test::shortDate;

namespace {

TEST(ReportPeriodTest, PresetsRunFromMidnightToTheStartOfTheNextDayWeekMonthOrYear) {
    struct Case {
        Preset preset;
        QDate today;
        QDateTime begin, end;
    };
    const Case cases[] = {
        {Preset::Day, QDate(2024, 2, 29), at(2024, 2, 29), at(2024, 3, 1)},
        {Preset::Day, QDate(2024, 12, 31), at(2024, 12, 31), at(2025, 1, 1)},
        {Preset::Week, QDate(2024, 3, 6), at(2024, 3, 3), at(2024, 3, 10)},   // a Wednesday
        {Preset::Week, QDate(2024, 3, 3), at(2024, 3, 3), at(2024, 3, 10)},   // a Sunday
        {Preset::Week, QDate(2024, 3, 9), at(2024, 3, 3), at(2024, 3, 10)},   // a Saturday
        {Preset::Week, QDate(2024, 1, 1), at(2023, 12, 31), at(2024, 1, 7)},  // a Monday
        {Preset::Month, QDate(2024, 2, 29), at(2024, 2, 1), at(2024, 3, 1)},
        {Preset::Month, QDate(2024, 12, 15), at(2024, 12, 1), at(2025, 1, 1)},
        {Preset::Year, QDate(2024, 12, 31), at(2024, 1, 1), at(2025, 1, 1)},
    };
    for (const Case& c : cases) {
        const ReportPeriod p = presetPeriod(c.preset, c.today);
        EXPECT_EQ(p.begin, c.begin) << c.today.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(p.end, c.end) << c.today.toString(Qt::ISODate).toStdString();
    }
}

TEST(ReportPeriodTest, ASubmitRoundsToWholeDaysMonthsOrYearsOrKeepsThePickedTimes) {
    struct Case {
        RangeKind range;
        QDateTime begin, end, roundedBegin, roundedEnd;
    };
    const Case cases[] = {
        {RangeKind::Daily, at(2024, 3, 1, 14, 30), at(2024, 3, 1, 9), at(2024, 3, 1), at(2024, 3, 2)},
        {RangeKind::Daily, at(2024, 2, 28, 23), at(2024, 2, 29, 1), at(2024, 2, 28), at(2024, 3, 1)},
        {RangeKind::Monthly, at(2024, 12, 15, 8), at(2024, 12, 15, 8), at(2024, 12, 1), at(2025, 1, 1)},
        {RangeKind::Monthly, at(2024, 1, 15), at(2024, 3, 15), at(2024, 1, 1), at(2024, 4, 1)},
        {RangeKind::Yearly, at(2023, 6, 1, 10), at(2024, 2, 2), at(2023, 1, 1), at(2025, 1, 1)},
        {RangeKind::None, at(2024, 3, 1, 6, 15, 10), at(2024, 3, 1, 18), at(2024, 3, 1, 6, 15, 10),
         at(2024, 3, 1, 18)},
    };
    for (const Case& c : cases) {
        const ReportPeriod p = roundedPeriod(c.range, c.begin, c.end);
        EXPECT_EQ(p.begin, c.roundedBegin) << static_cast<int>(c.range);
        EXPECT_EQ(p.end, c.roundedEnd) << static_cast<int>(c.range);
    }
}

TEST(ReportPeriodTest, TitlesNameThePeriodAndTheSummariesTheirLastDay) {
    const QString mar1 = shortDate(QDate(2024, 3, 1));
    const ReportPeriod oneDay = roundedPeriod(RangeKind::Daily, at(2024, 3, 1, 10), at(2024, 3, 1, 12));
    const ReportPeriod december = roundedPeriod(RangeKind::Monthly, at(2024, 12, 15), at(2024, 12, 15));
    const ReportPeriod shift{at(2024, 3, 1, 6, 30), at(2024, 3, 2)};
    struct Case {
        ReportKind kind;
        ReportPeriod period;
        QString title;
    };
    const Case cases[] = {
        {ReportKind::X, shift, "X from " + mar1 + ' ' + timeDisplay(shift.begin) + " to " + shortDate(QDate(2024, 3, 2))},
        {ReportKind::Receipt, oneDay, "Receipts from " + mar1 + " to " + shortDate(QDate(2024, 3, 2))},
        {ReportKind::Recline, oneDay, "Receipts and lines from " + mar1 + " to " + shortDate(QDate(2024, 3, 2))},
        {ReportKind::Day, oneDay, "Daily Report from " + mar1 + " to " + mar1},
        {ReportKind::Month, december,
         "Monthly Report from " + shortDate(QDate(2024, 12, 1)) + " to " + shortDate(QDate(2024, 12, 31))},
        {ReportKind::Year, roundedPeriod(RangeKind::Yearly, at(2024, 5, 5), at(2024, 5, 5)),
         "Yearly Report from " + shortDate(QDate(2024, 1, 1)) + " to " + shortDate(QDate(2024, 12, 31))},
        {ReportKind::Exceptions, shift,
         "Exceptions from " + mar1 + ' ' + timeDisplay(shift.begin) + " to " + shortDate(QDate(2024, 3, 2))},
    };
    for (const Case& c : cases)
        EXPECT_EQ(reportTitle(c.kind, c.period), c.title);
}

} // namespace
