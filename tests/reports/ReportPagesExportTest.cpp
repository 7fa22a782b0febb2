#include "reports/DmyReport.h"
#include "reports/ReceiptReports.h"
#include "reports/ReportExport.h"
#include "reports/ReportPages.h"

#include "ReportFixture.h"

#include <QFile>
#include <QTemporaryDir>

using namespace pelora;
using namespace pelora::report;
using test::money;

namespace {

// Every band once and in order, the column header above the first band of each page, nothing
// below the page number line, and no page but the last ending on a group header.
void expectWellPaged(const Report& r, const std::string& what) {
    SCOPED_TRACE(what);
    const ReportPages pages(r);
    const double bottom = ReportPages::pageHeightMm(r.orientation) - 2 * kMarginMm - kFooterMm;
    int next = 0;
    for (int p = 0; p < pages.count(); ++p) {
        const Page& page = pages.page(p);
        EXPECT_EQ(page.hasTitle, p == 0);
        ASSERT_FALSE(page.bands.empty());
        EXPECT_GE(page.bands.front().topMm, page.headerTopMm + kLineMm);
        for (const PlacedBand& placed : page.bands) {
            EXPECT_EQ(placed.band, next++);
            EXPECT_LE(placed.topMm + kLineMm, bottom);
        }
        if (p + 1 < pages.count()) {
            EXPECT_NE(r.bands.at(static_cast<std::size_t>(page.bands.back().band)).kind, BandKind::GroupHeader)
                << "page " << p + 1;
        }
    }
    EXPECT_EQ(next, static_cast<int>(r.bands.size()));
}

TEST(ReportPagesTest, PagesAreNumberedEachUnderTheColumnHeaderAndAGroupHeaderMovesOverWithItsBand) {
    // Every position of a group header near the foot of a page.
    for (int before = 25; before <= 40; ++before) {
        Report r;
        r.columnHeader = {text(QStringLiteral("Name"), 0)};
        for (int i = 0; i < before; ++i)
            r.bands.push_back({BandKind::Detail, {text(QStringLiteral("row"), 0)}});
        for (int g = 0; g < 3; ++g) {
            r.bands.push_back({BandKind::GroupHeader, {text(QStringLiteral("group"), 0)}});
            r.bands.push_back({BandKind::Detail, {text(QStringLiteral("row"), 0)}});
        }
        expectWellPaged(r, std::to_string(before) + " rows before");
    }
    // Receipts with a line each, over several pages.
    ReceiptReportFigures receipts;
    for (int id = 1; id <= 40; ++id)
        receipts.receipts.push_back({id, {}, "Bar", "Table 1", "Cash", money("9"), ReportTotals{},
                                     {{QStringLiteral("Beer"), ReportTotals{}}}});
    const Report lines = receiptLineReport(QStringLiteral("Lines"), receipts);
    const ReportPages pages(lines);
    ASSERT_GT(pages.count(), 2);
    EXPECT_EQ(pages.pageNumberText(0), QStringLiteral("Page 1 of %1").arg(pages.count()));
    EXPECT_EQ(pages.pageNumberText(pages.count() - 1), QStringLiteral("Page %1 of %1").arg(pages.count()));
    expectWellPaged(lines, "receipts and lines");
    // A daily report without breakdowns, or one whose days had no discounts: periods and
    // nothing under them.
    DmyFigures figures;
    figures.choices = test::only({Breakdown::Discount});
    for (int day = 1; day <= 60; ++day)
        figures.rows.push_back({QString::number(day), {}, {}});
    expectWellPaged(dmyReport(QStringLiteral("Daily"), figures), "periods only");
}

Report sheet() {
    Report r;
    r.title = QStringLiteral("Stock, all");
    r.sheetColumns = {QStringLiteral("Name"), QStringLiteral("Note"), QStringLiteral("Price")};
    r.bands.push_back({BandKind::Detail,
                       {text(QStringLiteral("Smith, J"), 0, 0, 0), text(QStringLiteral("say \"hi\""), 40, 0, 1),
                        amount(money("12.5"), 80, 20, 2)}});
    r.bands.push_back({BandKind::Detail,
                       {text(QStringLiteral("=SUM(A1:A2)"), 0, 0, 0), text(QStringLiteral("two\nlines"), 40, 0, 1),
                        amount(money("-3"), 80, 20, 2)}});
    r.bands.push_back({BandKind::Detail, {text(QStringLiteral("on the page only"), 0)}});
    return r;
}

// The bytes of the sheet as written into a file of that name.
QByteArray exported(void (*write)(const Report&, const QString&), const char* name) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(name));
    write(sheet(), path);
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(ReportExportTest, CsvQuotesWhatMustBeQuotedAndNeverStartsAFormula) {
    EXPECT_EQ(exported(writeCsv, "stock.csv"), QByteArray("\"Stock, all\"\r\n"
                                                          "Name,Note,Price\r\n"
                                                          "\"Smith, J\",\"say \"\"hi\"\"\",12.50\r\n"
                                                          "'=SUM(A1:A2),\"two\nlines\",-3.00\r\n"));
}

TEST(ReportExportTest, XlsxIsAZipFileAndAnUnwritablePathIsAnExportError) {
    EXPECT_TRUE(exported(writeXlsx, "stock.xlsx").startsWith("PK\x03\x04"));
    EXPECT_THROW(exported(writeXlsx, "missing/stock.xlsx"), ExportError);
    EXPECT_THROW(exported(writeCsv, "missing/stock.csv"), ExportError);
}

} // namespace
