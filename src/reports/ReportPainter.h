#pragma once

#include "reports/Report.h"

#include <QString>

class QPagedPaintDevice;
class QPainter;
class QPrinter;

namespace pelora::report {

class ReportPages;

// Draws a report's pages as its bands place them: on a printer, the preview's printer, or a
// PDF. The device is set to A4 in the report's orientation with no margins of its own: the
// report keeps its 10 mm.
void setUpPage(QPagedPaintDevice& device, const Report& report);
void paintPage(QPainter& painter, const Report& report, const ReportPages& pages, int page);
// Every page, from the first; the device must have been set up.
void paintReport(QPainter& painter, QPagedPaintDevice& device, const Report& report);
void printReport(QPrinter& printer, const Report& report);
// Throws ExportError when the file cannot be written.
void writePdf(const Report& report, const QString& path);

} // namespace pelora::report
