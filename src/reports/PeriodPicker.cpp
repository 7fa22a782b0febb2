#include "reports/PeriodPicker.h"

#include "ui/TouchWidgets.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace pelora {

namespace {

template <typename Editor>
Editor* picker(const QString& objectName, const QString& format, QWidget* parent) {
    auto* editor = new Editor(parent);
    editor->setObjectName(objectName);
    editor->setDisplayFormat(format);
    editor->setMinimumHeight(kTouchHeight);
    editor->setMinimumWidth(150);
    return editor;
}

} // namespace

PeriodPicker::PeriodPicker(const QString& beginCaption, const QString& endCaption, QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("PeriodPicker"));
    const QString dateFormat = QStringLiteral("d MMM yyyy");
    const QString timeFormat = QStringLiteral("HH:mm:ss");
    dtpBeginDate = picker<QDateEdit>(QStringLiteral("dtpBeginDate"), dateFormat, this);
    dtpBeginTime = picker<QTimeEdit>(QStringLiteral("dtpBeginTime"), timeFormat, this);
    dtpEndDate = picker<QDateEdit>(QStringLiteral("dtpEndDate"), dateFormat, this);
    dtpEndTime = picker<QTimeEdit>(QStringLiteral("dtpEndTime"), timeFormat, this);
    dtpBeginDate->setCalendarPopup(true);
    dtpEndDate->setCalendarPopup(true);

    grpSetTo = new QGroupBox(tr("Set to this..."), this);
    grpSetTo->setObjectName(QStringLiteral("grpSetTo"));
    btnDay = touchButton(tr("Day"), QStringLiteral("btnDay"), grpSetTo);
    btnWeek = touchButton(tr("Week"), QStringLiteral("btnWeek"), grpSetTo);
    btnMonth = touchButton(tr("Month"), QStringLiteral("btnMonth"), grpSetTo);
    btnYear = touchButton(tr("Year"), QStringLiteral("btnYear"), grpSetTo);
    auto* presets = new QHBoxLayout(grpSetTo);
    const std::array<std::pair<QPushButton*, Preset>, 4> buttons{
        {{btnDay, Preset::Day}, {btnWeek, Preset::Week}, {btnMonth, Preset::Month}, {btnYear, Preset::Year}}};
    for (const auto& [button, preset] : buttons) {
        presets->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, p = preset] { emit presetChosen(p); });
    }

    auto* grid = new QGridLayout;
    grid->addWidget(namedLabel(beginCaption, QStringLiteral("lblBegin"), this), 0, 0, 1, 2);
    grid->addWidget(dtpBeginDate, 1, 0);
    grid->addWidget(dtpBeginTime, 1, 1);
    grid->addWidget(namedLabel(endCaption, QStringLiteral("lblEnd"), this), 2, 0, 1, 2);
    grid->addWidget(dtpEndDate, 3, 0);
    grid->addWidget(dtpEndTime, 3, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(grid);
    layout->addWidget(grpSetTo);
}

void PeriodPicker::setPreset(Preset preset, QDate today) { setPeriod(presetPeriod(preset, today)); }

void PeriodPicker::setPeriod(const ReportPeriod& period) {
    dtpBeginDate->setDate(period.begin.date());
    dtpBeginTime->setTime(period.begin.time());
    dtpEndDate->setDate(period.end.date());
    dtpEndTime->setTime(period.end.time());
}

QDateTime PeriodPicker::begin() const { return QDateTime(dtpBeginDate->date(), dtpBeginTime->time()); }

QDateTime PeriodPicker::end() const { return QDateTime(dtpEndDate->date(), dtpEndTime->time()); }

} // namespace pelora
