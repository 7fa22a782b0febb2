#include "sales/ItemValues.h"

#include "common/Mode.h"
#include "db/Query.h"
#include "sales/ButtonCache.h"
#include "sales/LineRecord.h"

namespace pelora {

namespace {

Money money(const QString& text) { return Money::parse(text).value_or(Money()); }

QString itemSql() {
    QString sql = QStringLiteral(
        "SELECT item.id, item.name AS itemname, item.qty, item.cost1, item.price1, item.tax1,"
        " item.cost2, item.price2, item.tax2, item.cost3, item.price3, item.tax3");
    for (int n = 1; n <= LineMath::kOptionSlots; ++n)
        sql += QStringLiteral(", item.opt%1caption, item.opt%1auto, item.opt%1prompt, item.opt%1forced,"
                              " item.opt%1cost, item.opt%1price, item.opt%1tax")
                   .arg(n);
    sql += QStringLiteral(", item.stopdisc, output.name AS outputname"
                          " FROM item LEFT JOIN output ON item.outputid = output.id WHERE item.id = ?");
    return sql;
}

} // namespace

int ItemValues::priceLevel(QStringView priceMode) {
    const int level = modeNumber(priceMode);
    return level >= 1 && level <= 3 ? level : 0;
}

std::optional<ItemValues> ItemValues::fromCache(const ButtonCache& cache, int itemId, int priceLevel) {
    const db::TextTable& rows = cache.rows();
    const QString id = QString::number(itemId);
    for (int r = 0; r < rows.rowCount(); ++r) {
        if (rows.at(r, ButtonCache::ItemId) != id)
            continue;
        ItemValues v;
        v.name = rows.at(r, ButtonCache::ItemName);
        static constexpr ButtonCache::Column kCost[] = {ButtonCache::Cost1, ButtonCache::Cost2, ButtonCache::Cost3};
        static constexpr ButtonCache::Column kPrice[] = {ButtonCache::Price1, ButtonCache::Price2,
                                                         ButtonCache::Price3};
        static constexpr ButtonCache::Column kTax[] = {ButtonCache::Tax1, ButtonCache::Tax2, ButtonCache::Tax3};
        if (priceLevel >= 1) {
            v.cost = money(rows.at(r, kCost[priceLevel - 1]));
            v.price = money(rows.at(r, kPrice[priceLevel - 1]));
            v.tax = money(rows.at(r, kTax[priceLevel - 1]));
        }
        for (int n = 1; n <= LineMath::kOptionSlots; ++n) {
            Option& o = v.options[n - 1];
            o.caption = rows.at(r, ButtonCache::optionColumn(n, ButtonCache::OptCaption));
            o.autoFlag = rows.at(r, ButtonCache::optionColumn(n, ButtonCache::OptAuto));
            o.prompt = rows.at(r, ButtonCache::optionColumn(n, ButtonCache::OptPrompt));
            o.forced = rows.at(r, ButtonCache::optionColumn(n, ButtonCache::OptForced));
            o.cost = money(rows.at(r, ButtonCache::optionColumn(n, ButtonCache::OptCost)));
            o.price = money(rows.at(r, ButtonCache::optionColumn(n, ButtonCache::OptPrice)));
            o.tax = money(rows.at(r, ButtonCache::optionColumn(n, ButtonCache::OptTax)));
        }
        v.outputName = rows.at(r, ButtonCache::OutputName);
        v.stopDisc = rows.at(r, ButtonCache::StopDisc);
        return v;
    }
    return std::nullopt;
}

ItemValues ItemValues::fromDatabase(db::Connection& db, int itemId, int priceLevel) {
    static const QString sql = itemSql();
    db::Query item(db);
    item.setSql(sql);
    item.open({itemId});
    ItemValues v;
    if (item.isEmpty())
        return v;
    v.name = item.value(u"itemname").asText();
    if (priceLevel >= 1) {
        const QString level = QString::number(priceLevel);
        v.cost = item.value(QString(QStringLiteral("cost") + level)).asMoney();
        v.price = item.value(QString(QStringLiteral("price") + level)).asMoney();
        v.tax = item.value(QString(QStringLiteral("tax") + level)).asMoney();
    }
    for (int n = 1; n <= LineMath::kOptionSlots; ++n) {
        Option& o = v.options[n - 1];
        o.caption = item.value(LineRecord::optionColumn(n, u"caption")).asText();
        o.autoFlag = item.value(LineRecord::optionColumn(n, u"auto")).asText();
        o.prompt = item.value(LineRecord::optionColumn(n, u"prompt")).asText();
        o.forced = item.value(LineRecord::optionColumn(n, u"forced")).asText();
        o.cost = item.value(LineRecord::optionColumn(n, u"cost")).asMoney();
        o.price = item.value(LineRecord::optionColumn(n, u"price")).asMoney();
        o.tax = item.value(LineRecord::optionColumn(n, u"tax")).asMoney();
    }
    v.outputName = item.value(u"outputname").asText();
    v.stopDisc = item.value(u"stopdisc").asText();
    return v;
}

} // namespace pelora
