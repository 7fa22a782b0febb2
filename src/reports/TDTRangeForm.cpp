#include "reports/TDTRangeForm.h"

#include "db/ServerClock.h"
#include "reports/DmyReport.h"
#include "reports/ExceptionReport.h"
#include "reports/PeriodPicker.h"
#include "reports/ReceiptReports.h"
#include "reports/TReportPreviewForm.h"
#include "reports/TXForm.h"
#include "reports/XReport.h"
#include "ui/FormOpener.h"
#include "ui/GeneralError.h"
#include "ui/TouchWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace pelora {

namespace {

PeriodGrouping groupingOf(ReportKind kind) {
    switch (kind) {
    case ReportKind::Month:
        return PeriodGrouping::Month;
    case ReportKind::Year:
        return PeriodGrouping::Year;
    default:
        return PeriodGrouping::Day;
    }
}

} // namespace

TDTRangeForm::TDTRangeForm(const ReportContext& context, ReportKind kind, bool narrow)
    : QDialog(context.parent), context_(context), kind_(kind) {
    setObjectName(QStringLiteral("DTRangeForm"));
    setWindowTitle(tr("Report Period"));
    setModal(true);

    pickers = new PeriodPicker(tr("Begin Date and Time"), tr("End Sate and Time"), this);
    connect(pickers, &PeriodPicker::presetChosen, this,
            [this](Preset preset) { runReportingFailures(context_.prompter(), [&] { applyPreset(preset); }); });

    pnlOptions = new QGroupBox(tr("Options"), this);
    pnlOptions->setObjectName(QStringLiteral("pnlOptions"));
    auto* options = new QGridLayout(pnlOptions);
    static const std::array<const char*, kBreakdownCount> names{
        "chkPCRef", "chkStaffRef", "chkTabRef", "chkMOP", "chkItem", "chkItemCat", "chkDiscount", "chkSplit"};
    for (int i = 0; i < kBreakdownCount; ++i) {
        auto* box = new QCheckBox(breakdownCaption(static_cast<Breakdown>(i)), pnlOptions);
        box->setObjectName(QString::fromLatin1(names[static_cast<std::size_t>(i)]));
        box->setChecked(true);
        box->setMinimumHeight(kTouchHeight - 10);
        auto* order = new QComboBox(pnlOptions);
        order->setObjectName(QStringLiteral("cbo") + box->objectName().mid(3));
        for (BreakdownOrder o : {BreakdownOrder::SumDescending, BreakdownOrder::SumAscending, BreakdownOrder::Name})
            order->addItem(orderCaption(o), static_cast<int>(o));
        order->setMinimumHeight(kTouchHeight - 10);
        options->addWidget(box, i, 0);
        options->addWidget(order, i, 1);
        chkOptions[static_cast<std::size_t>(i)] = box;
        cboOrders[static_cast<std::size_t>(i)] = order;
    }

    btnSubmit = touchButton(tr("Submit"), QStringLiteral("btnSubmit"), this);
    btnClose = touchButton(tr("Close"), QStringLiteral("btnClose"), this);
    connect(btnSubmit, &QPushButton::clicked, this, &TDTRangeForm::btnSubmitClick);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);

    auto* left = new QVBoxLayout;
    left->addWidget(pickers);
    left->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnSubmit);
    buttons->addWidget(btnClose);
    left->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addWidget(pnlOptions);
    pnlOptions->setVisible(!narrow);

    applyPreset(Preset::Day); // the opener's "Day": it always opens on today
}

TDTRangeForm::~TDTRangeForm() = default;

void TDTRangeForm::applyPreset(Preset preset) { pickers->setPreset(preset, context_.clock.now().date()); }

ReportPeriod TDTRangeForm::period() const { return roundedPeriod(rangeOf(kind_), pickers->begin(), pickers->end()); }

QString TDTRangeForm::title() const { return reportTitle(kind_, period()); }

BreakdownChoices TDTRangeForm::choices() const {
    BreakdownChoices choices;
    for (std::size_t i = 0; i < choices.size(); ++i) {
        choices[i].ticked = chkOptions[i]->isChecked();
        choices[i].order = static_cast<BreakdownOrder>(cboOrders[i]->currentData().toInt());
    }
    return choices;
}

void TDTRangeForm::btnSubmitClick() {
    const ReportPeriod reported = period();
    const QString heading = title();
    db::Connection& db = context_.db();
    const ReportContext over{context_.printing, context_.clock, this}; // the dialog waits behind the report
    switch (kind_) {
    case ReportKind::X: {
        const BreakdownChoices chosen = choices();
        if (auto form = makeFilledForm<TXForm>(context_.prompter(), [&] {
                return std::make_unique<TXForm>(over, heading, readXReport(db, reported, chosen));
            }))
            showModal(*form);
        break;
    }
    case ReportKind::Receipt:
        previewReport<TRecRptForm>(over.prompter(), this, [&] { return receiptReport(heading, readReceiptReport(db, reported, false)); });
        break;
    case ReportKind::Recline:
        previewReport<TReclineRptForm>(over.prompter(), this, [&] {
            return receiptLineReport(heading, readReceiptReport(db, reported, true));
        });
        break;
    case ReportKind::Day:
    case ReportKind::Month:
    case ReportKind::Year:
        previewReport<TDMYRptForm>(over.prompter(), this, [&] {
            return dmyReport(heading, readDmyReport(db, groupingOf(kind_), reported, choices()));
        });
        break;
    case ReportKind::Exceptions:
        previewReport<TExceptionRptForm>(over.prompter(), this,
                                         [&] { return exceptionReport(heading, readExceptions(db, reported)); });
        break;
    }
}

} // namespace pelora
