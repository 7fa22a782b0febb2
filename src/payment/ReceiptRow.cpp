#include "payment/ReceiptRow.h"

#include "db/Query.h"

namespace pelora {

ReceiptRow ReceiptRow::of(const db::Query& receipts) {
    ReceiptRow row;
    if (!receipts.isOpen())
        return row;
    row.id = static_cast<int>(receipts.value(u"id").asInt());
    row.istamp = receipts.value(u"istamp").asDateTime();
    row.total = receipts.value(u"total").asMoney();
    row.tendered = receipts.value(u"tendered").asMoney();
    row.mop = receipts.value(u"mop").asText();
    row.cr = receipts.value(u"cr").asMoney();
    row.tabRef = receipts.value(u"tabref").asText();
    row.pcRef = receipts.value(u"pcref").asText();
    row.staffRef = receipts.value(u"staffref").asText();
    row.revRecId = static_cast<int>(receipts.value(u"revrecid").asInt());
    row.tabId = static_cast<int>(receipts.value(u"tabid").asInt());
    return row;
}

} // namespace pelora
