// The database pelora-dbinit makes holds every table, column and procedure the till uses, with
// the types the till treats them as.

#include "db/Query.h"

#include "GTestSupport.h"
#include "TestDatabase.h"

#include <map>

using namespace pelora::db;
using pelora::test::DatabaseTest;

namespace {

// Type codes: i integer, s small integer, f double, t time stamp, d date, b text blob,
// vN text of N characters (flags and modes are v1).
using Columns = QStringList;

QStringList words(const char* text) {
    return QString::fromLatin1(text).split(u' ', Qt::SkipEmptyParts);
}

QStringList optionColumns(const char* kind, const char* type) {
    QStringList out;
    for (int n = 1; n <= 10; ++n)
        out << QStringLiteral("opt%1%2:%3").arg(n).arg(QLatin1String(kind), QLatin1String(type));
    return out;
}

QStringList optionMoney() {
    QStringList out;
    for (int n = 1; n <= 10; ++n)
        for (const char* m : {"cost", "price", "tax"})
            out << QStringLiteral("opt%1%2:f").arg(n).arg(QLatin1String(m));
    return out;
}

Columns lineRecord(const QString& table) {
    const bool open = table != u"recline";
    Columns c = words("id:i pcref:v20 staffref:v20");
    c << (open ? QStringLiteral("tabid:i") : QStringLiteral("recid:i"));
    c << words("itemid:i itemname:v20 qty:f cost:f price:f tax:f discname:v20 discrate:f disc:f");
    c << optionColumns("caption", "v10");
    if (open)
        c << optionColumns("prompt", "v50") << optionColumns("forced", "v1");
    c << optionColumns("choice", "v20") << optionMoney();
    c << words("adjcost:f adjprice:f adjtax:f extcost:f extprice:f exttax:f splitref:v20 "
               "splitmsg:v50 optmsg:v50 outputname:v20");
    if (open)
        c << words("stopdisc:v1 processed:v1");
    if (table == u"tabline1")
        c << QStringLiteral("itemqty:f");
    c << QStringLiteral("istamp:t");
    if (!open)
        c << words("idate:d iyear:i imonth:i");
    return c;
}

std::map<QString, Columns> expectedTables() {
    std::map<QString, Columns> t;
    t["tab"] = words("id:i ref:v20 cat:v20 balance:f crlimit:f crstop:v1 crmessage:v100 crrecbal:f "
                     "crrecid:i tendered:f discid:i name:v50 street1:v40 street2:v40 suburb:v30 "
                     "state:v10 postcode:v10 hphone:v15 wphone:v15 mphone:v15 email:v50 notes:b "
                     "ustamp:t");
    t["tm"] = words("tabid:i mapid:i btncaption:v20 btnleft:i btntop:i btnwidth:i btnheight:i "
                    "imageid:i imagelrtb:v1");
    t["map"] = words("id:i name:v20 filename:v20");
    t["split"] = words("id:i ref:v20 cat:v20 discid:i msg:v50 tendered:f name:v50 street1:v40 "
                       "street2:v40 suburb:v30 state:v10 postcode:v10 hphone:v15 wphone:v15 "
                       "mphone:v15 email:v50 filename:v20 notes:b");
    t["receipt"] = words("id:i pcref:v20 staffref:v20 tabid:i tabref:v20 total:f tendered:f "
                         "mop:v10 cr:f revrecid:i istamp:t ustamp:t idate:d iyear:i imonth:i");
    for (const char* line : {"tabline1", "tabline2", "recline"})
        t[QString::fromLatin1(line)] = lineRecord(QString::fromLatin1(line));
    Columns item = words("id:i name:v20 qty:f cost1:f price1:f tax1:f cost2:f price2:f tax2:f "
                         "cost3:f price3:f tax3:f");
    item << optionColumns("caption", "v10") << optionColumns("auto", "v1")
         << optionColumns("prompt", "v50") << optionColumns("forced", "v1") << optionMoney()
         << words("stockno:v30 barcode1:v13 barcode2:v13 outputid:i stopline:v1 stopdisc:v1 "
                  "ustamp:t");
    t["item"] = item;
    t["opt"] = words("id:i itemid:i button:i choice:v20 cost:f price:f tax:f");
    t["icat"] = words("itemid:i cat:v20 topcat:v1");
    t["link"] = words("id:i name:v20");
    t["li"] = words("id:i linkid:i itemid:i linkidlink:i btncaption:v20 boxcolour:v20 boxleft:i "
                    "boxtop:i boxwidth:i boxheight:i imageid:i imagelrtb:v1");
    t["image"] = words("id:i name:v20 filename:v20");
    t["disc"] = words("id:i name:v20 rate:f restricted:v1 stopoveride:v1");
    t["mop"] = words("id:i name:v10");
    t["staff"] = words("id:i ref:v20 pword:v10 fname:v20 lname:v20");
    t["pc"] = words("id:i ref:v20 layoutid:i imagepath:v250 mapid:i outputid:i refreshrate:i "
                    "refreshmode:v1 layoutmode:v1 checkmode:v1 docketmode:v1 drawermode:v1 "
                    "nosalemode:v1");
    t["layout"] = words("id:i name:v20 filename:v20 linkid:i charset:v20 libtnfsize:s tmbtnfsize:s "
                        "restartmins:f tabmode:v1 startmode:v1 splitmode:v1 pricemode:v1 qtymode:v1 "
                        "manregmode:v1 manregcostrate:f manregtaxrate:f optmode:v1 findmode:v1 "
                        "accountmode:v1 discmode:v1 ordmode:v1 processmode:v1 countmode:v1 "
                        "refmode:v1 roundmode:v1 glyphmode:v1 logoutmode:v1");
    t["output"] = words("id:i name:v20");
    t["device"] = words("id:i name:v50 cat:v1");
    t["od"] = words("id:i pcref:v20 outputid:i deviceid:i begincode1:v25 begincode2:v25 "
                    "endcode1:v25 endcode2:v25 ejectlines:s htext:v250 hfont:v10 hcpl:s halign:v1 "
                    "bfont:v10 bcpl:s ftext:v250 ffont:v10 fcpl:s falign:v1");
    t["eventlog"] = words("id:i stamp:t pcref:v20 staffref:v20 approver:v10 kind:v20 tabref:v20 "
                          "itemname:v20 qty:f amount:f detail:v100");
    t["stocktake"] = words("id:i pcref:v20 staffref:v20 istamp:t");
    t["stline"] = words("id:i stocktakeid:i itemid:i itemname:v20 itemqty:f countqty:f cost:f "
                        "price:f tax:f extcost:f extprice:f exttax:f istamp:t ustamp:t");
    Columns master = words("id:i linkrequery:v1 itemrequery:v1 optrequery:v1 tabrequery:v1 "
                           "moprequery:v1 discrequery:v1");
    for (const char* p : {"master", "pc", "staff", "layout", "image", "item", "link", "map", "tab",
                          "mop", "disc", "device", "rptx", "rpttranx", "rpttranxline", "rptday",
                          "rptmonth", "rptyear", "rptsplit", "rptac", "rptinv", "rptlog", "xdelete", "xdisc",
                          "xrefund", "xsplit", "xstocktake", "xnosale"})
        master << QStringLiteral("admin2%1:v1").arg(QLatin1String(p));
    t["master"] = master;
    return t;
}

QString typeCode(int type, int subType, int length) {
    switch (type) {
    case 7:
        return QStringLiteral("s");
    case 8:
        return QStringLiteral("i");
    case 27:
        return QStringLiteral("f");
    case 35:
        return QStringLiteral("t");
    case 12:
        return QStringLiteral("d");
    case 261:
        return subType == 1 ? QStringLiteral("b") : QStringLiteral("binary blob");
    case 37:
        return QStringLiteral("v%1").arg(length);
    default:
        return QStringLiteral("type %1").arg(type);
    }
}

class SchemaCatalogue : public DatabaseTest {};

TEST_F(SchemaCatalogue, EveryTableAndColumnInOrderWithItsType) {
    Query q(db);
    q.setSql(QStringLiteral(
        "SELECT TRIM(rf.rdb$relation_name) AS tbl, TRIM(rf.rdb$field_name) AS col, "
        "f.rdb$field_type AS ftype, f.rdb$field_sub_type AS sub, f.rdb$character_length AS len "
        "FROM rdb$relation_fields rf "
        "JOIN rdb$fields f ON f.rdb$field_name = rf.rdb$field_source "
        "JOIN rdb$relations r ON r.rdb$relation_name = rf.rdb$relation_name "
        "WHERE COALESCE(r.rdb$system_flag, 0) = 0 ORDER BY 1, rf.rdb$field_position"));
    q.open();
    std::map<QString, Columns> actual;
    for (q.first(); !q.eof(); q.next())
        actual[q.value(u"tbl").asText().toLower()]
            << q.value(u"col").asText().toLower() + u':' +
                   typeCode(int(q.value(u"ftype").asInt()), int(q.value(u"sub").asInt()),
                            int(q.value(u"len").asInt()));

    const auto expected = expectedTables();
    for (const auto& [table, columns] : expected)
        EXPECT_EQ(actual[table], columns) << "table " << table.toStdString();
    QStringList extra;
    for (const auto& [table, columns] : actual)
        if (!expected.count(table))
            extra << table;
    EXPECT_TRUE(extra.isEmpty()) << "tables no part of the till uses: " << extra.join(u' ').toStdString();
}

struct ProcedureShape {
    int inputs;
    QStringList outputs;
};

std::map<QString, ProcedureShape> expectedProcedures() {
    std::map<QString, ProcedureShape> p;
    for (const char* t : {"device", "disc", "image", "item", "layout", "li", "link", "map", "mop",
                          "od", "opt", "output", "pc", "receipt", "recline", "split", "staff",
                          "stline", "stocktake", "tab", "tabline1", "tabline2"})
        p[QLatin1String(t) + QStringLiteral("id_gen")] = {0, {QStringLiteral("counter")}};
    p["server_datetime"] = {0, {QStringLiteral("dt")}};
    p["tab_ref_lookup"] = {1, {QStringLiteral("tabref")}};
    p["tab_balcr_lookup"] = {1, words("balance crlimit crstop")};
    p["disc_namerate_lookup"] = {1, words("name rate stopoveride")};
    p["splitdisc_namerate_lookup"] = {1, words("name rate stopoveride")};
    p["split_idcat_lookup"] = {1, words("id cat")};
    p["itemqty_update"] = {2, {}};
    p["opt_choice_price_update"] = {5, {}};
    for (const char* n : {"1", "2"}) {
        const QString list = QLatin1String(n);
        for (const char* suffix : {"_processed_update", "_del_one", "_del_tabid", "_del_nontab",
                                   "_del_tabid_101", "_del_nontab_101", "_del_stocktake_101"})
            p[QStringLiteral("tabline") + list + QLatin1String(suffix)] = {1, {}};
        // The third input of tab_move_all_tab_n is the terminal, for moves out of the NonTab.
        p[QStringLiteral("tab_move_all_tab_") + list] = {3, {}};
        p[QStringLiteral("tab_move_one_tab_") + list] = {2, {}};
        p[QStringLiteral("tab_move_all_nontab_") + list] = {2, {}};
        p[QStringLiteral("tab_move_one_nontab_") + list] = {2, {}};
    }
    for (const char* t : {"device", "disc", "image", "item", "layout", "li", "link", "map", "mop",
                          "od", "opt", "output", "pc", "split", "staff", "tab"})
        p[QLatin1String(t) + QStringLiteral("_del_one")] = {1, {}};
    p["tm_del_one"] = {2, {}};
    return p;
}

TEST_F(SchemaCatalogue, EveryProcedureWithItsInputsAndOutputs) {
    Query q(db);
    q.setSql(QStringLiteral(
        "SELECT TRIM(p.rdb$procedure_name) AS proc, TRIM(pp.rdb$parameter_name) AS param, "
        "pp.rdb$parameter_type AS kind FROM rdb$procedures p "
        "LEFT JOIN rdb$procedure_parameters pp ON pp.rdb$procedure_name = p.rdb$procedure_name "
        "WHERE COALESCE(p.rdb$system_flag, 0) = 0 ORDER BY 1, 3, pp.rdb$parameter_number"));
    q.open();
    std::map<QString, ProcedureShape> actual;
    for (q.first(); !q.eof(); q.next()) {
        ProcedureShape& shape = actual[q.value(u"proc").asText().toLower()];
        if (q.value(u"param").isNull())
            continue;
        if (q.value(u"kind").asInt() == 0)
            ++shape.inputs;
        else
            shape.outputs << q.value(u"param").asText().toLower();
    }
    const auto expected = expectedProcedures();
    for (const auto& [name, shape] : expected) {
        ASSERT_TRUE(actual.count(name)) << "missing procedure " << name.toStdString();
        EXPECT_EQ(actual[name].inputs, shape.inputs) << name.toStdString();
        EXPECT_EQ(actual[name].outputs, shape.outputs) << name.toStdString();
    }
    EXPECT_EQ(actual.size(), expected.size());
}

} // namespace
