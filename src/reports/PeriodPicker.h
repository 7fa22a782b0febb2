#pragma once

#include "reports/ReportPeriod.h"

#include <QGroupBox>
#include <QWidget>

class QDateEdit;
class QPushButton;
class QTimeEdit;

namespace pelora {

// The begin and end of a report period, each a date and a time picker, and the group
// "Set to this..." whose "Day", "Week", "Month" and "Year" set both from today's date.
class PeriodPicker : public QWidget {
    Q_OBJECT
public:
    PeriodPicker(const QString& beginCaption, const QString& endCaption, QWidget* parent = nullptr);

    void setPreset(Preset preset, QDate today);
    void setPeriod(const ReportPeriod& period);
    QDateTime begin() const;
    QDateTime end() const;

    QDateEdit* dtpBeginDate;
    QTimeEdit* dtpBeginTime;
    QDateEdit* dtpEndDate;
    QTimeEdit* dtpEndTime;
    QGroupBox* grpSetTo;
    QPushButton* btnDay;
    QPushButton* btnWeek;
    QPushButton* btnMonth;
    QPushButton* btnYear;

signals:
    // A preset button was touched; the owner answers with setPreset() and its today.
    void presetChosen(pelora::Preset preset);
};

} // namespace pelora
