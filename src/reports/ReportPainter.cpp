#include "reports/ReportPainter.h"

#include "reports/ReportExport.h"
#include "reports/ReportPages.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace pelora::report {

namespace {

constexpr double kGapMm = 1.0;

QFont bodyFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(8);
    return font;
}

QFont titleFont() {
    QFont font = bodyFont();
    font.setPointSizeF(12);
    font.setBold(true);
    return font;
}

// Millimetres to the device's pixels.
struct Scale {
    double pxPerMm;
    double operator()(double mm) const { return mm * pxPerMm; }
};

void drawCell(QPainter& painter, const Scale& px, const Report& report, const Cell& cell, double topMm) {
    if (cell.exportOnly)
        return;
    const double width = cell.widthMm > 0 ? cell.widthMm : report.bodyWidthMm() - cell.leftMm;
    QRectF box(px(kMarginMm + cell.leftMm), px(kMarginMm + topMm), px(width), px(kLineMm));
    if (cell.ruleAbove)
        painter.drawLine(QLineF(box.topLeft(), box.topRight()));
    // A right-aligned amount keeps clear of a name that starts where its field ends.
    if (cell.align == Align::Right)
        box.adjust(0, 0, -px(kGapMm), 0);
    Qt::Alignment align = Qt::AlignVCenter;
    align |= cell.align == Align::Right ? Qt::AlignRight : cell.align == Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
    QFont font = painter.font();
    if (font.bold() != cell.bold) {
        font.setBold(cell.bold);
        painter.setFont(font);
    }
    painter.drawText(box, static_cast<int>(align | Qt::TextDontClip), cell.text);
}

} // namespace

void setUpPage(QPagedPaintDevice& device, const Report& report) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                     report.orientation == Orientation::Landscape ? QPageLayout::Landscape
                                                                                  : QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
}

void paintPage(QPainter& painter, const Report& report, const ReportPages& pages, int index) {
    const QRectF paper = painter.viewport();
    const Scale px{paper.width() / ReportPages::pageWidthMm(report.orientation)};
    const Page& page = pages.page(index);
    painter.save();
    painter.setPen(QPen(Qt::black, px(0.2)));
    if (page.hasTitle) {
        painter.setFont(titleFont());
        painter.drawText(QRectF(px(kMarginMm), px(kMarginMm), px(report.bodyWidthMm()), px(kTitleMm - 2)),
                         Qt::AlignCenter | Qt::TextWordWrap, report.title);
    }
    QFont header = bodyFont();
    header.setBold(true);
    painter.setFont(header);
    for (Cell cell : report.columnHeader) {
        cell.bold = true;
        drawCell(painter, px, report, cell, page.headerTopMm);
    }
    if (!report.columnHeader.empty()) {
        const double ruleY = px(kMarginMm + page.headerTopMm + kLineMm + 0.5);
        painter.drawLine(QLineF(px(kMarginMm), ruleY, px(kMarginMm + report.bodyWidthMm()), ruleY));
    }
    painter.setFont(bodyFont());
    for (const PlacedBand& placed : page.bands)
        for (const Cell& cell : report.bands[static_cast<std::size_t>(placed.band)].cells)
            drawCell(painter, px, report, cell, placed.topMm);
    const double footerTop = ReportPages::pageHeightMm(report.orientation) - kMarginMm - kFooterMm + 2;
    painter.setFont(bodyFont());
    painter.drawText(QRectF(px(kMarginMm), px(footerTop), px(report.bodyWidthMm()), px(kLineMm)),
                     Qt::AlignRight | Qt::AlignVCenter, pages.pageNumberText(index));
    painter.restore();
}

void paintReport(QPainter& painter, QPagedPaintDevice& device, const Report& report) {
    const ReportPages pages(report);
    for (int i = 0; i < pages.count(); ++i) {
        if (i > 0)
            device.newPage();
        paintPage(painter, report, pages, i);
    }
}

void printReport(QPrinter& printer, const Report& report) {
    printer.setFullPage(true);
    setUpPage(printer, report);
    QPainter painter(&printer);
    paintReport(painter, printer, report);
}

void writePdf(const Report& report, const QString& path) {
    {
        QFile probe(path);
        if (!probe.open(QIODevice::WriteOnly))
            throw ExportError(probe.errorString().toStdString());
    }
    QPdfWriter pdf(path);
    pdf.setTitle(report.title);
    pdf.setCreator(QStringLiteral("Pelora"));
    pdf.setResolution(600);
    setUpPage(pdf, report);
    QPainter painter;
    if (!painter.begin(&pdf))
        throw ExportError("The PDF could not be written.");
    paintReport(painter, pdf, report);
    if (!painter.end())
        throw ExportError("The PDF could not be written.");
}

} // namespace pelora::report
