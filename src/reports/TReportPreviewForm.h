#pragma once

#include "reports/Report.h"
#include "ui/FormOpener.h"

#include <QDialog>

#include <memory>

class QLabel;
class QPrintPreviewWidget;
class QPrinter;
class QPushButton;

namespace pelora {

class Prompter;

// The preview every report is shown in: its pages as they will print, a print button that
// offers every installed printer, and exports of the report as PDF, XLSX and CSV.
class TReportPreviewForm : public QDialog {
    Q_OBJECT
public:
    TReportPreviewForm(report::Report report, Prompter& prompter, QWidget* parent = nullptr);
    ~TReportPreviewForm() override;

    const report::Report& report() const { return report_; }

    void btnPrintClick();
    // Each asks where to save, suggesting a file named after the title in the home folder.
    void btnPdfClick();
    void btnXlsxClick();
    void btnCsvClick();

    QPrintPreviewWidget* preview;
    QPushButton* btnPrint;
    QPushButton* btnPdf;
    QPushButton* btnXlsx;
    QPushButton* btnCsv;
    QPushButton* btnZoomIn;
    QPushButton* btnZoomOut;
    QPushButton* btnPrior;
    QPushButton* btnNext;
    QPushButton* btnClose;
    QLabel* lblPage;
    QLabel* lblSaved;

private:
    void exportAs(const QString& kind, const QString& suffix, void (*write)(const report::Report&, const QString&));
    void showPage();

    report::Report report_;
    Prompter& prompter_;
    std::unique_ptr<QPrinter> printer_; // the preview's pages
};

// The report windows, each the preview under the name its opener reports when it cannot open.
class TDMYRptForm : public TReportPreviewForm {
    Q_OBJECT
public:
    using TReportPreviewForm::TReportPreviewForm;
};

class TRecRptForm : public TReportPreviewForm {
    Q_OBJECT
public:
    using TReportPreviewForm::TReportPreviewForm;
};

class TReclineRptForm : public TReportPreviewForm {
    Q_OBJECT
public:
    using TReportPreviewForm::TReportPreviewForm;
};

class TTabCrRptForm : public TReportPreviewForm {
    Q_OBJECT
public:
    using TReportPreviewForm::TReportPreviewForm;
};

class TSplitRptForm : public TReportPreviewForm {
    Q_OBJECT
public:
    using TReportPreviewForm::TReportPreviewForm;
};

class TInventoryRptForm : public TReportPreviewForm {
    Q_OBJECT
public:
    using TReportPreviewForm::TReportPreviewForm;
};

class TExceptionRptForm : public TReportPreviewForm {
    Q_OBJECT
public:
    using TReportPreviewForm::TReportPreviewForm;
};

// Builds a report under the hourglass and shows it in its window, named after the window's
// class; a failure on the way is "Cannot open" that window.
template <typename Form, typename Build>
void previewReport(Prompter& prompter, QWidget* parent, Build&& build) {
    if (auto form = makeFilledForm<Form>(prompter, [&] {
            auto made = std::make_unique<Form>(std::forward<Build>(build)(), prompter, parent);
            made->setObjectName(formName(Form::staticMetaObject.className()));
            return made;
        }))
        showModal(*form);
}

} // namespace pelora
