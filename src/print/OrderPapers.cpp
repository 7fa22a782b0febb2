#include "print/OrderPapers.h"

#include "common/DateTimeText.h"
#include "print/DocketLayout.h"
#include "print/OutputDeviceTable.h"
#include "print/PrintFrame.h"

namespace pelora {

bool printOrders(const Printing& printing, const std::vector<OrderLine>& lines, const OrderTab& tab) {
    bool whole = true;
    const db::TextTable& outputs = printing.outputs.entries();
    for (int row = 0; row < outputs.rowCount(); ++row) {
        std::vector<const OrderLine*> entries;
        for (const OrderLine& line : lines)
            if (line.outputName == outputs.at(row, OutputDeviceTable::OutputName) &&
                line.belongsTo(tab.tabId, tab.caption) && (tab.all || !line.processed))
                entries.push_back(&line);
        if (entries.empty())
            continue;
        whole = printOrderOutput(printing, row, entries, tab.caption) && whole;
    }
    return whole;
}

bool printOrderOutput(const Printing& printing, int row, const std::vector<const OrderLine*>& entries,
                      const QString& tabCaption) {
    const OutputFrame frame = OutputFrame::of(printing.outputs, row, printing.spooler);
    if (!frame.prints() || entries.empty())
        return true;
    const OrderLine& first = *entries.front();
    // Options and messages wrap under the item, indented by five; a paper narrower than six
    // characters leaves them unbroken.
    const int piece = frame.bodyWidth - 5;
    return printPaper(printing.spooler, frame, [&](Paper& paper) {
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
}

} // namespace pelora
