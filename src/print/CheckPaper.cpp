#include "print/CheckPaper.h"

#include "common/DateTimeText.h"
#include "db/ServerClock.h"
#include "print/DocketLayout.h"
#include "print/OutputDeviceTable.h"
#include "print/PrintFrame.h"

namespace pelora {

namespace {

QStringList checkBody(const CheckHeading& heading, const CheckLines& check, const QDateTime& when, int width) {
    using namespace docket;
    QStringList lines;
    lines << QStringLiteral("Check for Tab:") + heading.tabText + QStringLiteral(" PC:") + heading.pcRef;
    if (!check.scope.wholeTab)
        lines << QStringLiteral("Split:") + check.scope.caption();
    lines << dateTimeDisplay(when);
    lines << columnHeader(width);
    Money tax, discounts;
    for (const CheckLine& line : check.lines) {
        lines << itemLine(line.qty, line.itemName, line.extPrice, line.extTax > Money(), width);
        lines << detailLines(optionText(line.options), width);
        // A whole-tab check tells whose each line is.
        const QString message =
            check.scope.wholeTab ? messageText(line.optMsg, line.splitRef, QString()) : line.optMsg;
        lines << detailLines(message, width);
        tax += line.extTax;
        discounts += line.disc;
    }
    lines << summaryLine(QStringLiteral("Total:"), check.total, width);
    // A pre-tender taken for one guest's check stays in the window; on a check it does not
    // cover it would read as a negative change, so it is left off.
    if (heading.tendered && *heading.tendered >= check.total) {
        lines << summaryLine(QStringLiteral("Tendered:"), *heading.tendered, width);
        lines << summaryLine(QStringLiteral("Change:"), *heading.tendered - check.total, width);
    }
    lines << summaryLine(QStringLiteral("* Included Tax:"), tax, width);
    if (discounts > Money())
        lines << summaryLine(QStringLiteral("Included Discount:"), discounts, width);
    return lines;
}

} // namespace

void printCheck(const Printing& printing, db::ServerClock& clock, const CheckHeading& heading,
                const CheckLines& check) {
    const OutputFrame frame =
        OutputFrame::of(printing.outputs, printing.outputs.find(QStringLiteral("Check")), printing.spooler);
    if (!frame.prints())
        return;
    // The time is asked before the printer is opened: a failed query leaves no half paper.
    const QStringList lines = checkBody(heading, check, clock.now(), frame.bodyWidth);
    printLinesPaper(printing.spooler, frame, lines, QStringLiteral("the check"));
}

} // namespace pelora
