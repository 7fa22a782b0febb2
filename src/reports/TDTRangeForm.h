#pragma once

#include "reports/Breakdowns.h"
#include "reports/ReportContext.h"
#include "reports/ReportPeriod.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;

namespace pelora {

class PeriodPicker;

// The report period dialog: the period, the breakdowns with their orders (kept out of sight for
// the receipt and exception reports), and "Submit", which opens the report of its kind over the period. It
// opens on today (the server's) and stays open behind the report to submit again.
class TDTRangeForm : public QDialog {
    Q_OBJECT
public:
    // `narrow`: without the options panel.
    TDTRangeForm(const ReportContext& context, ReportKind kind, bool narrow);
    ~TDTRangeForm() override;

    ReportKind kind() const { return kind_; }
    // The period a submit would report and its title.
    ReportPeriod period() const;
    QString title() const;
    BreakdownChoices choices() const;

    void applyPreset(Preset preset);
    void btnSubmitClick();

    PeriodPicker* pickers;
    QGroupBox* pnlOptions;
    std::array<QCheckBox*, kBreakdownCount> chkOptions{};
    std::array<QComboBox*, kBreakdownCount> cboOrders{};
    QPushButton* btnSubmit;
    QPushButton* btnClose;

private:
    ReportContext context_;
    ReportKind kind_;
};

} // namespace pelora
