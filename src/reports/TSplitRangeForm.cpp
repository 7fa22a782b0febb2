#include "reports/TSplitRangeForm.h"

#include "db/ServerClock.h"
#include "reports/PeriodPicker.h"
#include "reports/SplitReport.h"
#include "reports/TReportPreviewForm.h"
#include "ui/BusyCursor.h"
#include "ui/FormOpener.h"
#include "ui/GeneralError.h"
#include "ui/TouchWidgets.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace pelora {

TSplitRangeForm::TSplitRangeForm(const ReportContext& context) : QDialog(context.parent), context_(context) {
    setObjectName(QStringLiteral("SplitRangeForm"));
    setWindowTitle(QStringLiteral("SplitRangeForm"));
    setModal(true);

    pickers = new PeriodPicker(tr("From"), tr("To"), this);
    connect(pickers, &PeriodPicker::presetChosen, this,
            [this](Preset preset) { runReportingFailures(context_.prompter(), [&] { applyPreset(preset); }); });
    cboCategory = new QComboBox(this);
    cboCategory->setObjectName(QStringLiteral("cboCategory"));
    cboCategory->setMinimumHeight(kTouchHeight);
    cboCategory->addItems(splitCategories(context_.db()));
    cboCategory->setCurrentIndex(0);
    btnSubmit = touchButton(tr("Submit"), QStringLiteral("btnSubmit"), this);
    btnClose = touchButton(tr("Close"), QStringLiteral("btnClose"), this);
    connect(btnSubmit, &QPushButton::clicked, this, &TSplitRangeForm::btnSubmitClick);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnSubmit);
    buttons->addWidget(btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pickers);
    layout->addWidget(namedLabel(tr("Category"), QStringLiteral("lblCategory"), this));
    layout->addWidget(cboCategory);
    layout->addLayout(buttons);

    applyPreset(Preset::Day);
}

TSplitRangeForm::~TSplitRangeForm() = default;

void TSplitRangeForm::applyPreset(Preset preset) { pickers->setPreset(preset, context_.clock.now().date()); }

ReportPeriod TSplitRangeForm::period() const { return {pickers->begin(), pickers->end()}; }

void TSplitRangeForm::btnSubmitClick() {
    const ReportPeriod reported = period();
    const QString category = cboCategory->currentText();
    std::vector<SplitReportRow> rows;
    try {
        BusyCursor busy;
        rows = readSplitReport(context_.db(), reported, category);
    } catch (const std::exception&) {
        context_.prompter().information(QStringLiteral("Problem running query."));
        return;
    }
    previewReport<TSplitRptForm>(context_.prompter(), this,
                                 [&] { return splitReport(splitReportTitle(reported, category), rows); });
}

} // namespace pelora
