#include "reports/ReportPages.h"

namespace pelora::report {

double ReportPages::pageWidthMm(Orientation orientation) {
    return orientation == Orientation::Landscape ? 297.0 : 210.0;
}

double ReportPages::pageHeightMm(Orientation orientation) {
    return orientation == Orientation::Landscape ? 210.0 : 297.0;
}

ReportPages::ReportPages(const Report& report) {
    const double bottom = pageHeightMm(report.orientation) - 2 * kMarginMm - kFooterMm;
    const auto startPage = [&](bool first) {
        Page page;
        page.hasTitle = first;
        page.headerTopMm = first ? kTitleMm : 0;
        pages_.push_back(page);
        return page.headerTopMm + (report.columnHeader.empty() ? 0 : kLineMm + 1);
    };
    double y = startPage(true);
    const int count = static_cast<int>(report.bands.size());
    for (int i = 0; i < count; ++i) {
        // A group header needs room for itself and the band after it.
        const bool keepWithNext = report.bands[i].kind == BandKind::GroupHeader && i + 1 < count;
        const double needed = keepWithNext ? 2 * kLineMm : kLineMm;
        if (y + needed > bottom && !pages_.back().bands.empty())
            y = startPage(false);
        pages_.back().bands.push_back({i, y});
        y += kLineMm;
    }
}

QString ReportPages::pageNumberText(int index) const {
    return QStringLiteral("Page %1 of %2").arg(index + 1).arg(count());
}

} // namespace pelora::report
