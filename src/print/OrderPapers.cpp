#include "print/OrderPapers.h"

#include "common/DateTimeText.h"
#include "print/DocketLayout.h"
#include "print/OutputDeviceTable.h"
#include "print/PrintFrame.h"
#include "print/Spooler.h"

#include <algorithm>

namespace pelora {

std::vector<OrderPaperFailure> printOrders(const Printing& printing, const std::vector<OrderLine>& lines,
                                           const OrderTab& tab) {
    std::vector<OrderPaperFailure> failures;
    const OutputDeviceTable& table = printing.outputs;
    const db::TextTable& outputs = table.entries();
    for (int row = 0; row < outputs.rowCount(); ++row) {
        const QString& output = outputs.at(row, OutputDeviceTable::OutputName);
        std::vector<const OrderLine*> entries;
        for (const OrderLine& line : lines)
            if (line.outputName == output && line.belongsTo(tab.tabId, tab.caption) && (tab.all || !line.processed))
                entries.push_back(&line);
        if (entries.empty())
            continue;
        if (std::optional<QString> failure = printOrderOutput(printing, row, entries, tab.caption))
            failures.push_back({output, std::move(*failure)});
    }
    // A line whose output has no printer here is said, never passed over: the kitchen would
    // otherwise not hear of a dish the till shows as sent.
    for (const OrderLine& line : lines) {
        if (!line.belongsTo(tab.tabId, tab.caption) || (!tab.all && line.processed) ||
            !table.printsLinesOf(line.outputName) || table.find(line.outputName) >= 0)
            continue;
        const bool said = std::any_of(failures.begin(), failures.end(),
                                      [&](const OrderPaperFailure& f) { return f.outputName == line.outputName; });
        if (!said)
            failures.push_back({line.outputName, noPrinterMessage(line.outputName, table.pcRef())});
    }
    return failures;
}

QString noPrinterMessage(const QString& outputName, const QString& pcRef) {
    return QStringLiteral("%1 has no printer on this till (%2).").arg(outputName, pcRef);
}

std::optional<QString> printOrderOutput(const Printing& printing, int row,
                                        const std::vector<const OrderLine*>& entries, const QString& tabCaption) {
    try {
        const OutputFrame frame = OutputFrame::of(printing.outputs, row, printing.spooler);
        if (!frame.prints() || entries.empty())
            return std::nullopt;
        const OrderLine& first = *entries.front();
        // Options and messages wrap under the item, indented by five; a paper narrower than six
        // characters leaves them unbroken.
        const int piece = frame.bodyWidth - 5;
        const bool whole = printPaper(printing.spooler, frame, [&](Paper& paper) {
            paper.line(QStringLiteral("Order for Tab:") + tabCaption + QStringLiteral(" PC:") + first.pcRef);
            paper.line(QStringLiteral("Output:") + first.outputName);
            paper.line(dateTimeDisplay(first.stamp));
            for (const OrderLine* entry : entries) {
                paper.line(docket::quantityColumn(entry->qty) + entry->itemName);
                for (const QString& text : {entry->optionText(), entry->messageText()})
                    for (const QString& line : docket::indentedPieces(text, piece))
                        paper.line(line);
            }
        });
        if (whole)
            return std::nullopt;
        return QStringLiteral("Printer %1 did not take the order for %2.").arg(frame.printer, first.outputName);
    } catch (const PrintError& failure) { // a printer not found, a bad code string
        return failure.message();
    }
}

} // namespace pelora
