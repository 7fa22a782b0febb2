#include "sales/ItemAdder.h"

#include "app/TerminalSettings.h"
#include "common/Flag.h"
#include "common/Prompter.h"
#include "db/Query.h"
#include "db/StoredProc.h"
#include "sales/ItemValues.h"
#include "sales/LineRecord.h"
#include "sales/SalesState.h"

namespace pelora {

namespace {

QString insertSql() {
    QStringList columns{QStringLiteral("id"),     QStringLiteral("pcref"),   QStringLiteral("staffref"),
                        QStringLiteral("tabid"),  QStringLiteral("itemid"),  QStringLiteral("itemname"),
                        QStringLiteral("qty"),    QStringLiteral("cost"),    QStringLiteral("price"),
                        QStringLiteral("tax"),    QStringLiteral("discname"), QStringLiteral("discrate")};
    for (int n = 1; n <= LineMath::kOptionSlots; ++n)
        for (const char16_t* suffix : {u"caption", u"prompt", u"forced", u"cost", u"price", u"tax"})
            columns << LineRecord::optionColumn(n, suffix);
    columns << QStringLiteral("adjcost") << QStringLiteral("adjprice") << QStringLiteral("adjtax")
            << QStringLiteral("extcost") << QStringLiteral("extprice") << QStringLiteral("exttax")
            << QStringLiteral("outputname") << QStringLiteral("stopdisc") << QStringLiteral("itemqty");
    return QStringLiteral("INSERT INTO tabline1 (%1) VALUES (%2)")
        .arg(columns.join(QStringLiteral(", ")),
             QStringLiteral("?, ").repeated(columns.size() - 1) + QStringLiteral("?"));
}

} // namespace

double ItemAdder::lineRate(const std::optional<double>& rate, QStringView stopOverride, QStringView stopDisc) {
    if (!rate)
        return 0;
    if (!isTrue(stopOverride) && !isFalse(stopDisc))
        return 0;
    return *rate;
}

std::optional<ItemAdder::Added> ItemAdder::add(const Context& c, int itemId, bool fromDatabase) {
    const bool stocktake = c.tabId == SalesState::kStocktakeTab;
    if (stocktake) {
        db::Query counted(c.db);
        counted.setSql(QStringLiteral(
            "SELECT itemid, itemname FROM tabline1 WHERE tabid = 2 AND pcref = ? AND itemid = ?"));
        counted.open({c.pcRef, itemId});
        if (!counted.isEmpty()) {
            c.prompter.information(QStringLiteral("Item: ") + counted.value(u"itemname").asText() +
                                   QStringLiteral(" has already been counted."));
            return std::nullopt;
        }
    }

    const int level = ItemValues::priceLevel(c.settings.priceMode);
    // A button whose item the cache does not hold (no cache at all, say) reads the item row
    // rather than adding a nameless line priced 0.
    std::optional<ItemValues> cached;
    if (!isTrue(c.master.itemRequery) && !fromDatabase)
        cached = ItemValues::fromCache(c.buttons, itemId, level);
    const ItemValues item = cached ? *cached : ItemValues::fromDatabase(c.db, itemId, level);

    if (c.tabId == SalesState::kNoTab) {
        c.prompter.information(QStringLiteral("First select a Tab."));
        return std::nullopt;
    }

    c.proc.setName(QStringLiteral("disc_namerate_lookup"));
    c.proc.setParam(0, c.tabId);
    c.proc.execute();
    const QString discName = c.proc.value(u"name").asText();
    const db::Value& rateValue = c.proc.value(u"rate");
    const double rate = lineRate(rateValue.isNull() ? std::nullopt : std::optional(rateValue.asDouble()),
                                 c.proc.value(u"stopoveride").asText(), item.stopDisc);

    double qty = 1;
    double stock = 0;
    if (stocktake) {
        qty = 0;
        db::Query itemQty(c.db);
        itemQty.setSql(QStringLiteral("SELECT qty FROM item WHERE id = ?"));
        itemQty.open({itemId});
        stock = itemQty.value(u"qty").asDouble();
    }

    const int id = c.proc.nextId(QStringLiteral("tabline1"));
    std::vector<db::Value> values{id,       c.pcRef,    c.staffRef, c.tabId,   itemId, item.name,
                                  qty,      item.cost,  item.price, item.tax,  discName, rate};
    for (const ItemValues::Option& o : item.options) {
        values.emplace_back(o.caption);
        values.emplace_back(o.prompt);
        values.emplace_back(o.forced);
        values.emplace_back(o.cost);
        values.emplace_back(o.price);
        values.emplace_back(o.tax);
    }
    for (Money unit : {item.cost, item.price, item.tax})
        values.emplace_back(unit); // adjusted
    for (Money unit : {item.cost, item.price, item.tax})
        values.emplace_back(unit); // extended
    values.emplace_back(item.outputName);
    values.emplace_back(item.stopDisc);
    values.emplace_back(stock);
    static const QString sql = insertSql();
    c.db.run(sql, values);
    Added added{id, rate, {}};
    for (int n = 1; n <= LineMath::kOptionSlots; ++n) {
        const ItemValues::Option& o = item.options[static_cast<std::size_t>(n - 1)];
        if (isTrue(o.autoFlag) && !o.prompt.isEmpty())
            added.autoOptions.push_back(n);
    }
    return added;
}

} // namespace pelora
