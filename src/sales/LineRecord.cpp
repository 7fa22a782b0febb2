#include "sales/LineRecord.h"

#include "db/RowSet.h"

namespace pelora::LineRecord {

QString optionColumn(int n, QStringView suffix) {
    return QStringLiteral("opt") + QString::number(n) + suffix;
}

const QStringList& movedColumns() {
    static const QStringList columns = [] {
        QStringList c{QStringLiteral("id"),       QStringLiteral("pcref"),    QStringLiteral("staffref"),
                      QStringLiteral("tabid"),    QStringLiteral("itemid"),   QStringLiteral("itemname"),
                      QStringLiteral("qty"),      QStringLiteral("cost"),     QStringLiteral("price"),
                      QStringLiteral("tax"),      QStringLiteral("discname"), QStringLiteral("discrate"),
                      QStringLiteral("disc")};
        for (int n = 1; n <= LineMath::kOptionSlots; ++n)
            for (const char16_t* suffix : {u"caption", u"prompt", u"forced", u"choice", u"cost", u"price", u"tax"})
                c << optionColumn(n, suffix);
        c << QStringLiteral("adjcost") << QStringLiteral("adjprice") << QStringLiteral("adjtax")
          << QStringLiteral("extcost") << QStringLiteral("extprice") << QStringLiteral("exttax")
          << QStringLiteral("splitref") << QStringLiteral("splitmsg") << QStringLiteral("optmsg")
          << QStringLiteral("outputname") << QStringLiteral("stopdisc") << QStringLiteral("processed");
        return c;
    }();
    return columns;
}

LineMath::LineInput input(const db::Query& line) {
    LineMath::LineInput in;
    in.qty = line.value(u"qty").asDouble();
    in.cost = line.value(u"cost").asDouble();
    in.price = line.value(u"price").asDouble();
    in.tax = line.value(u"tax").asDouble();
    in.discRate = line.value(u"discrate").asDouble();
    for (int n = 1; n <= LineMath::kOptionSlots; ++n) {
        LineMath::OptionAmounts& option = in.options[n - 1];
        option.chosen = !line.value(optionColumn(n, u"choice")).asText().isEmpty();
        option.cost = line.value(optionColumn(n, u"cost")).asDouble();
        option.price = line.value(optionColumn(n, u"price")).asDouble();
        option.tax = line.value(optionColumn(n, u"tax")).asDouble();
    }
    return in;
}

void write(db::RowSet& line, const LineMath::LineAmounts& amounts) {
    line.setField(u"adjcost", amounts.adjCost);
    line.setField(u"adjprice", amounts.adjPrice);
    line.setField(u"adjtax", amounts.adjTax);
    line.setField(u"extcost", amounts.extCost);
    line.setField(u"extprice", amounts.extPrice);
    line.setField(u"exttax", amounts.extTax);
    line.setField(u"disc", amounts.disc);
}

} // namespace pelora::LineRecord
