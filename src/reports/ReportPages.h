#pragma once

#include "reports/Report.h"

#include <vector>

namespace pelora::report {

// Where a report's bands fall on its pages, in millimetres from the top margin. The title stands
// on the first page only; the column header heads every page; the page number line sits at the
// foot. A group header never ends a page: it moves over with the band it heads.
struct PlacedBand {
    int band = 0; // index into Report::bands
    double topMm = 0;
};

struct Page {
    bool hasTitle = false;
    double headerTopMm = 0;
    std::vector<PlacedBand> bands;
};

class ReportPages {
public:
    explicit ReportPages(const Report& report);

    int count() const { return static_cast<int>(pages_.size()); }
    const Page& page(int index) const { return pages_.at(index); }
    // "Page 2 of 5".
    QString pageNumberText(int index) const;

    static double pageWidthMm(Orientation orientation);
    static double pageHeightMm(Orientation orientation);

private:
    std::vector<Page> pages_;
};

} // namespace pelora::report
