#include "payment/ReceiptLines.h"

#include "common/Money.h"
#include "payment/ReceiptCommit.h"
#include "print/LineTexts.h"

namespace pelora {

ReceiptLines::ReceiptLines(db::Connection& db) : recline1_(db) {
    recline1_.setSql(QStringLiteral("SELECT id, pcref, staffref, recid, %1 FROM recline WHERE recid = ? ORDER BY id")
                         .arg(ReceiptCommit::copiedColumns().join(QStringLiteral(", "))));
}

void ReceiptLines::LoadReceiptLines(int receiptId) { recline1_.open({receiptId}); }

ReceiptLines::Card ReceiptLines::cardOf(const db::Query& line) {
    Card card;
    card.qty = line.value(u"qty").asText() + QStringLiteral(" x");
    card.itemName = line.value(u"itemname").asText();
    card.price = moneyText(line.value(u"extprice").asDouble());
    card.options = optionText(LineOptions::of(line));
    card.message = messageText(line.value(u"optmsg").asText(), line.value(u"splitref").asText(),
                               line.value(u"splitmsg").asText(), QStringLiteral(": "));
    return card;
}

std::vector<ReceiptLines::Card> ReceiptLines::cards() {
    std::vector<Card> all;
    if (!recline1_.isOpen())
        return all;
    for (int r = 0; r < recline1_.rowCount(); ++r) {
        recline1_.moveTo(r);
        all.push_back(cardOf(recline1_));
    }
    recline1_.first();
    return all;
}

} // namespace pelora
