#include "reports/TReportPreviewForm.h"

#include "common/Prompter.h"
#include "reports/ReportExport.h"
#include "reports/ReportPainter.h"
#include "ui/BusyCursor.h"
#include "ui/TouchWidgets.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace pelora {

namespace {

// A file name from a report's title: the characters a folder cannot hold become "-".
QString suggestedName(const QString& title, const QString& suffix) {
    QString name = title;
    name.replace(QRegularExpression(QStringLiteral(R"([/\\:*?"<>|])")), QStringLiteral("-"));
    return QDir::home().filePath(name.simplified() + u'.' + suffix);
}

} // namespace

TReportPreviewForm::TReportPreviewForm(report::Report report, Prompter& prompter, QWidget* parent)
    : QDialog(parent), report_(std::move(report)), prompter_(prompter), printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    setObjectName(QStringLiteral("ReportPreviewForm"));
    setWindowTitle(report_.title);
    setModal(true);
    printer_->setFullPage(true);
    report::setUpPage(*printer_, report_);

    preview = new QPrintPreviewWidget(printer_.get(), this);
    preview->setObjectName(QStringLiteral("preview"));
    connect(preview, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter* printer) { report::printReport(*printer, report_); });
    connect(preview, &QPrintPreviewWidget::previewChanged, this, [this] { showPage(); });

    btnPrint = touchButton(tr("Print"), QStringLiteral("btnPrint"), this);
    btnPdf = touchButton(tr("PDF"), QStringLiteral("btnPdf"), this);
    btnXlsx = touchButton(tr("XLSX"), QStringLiteral("btnXlsx"), this);
    btnCsv = touchButton(tr("CSV"), QStringLiteral("btnCsv"), this);
    btnZoomIn = touchButton(tr("Zoom +"), QStringLiteral("btnZoomIn"), this);
    btnZoomOut = touchButton(tr("Zoom -"), QStringLiteral("btnZoomOut"), this);
    btnPrior = touchButton(QStringLiteral("<"), QStringLiteral("btnPrior"), this);
    btnNext = touchButton(QStringLiteral(">"), QStringLiteral("btnNext"), this);
    btnClose = touchButton(tr("Close"), QStringLiteral("btnClose"), this);
    lblPage = namedLabel(QString(), QStringLiteral("lblPage"), this);
    lblSaved = namedLabel(QString(), QStringLiteral("lblSaved"), this);

    connect(btnPrint, &QPushButton::clicked, this, &TReportPreviewForm::btnPrintClick);
    connect(btnPdf, &QPushButton::clicked, this, &TReportPreviewForm::btnPdfClick);
    connect(btnXlsx, &QPushButton::clicked, this, &TReportPreviewForm::btnXlsxClick);
    connect(btnCsv, &QPushButton::clicked, this, &TReportPreviewForm::btnCsvClick);
    connect(btnZoomIn, &QPushButton::clicked, preview, [this] { preview->zoomIn(); });
    connect(btnZoomOut, &QPushButton::clicked, preview, [this] { preview->zoomOut(); });
    connect(btnPrior, &QPushButton::clicked, this, [this] {
        preview->setCurrentPage(preview->currentPage() - 1);
        showPage();
    });
    connect(btnNext, &QPushButton::clicked, this, [this] {
        preview->setCurrentPage(preview->currentPage() + 1);
        showPage();
    });
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {btnPrint, btnPdf, btnXlsx, btnCsv})
        buttons->addWidget(b);
    buttons->addSpacing(16);
    for (QPushButton* b : {btnPrior, btnNext, btnZoomOut, btnZoomIn})
        buttons->addWidget(b);
    buttons->addWidget(lblPage);
    buttons->addStretch(1);
    buttons->addWidget(btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(preview, 1);
    layout->addWidget(lblSaved);
    resize(1000, 720);
    preview->fitToWidth();
}

TReportPreviewForm::~TReportPreviewForm() {
    delete preview; // before the printer it draws on
}

void TReportPreviewForm::showPage() {
    lblPage->setText(tr("Page %1 of %2").arg(preview->currentPage()).arg(preview->pageCount()));
}

void TReportPreviewForm::btnPrintClick() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    {
        NormalCursor normal;
        if (dialog.exec() != QDialog::Accepted)
            return;
    }
    BusyCursor busy;
    report::printReport(printer, report_);
}

void TReportPreviewForm::exportAs(const QString& kind, const QString& suffix,
                                  void (*write)(const report::Report&, const QString&)) {
    const std::optional<QString> file =
        prompter_.chooseSaveFile(tr("Save as %1").arg(kind), suggestedName(report_.title, suffix),
                                 QStringLiteral("%1 (*.%2)").arg(kind, suffix));
    if (!file)
        return;
    try {
        BusyCursor busy;
        write(report_, *file);
    } catch (const std::exception& failure) {
        prompter_.error(QStringLiteral("Cannot save ") + *file + u'.' + kLineBreak + QString::fromStdString(failure.what()));
        return;
    }
    lblSaved->setText(tr("Saved %1").arg(*file));
}

void TReportPreviewForm::btnPdfClick() { exportAs(QStringLiteral("PDF"), QStringLiteral("pdf"), &report::writePdf); }

void TReportPreviewForm::btnXlsxClick() { exportAs(QStringLiteral("XLSX"), QStringLiteral("xlsx"), &report::writeXlsx); }

void TReportPreviewForm::btnCsvClick() { exportAs(QStringLiteral("CSV"), QStringLiteral("csv"), &report::writeCsv); }

} // namespace pelora
