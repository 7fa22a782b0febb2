#pragma once

#include "reports/ReportContext.h"
#include "reports/ReportPeriod.h"

#include <QDialog>

class QComboBox;
class QPushButton;

namespace pelora {

class PeriodPicker;

// The split report's period and category: "Submit" previews what each split took.
class TSplitRangeForm : public QDialog {
    Q_OBJECT
public:
    explicit TSplitRangeForm(const ReportContext& context);
    ~TSplitRangeForm() override;

    ReportPeriod period() const;
    void applyPreset(Preset preset);
    void btnSubmitClick();

    PeriodPicker* pickers;
    QComboBox* cboCategory;
    QPushButton* btnSubmit;
    QPushButton* btnClose;

private:
    ReportContext context_;
};

} // namespace pelora
