#include "app/TerminalSettings.h"

#include "common/Mode.h"
#include "db/DbError.h"
#include "db/Query.h"

#include <array>
#include <utility>

namespace pelora {

int TerminalSettings::normalRightPanelWidth() const {
    return modeIs(optMode, '1') || modeIs(optMode, '2') ? 318 : 230;
}

int charsetCode(const QString& name, int previousCode) {
    static const std::array<std::pair<const char16_t*, int>, 18> table{{
        {u"Default", 1},
        {u"Ansi", 0},
        {u"Symbol", 2},
        {u"OEM", 255},
        {u"Arabic", 178},
        {u"Hebrew", 177},
        {u"Baltic", 186},
        {u"Chinese: simplified", 134},
        {u"Chinese: traditional", 136},
        {u"East European", 238},
        {u"Greek", 161},
        {u"Turkish", 162},
        {u"Japanese", 128},
        {u"Korean: Wansung", 129},
        {u"Korean: Johab", 130},
        {u"Russian", 204},
        {u"Thai", 222},
        {u"Vietnamese", 163},
    }};
    for (const auto& [text, code] : table)
        if (name == QStringView(text))
            return code;
    return previousCode;
}

TerminalSettings loadTerminalSettings(db::Connection& db, QString& pcRef, int previousCharsetCode) {
    db::Query q(db);
    q.setSql(QStringLiteral(
        "SELECT pc.layoutid, pc.imagepath, pc.mapid, pc.refreshrate, pc.refreshmode,"
        " pc.layoutmode, pc.checkmode, pc.docketmode, pc.drawermode, pc.nosalemode,"
        " output.id AS outputid, output.name AS outputname,"
        " layout.name AS layoutname, layout.filename, layout.linkid, layout.charset,"
        " layout.libtnfsize, layout.tmbtnfsize, layout.restartmins, layout.tabmode,"
        " layout.startmode, layout.splitmode, layout.pricemode, layout.qtymode,"
        " layout.manregmode, layout.manregcostrate, layout.manregtaxrate, layout.optmode,"
        " layout.findmode, layout.accountmode, layout.discmode, layout.ordmode,"
        " layout.processmode, layout.countmode, layout.refmode, layout.roundmode,"
        " layout.glyphmode, layout.logoutmode"
        " FROM pc LEFT JOIN layout ON pc.layoutid = layout.id"
        " LEFT JOIN output ON pc.outputid = output.id"
        " WHERE pc.ref = ?"));
    q.open({pcRef});
    if (q.isEmpty()) {
        // A reference without a row of its own runs as terminal 1.
        db::Query first(db);
        first.setSql(QStringLiteral("SELECT ref FROM pc WHERE id = 1"));
        first.open();
        if (first.isEmpty())
            throw db::DbError(QStringLiteral("No terminal row for PCRef %1.").arg(pcRef));
        pcRef = first.value(u"ref").asText();
        q.open({pcRef});
    }

    auto text = [&](const char16_t* column) { return q.value(QStringView(column)).asText(); };
    auto integer = [&](const char16_t* column) {
        return static_cast<int>(q.value(QStringView(column)).asInt());
    };
    auto real = [&](const char16_t* column) { return q.value(QStringView(column)).asDouble(); };

    TerminalSettings s;
    s.layoutId = integer(u"layoutid");
    s.imagePath = text(u"imagepath");
    s.mapId = integer(u"mapid");
    s.refreshRate = integer(u"refreshrate");
    s.refreshMode = text(u"refreshmode");
    s.layoutMode = text(u"layoutmode");
    s.checkMode = text(u"checkmode");
    s.docketMode = text(u"docketmode");
    s.drawerMode = text(u"drawermode");
    s.noSaleMode = text(u"nosalemode");
    s.outputId = integer(u"outputid");
    s.outputName = text(u"outputname");
    s.layoutName = text(u"layoutname");
    s.fileName = text(u"filename");
    s.linkId = integer(u"linkid");
    s.charset = text(u"charset");
    s.charsetCode = charsetCode(s.charset, previousCharsetCode);
    s.libtnfsize = integer(u"libtnfsize");
    s.tmbtnfsize = integer(u"tmbtnfsize");
    s.restartMins = real(u"restartmins");
    s.tabMode = text(u"tabmode");
    s.startMode = text(u"startmode");
    s.splitMode = text(u"splitmode");
    s.priceMode = text(u"pricemode");
    s.qtyMode = text(u"qtymode");
    s.manRegMode = text(u"manregmode");
    s.manRegCostRate = real(u"manregcostrate");
    s.manRegTaxRate = real(u"manregtaxrate");
    s.optMode = text(u"optmode");
    s.findMode = text(u"findmode");
    s.accountMode = text(u"accountmode");
    s.discMode = text(u"discmode");
    s.ordMode = text(u"ordmode");
    s.processMode = text(u"processmode");
    s.countMode = text(u"countmode");
    s.refMode = text(u"refmode");
    s.roundMode = text(u"roundmode");
    s.glyphMode = text(u"glyphmode");
    s.logoutMode = text(u"logoutmode");
    return s;
}

MasterFlags loadMasterFlags(db::Connection& db) {
    db::Query q(db);
    q.setSql(QStringLiteral("SELECT linkrequery, itemrequery, optrequery, tabrequery, moprequery,"
                            " discrequery FROM master"));
    q.open();
    return {q.value(u"linkrequery").asText(), q.value(u"itemrequery").asText(),
            q.value(u"optrequery").asText(),  q.value(u"tabrequery").asText(),
            q.value(u"moprequery").asText(),  q.value(u"discrequery").asText()};
}

} // namespace pelora
