#include "print/ReceiptDocket.h"

#include "common/DateTimeText.h"
#include "common/Mode.h"
#include "db/Query.h"
#include "print/CashDrawer.h"
#include "print/DocketLayout.h"
#include "print/LineTexts.h"
#include "print/OutputDeviceTable.h"
#include "print/PrintFrame.h"

namespace pelora {

namespace {

QString lineQuery() {
    QString sql = QStringLiteral("SELECT recline.id, recline.itemname, recline.qty, recline.disc");
    for (int n = 1; n <= 10; ++n)
        sql += QStringLiteral(", opt%1caption, opt%1choice").arg(n);
    return sql + QStringLiteral(
                     ", recline.extprice, recline.exttax, receipt.id AS recid, receipt.istamp,"
                     " receipt.pcref, receipt.tabref, receipt.total, receipt.tendered, receipt.mop, receipt.cr"
                     " FROM recline LEFT JOIN receipt ON recline.recid = receipt.id"
                     " WHERE receipt.id = ?");
}

// What the receipt charged for its lines: its total, which the layout's rounding may have
// moved off the lines' sum; on a part-account sale the total holds only what was tendered for,
// and the account's part is added. A receipt without a total charged the lines' sum.
Money chargedFor(const db::Value& total, Money tendered, Money cr, Money linesSum) {
    if (total.isNull())
        return linesSum;
    const bool partAccount = cr > Money() && tendered > Money();
    return total.asMoney() + (partAccount ? cr : Money());
}

QStringList receiptLines(db::Connection& db, int receiptId, int width) {
    using namespace docket;
    db::Query query(db);
    query.setSql(lineQuery());
    query.open({receiptId});
    const bool hasLines = !query.isEmpty();
    if (!hasLines) {
        query.setSql(QStringLiteral("SELECT id AS recid, istamp, pcref, staffref, tabref, tendered, mop, cr"
                                    " FROM receipt WHERE receipt.id = ?"));
        query.open({receiptId});
        if (query.isEmpty())
            return {}; // no such receipt: no paper
    }
    const auto text = [&](const char16_t* column) { return query.value(QStringView(column)).asText(); };
    const auto money = [&](const char16_t* column) { return query.value(QStringView(column)).asMoney(); };

    QStringList lines;
    lines << QStringLiteral("Docket No.") + text(u"recid") + QStringLiteral(" Tab:") + text(u"tabref") +
                 QStringLiteral(" PC:") + text(u"pcref");
    lines << dateTimeDisplay(query.value(u"istamp").asDateTime());
    const QString mop = text(u"mop");
    const Money tendered = money(u"tendered");
    if (!hasLines) {
        const QString way = tendered > Money() ? QStringLiteral(" Paid In: ") : QStringLiteral(" Paid Out: ");
        lines << rightAligned(mop + way + summaryAmount(tendered < Money() ? -tendered : tendered), width);
        return lines;
    }
    const Money cr = money(u"cr");
    const db::Value receiptTotal = query.value(u"total");
    lines << columnHeader(width);
    Money discounts, total, tax;
    for (query.first(); !query.eof(); query.next()) {
        const Money lineTax = money(u"exttax");
        lines << itemLine(query.value(u"qty").asDouble(), text(u"itemname"), money(u"extprice"), lineTax > Money(), width);
        lines << detailLines(optionText(LineOptions::of(query)), width);
        discounts += money(u"disc");
        total += money(u"extprice");
        tax += lineTax;
    }
    // The docket shows what was charged: a rounded total says by how much it left the lines.
    const Money charged = chargedFor(receiptTotal, tendered, cr, total);
    if (charged != total)
        lines << summaryLine(QStringLiteral("Rounding:"), charged - total, width);
    lines << summaryLine(QStringLiteral("Total:"), charged, width);
    if (charged > Money()) {
        const Money paid = tendered + cr;
        QString tenderedLine = mop;
        if (cr > Money() && tendered > Money())
            tenderedLine += QStringLiteral(" & Cr (") + cr.toString() + QStringLiteral(") ");
        tenderedLine += QStringLiteral(" Tendered:") + summaryAmount(paid < Money() ? -paid : paid);
        lines << rightAligned(tenderedLine, width);
        lines << summaryLine(QStringLiteral("Change:"), paid - charged, width);
    } else if (charged < Money()) {
        lines << rightAligned(mop + QStringLiteral(" Refund:") + summaryAmount(-charged), width);
    }
    lines << summaryLine(QStringLiteral("* Included Tax:"), tax, width);
    if (discounts > Money())
        lines << summaryLine(QStringLiteral("Included Discount:"), discounts, width);

    query.setSql(QStringLiteral(
        "SELECT icat.cat, SUM(recline.extprice) AS sumextprice"
        " FROM recline LEFT JOIN icat ON recline.itemid = icat.itemid"
        " WHERE recline.recid = ? AND icat.topcat = 'T'"
        " GROUP BY icat.cat ORDER BY 2 DESC"));
    for (query.open({receiptId}); !query.eof(); query.next())
        lines << text(u"cat") + QStringLiteral(": ") + money(u"sumextprice").toString();
    return lines;
}

} // namespace

void printDocket(const Printing& printing, int receiptId) {
    const OutputFrame frame =
        OutputFrame::of(printing.outputs, printing.outputs.find(QStringLiteral("Docket")), printing.spooler);
    if (!frame.prints())
        return;
    // The rows are read before the printer is opened: a failed query leaves no half paper.
    const QStringList lines = receiptLines(printing.db, receiptId, frame.bodyWidth);
    if (lines.isEmpty())
        return;
    printLinesPaper(printing.spooler, frame, lines, QStringLiteral("the docket of receipt %1").arg(receiptId));
}

void printReceiptOutputs(const Printing& printing, QStringView docketMode, QStringView drawerMode,
                         int receiptId) {
    if (modeIs(docketMode, '2') || modeIs(docketMode, '3'))
        openDrawer(printing.spooler, printing.outputs, drawerMode, printing.prompter);
    if (modeIs(docketMode, '1') || modeIs(docketMode, '2'))
        printDocket(printing, receiptId);
}

} // namespace pelora
