#include "admin/layouts/LayoutEditing.h"

#include "admin/EditorMembers.h"
#include "common/Placeholders.h"
#include "db/Connection.h"

namespace pelora {

namespace {

using Choices = std::vector<std::pair<QString, QString>>;

Choices offOn() { return {{QStringLiteral("Off"), QStringLiteral("0")}, {QStringLiteral("On"), QStringLiteral("1")}}; }

} // namespace

const std::vector<LayoutModeChoice>& layoutModeChoices() {
    static const std::vector<LayoutModeChoice> table{
        {QStringLiteral("Tab Mode"), QStringLiteral("tabmode"),
         {{QStringLiteral("Tab Only"), QStringLiteral("1")}, {QStringLiteral("Non Tab Only"), QStringLiteral("2")},
          {QStringLiteral("Both"), QStringLiteral("3")}}},
        {QStringLiteral("Start Mode"), QStringLiteral("startmode"),
         {{QStringLiteral("Tab"), QStringLiteral("1")}, {QStringLiteral("Item"), QStringLiteral("2")}}},
        {QStringLiteral("Split Mode"), QStringLiteral("splitmode"),
         {{QStringLiteral("Off"), QStringLiteral("0")}, {QStringLiteral("On Manual"), QStringLiteral("1")},
          {QStringLiteral("On Auto"), QStringLiteral("2")}, {QStringLiteral("On Manual x1"), QStringLiteral("3")},
          {QStringLiteral("On Auto x1"), QStringLiteral("4")}}},
        {QStringLiteral("Price Mode"), QStringLiteral("pricemode"),
         {{QStringLiteral("One"), QStringLiteral("1")}, {QStringLiteral("Two"), QStringLiteral("2")},
          {QStringLiteral("Three"), QStringLiteral("3")}}},
        {QStringLiteral("Qty Mode"), QStringLiteral("qtymode"),
         {{QStringLiteral("Off"), QStringLiteral("0")}, {QStringLiteral("Single"), QStringLiteral("1")},
          {QStringLiteral("Multi"), QStringLiteral("2")}, {QStringLiteral("Multi Auto"), QStringLiteral("3")}}},
        {QStringLiteral("Man Reg Mode"), QStringLiteral("manregmode"),
         {{QStringLiteral("Off"), QStringLiteral("0")}, {QStringLiteral("On Manual"), QStringLiteral("1")},
          {QStringLiteral("On Auto"), QStringLiteral("2")}}},
        {QStringLiteral("Option Mode"), QStringLiteral("optmode"),
         {{QStringLiteral("Opt/kb off"), QStringLiteral("0")}, {QStringLiteral("Opt on/kb off"), QStringLiteral("1")},
          {QStringLiteral("Opt/kb on"), QStringLiteral("2")}, {QStringLiteral("Opt off/kb on"), QStringLiteral("3")}}},
        {QStringLiteral("Find Mode"), QStringLiteral("findmode"),
         {{QStringLiteral("Off"), QStringLiteral("0")}, {QStringLiteral("On"), QStringLiteral("1")},
          {QStringLiteral("vKeyboard"), QStringLiteral("2")}}},
        {QStringLiteral("Round Mode"), QStringLiteral("roundmode"),
         {{QStringLiteral("Off"), QStringLiteral("0")}, {QStringLiteral("+0.05"), QStringLiteral("1")},
          {QStringLiteral("-0.05"), QStringLiteral("2")}, {QStringLiteral("+1.0"), QStringLiteral("3")},
          {QStringLiteral("-1.0"), QStringLiteral("4")}}},
        {QStringLiteral("Order Mode"), QStringLiteral("ordmode"),
         {{QStringLiteral("Off"), QStringLiteral("0")}, {QStringLiteral("Touch On"), QStringLiteral("1")},
          {QStringLiteral("Touch Off"), QStringLiteral("2")}}},
        {QStringLiteral("Process Mode"), QStringLiteral("processmode"),
         {{QStringLiteral("Order"), QStringLiteral("1")}, {QStringLiteral("Print"), QStringLiteral("2")},
          {QStringLiteral("Pre"), QStringLiteral("3")}}},
        {QStringLiteral("Account Mode"), QStringLiteral("accountmode"), offOn()},
        {QStringLiteral("Discount Mode"), QStringLiteral("discmode"), offOn()},
        {QStringLiteral("Refund Mode"), QStringLiteral("refmode"), offOn()},
        {QStringLiteral("Count Mode"), QStringLiteral("countmode"), offOn()},
        {QStringLiteral("Glyph Mode"), QStringLiteral("glyphmode"), offOn()},
        {QStringLiteral("Logout Mode"), QStringLiteral("logoutmode"), offOn()},
    };
    return table;
}

const QStringList& layoutCharsets() {
    static const QStringList names{
        QStringLiteral("Default"), QStringLiteral("Ansi"), QStringLiteral("OEM"), QStringLiteral("Symbol"),
        QStringLiteral("Arabic"), QStringLiteral("Baltic"), QStringLiteral("Chinese: simplified"),
        QStringLiteral("Chinese: traditional"), QStringLiteral("East European"), QStringLiteral("Greek"),
        QStringLiteral("Hebrew"), QStringLiteral("Japanese"), QStringLiteral("Korean: Wansung"),
        QStringLiteral("Korean: Johab"), QStringLiteral("Russian"), QStringLiteral("Thai"), QStringLiteral("Turkish"),
        QStringLiteral("Vietnamese")};
    return names;
}

const std::vector<int>& layoutFontSizes() {
    static const std::vector<int> sizes{6, 7, 8, 9, 10, 12, 14, 16, 18, 20, 22, 24};
    return sizes;
}

const std::vector<int>& layoutRestartMinutes() {
    static const std::vector<int> minutes{0, 5, 10, 15, 30, 60, 120, 240, 480};
    return minutes;
}

RecordEditorMember layoutMember() {
    RecordEditorMember m;
    m.table = QStringLiteral("layout");
    m.selectSql = QStringLiteral(
        "SELECT id, name, filename, linkid, charset, libtnfsize, tmbtnfsize, restartmins, tabmode, startmode,"
        " splitmode, pricemode, qtymode, manregmode, manregcostrate, manregtaxrate, optmode, findmode,"
        " accountmode, discmode, ordmode, processmode, countmode, refmode, roundmode, glyphmode, logoutmode"
        " FROM layout ORDER BY name, id");
    m.nameColumn = QStringLiteral("name");
    m.nameLabel = QStringLiteral("Name");
    m.placeholder = placeholder::kLayout;
    m.insertValues = {{QStringLiteral("linkid"), 1}};
    m.nothingToDelete = QStringLiteral("There are no layouts to delete.");
    m.deleteQuestion = QStringLiteral("Delete the layout record?");
    m.writeFailure = uniqueWarning(QStringLiteral("Name"));
    m.keptId = 1;
    m.mustRemain = QStringLiteral("This layout must remain.");
    m.askOnNavigate = true;
    m.helpLines = {
        QStringLiteral("One of the most powerfull features of Pelora is the way it handles Layouts."),
        QStringLiteral("Layouts control the main menu of buttons at the heart of the system."),
        QStringLiteral("You can setup as many multi link layouts as required - and easily switch between them."),
        QStringLiteral("The only practical limitation is determined by your hardware."),
        QStringLiteral("Settings you choose for each layout will automatically apply to every PC."),
        QString(),
        QStringLiteral("Name: e.g. Default, Night Menu, Holiday, Sunday - up to 20 characters."),
        QStringLiteral("Starting Link: This is the set of button that will show when the layout is first opened."),
        QStringLiteral("Image Filename: The background image for the layout - usually a jpg file."),
        QStringLiteral("Restart Mins: Max time given to restart a Receipt."),
        QStringLiteral("This will prevent users from restarting receipts from previous accounting periods."),
        QStringLiteral("Alternative Charset: Link buttons can be setup with an alternative language."),
        QStringLiteral("For many languages (such as latin based) the default english character set will do, with more exotic languages you will have to change the character set."),
        QStringLiteral("At this stage of Pelora development, the language character set only applies to the Item Button captions."),
        QStringLiteral("Button Font Size: Main - on the main item buttons, Tab - on the Tab form"),
        QStringLiteral("Tab Mode: Tab Only-all lines are linked to a tab. NonTab-Tabs are not available. Both-either Tab or NonTab can be assigned."),
        QStringLiteral("Start Mode: This is only relevant if the Tab Mode is set to Both. It tells the system whether to open the Link or Tab page when the start button is pressed."),
        QStringLiteral("Split Mode: On Manual-Allow bill splitting, On Auto-Bill will split and always prompt for the split."),
        QStringLiteral("Note: Use \"x1\" when you want the increase or decrease the actual qty by 1 unit at a time - only valid for whole number qty's."),
        QStringLiteral("Find Mode: Allows large item databases to be caterered for with fast find codes - and barcode scanners or manual entry."),
        QStringLiteral("Qty Mode: Off-Every item is added to bill one line at a time, Single-Add item once then adjust qty up and down by one, Multi-open form to allow large and fractional qty's, Multi Auto-always prompt user for qty."),
        QStringLiteral("Option Mode: Opt-refers to the option button on the right. KB-refers to the special typed options."),
        QStringLiteral("Price Mode: System will price items according to the matching fields in the Item Form."),
        QStringLiteral("Round Mode: Rounds the total bill accordingly."),
        QStringLiteral("Order Mode: Off-Cannot view orders. Touch On-View orders and show \"Process\" button to flag as processed. Touch Off-view orders but do not show \"Process\" button."),
        QStringLiteral("Process Mode: Order-Flag lines as processed in Order Form. Print-Flag as processed on print. Pre-Lines automatically flagged as processed."),
        QStringLiteral("Note: If process mode is \"Order\" set Order Mode to \"Touch On\" in order to mark lines as processed."),
        QStringLiteral("Account Mode: turns account on and off. Tabs must be activated for accounts to work."),
        QStringLiteral("Discount Mode: Off-prevents non admin from issuing discounts."),
        QStringLiteral("Order Mode: On-staff can view details of orders waiting to be prepared."),
        QStringLiteral("Man Reg Mode: Off-cannot select manual register. On Manual-manual register can be selected on demand. On Auto-manual register is presented by default."),
        QStringLiteral("Man Reg Rates: Multiply the price by these rates to calculate the cost and tax for manual register entires."),
        QStringLiteral("Count Mode: On-system will adjust qty's for selected items."),
        QStringLiteral("Glyph Mode: Off-system will not show bitmaps on buttons."),
        QStringLiteral("Logout Mode: On-staff can logout PC's in public areas."),
    };
    return m;
}

std::vector<std::pair<int, QString>> layoutsByName(db::Connection& db) {
    std::vector<std::pair<int, QString>> layouts;
    // A layout still named as the editor's placeholder was never finished: no till switches to it.
    const db::ResultData rows = db.run(QStringLiteral("SELECT id, name FROM layout WHERE ") +
                                           placeholder::leftOut(QStringLiteral("name")) + QStringLiteral(" ORDER BY name"),
                                       {placeholder::comparedAs(placeholder::kLayout)});
    for (const db::Row& r : rows.rows)
        layouts.emplace_back(static_cast<int>(r[0].asInt()), r[1].asText());
    return layouts;
}

bool switchTerminalLayout(db::Connection& db, const QString& pcRef, int layoutId) {
    return db.run(QStringLiteral("UPDATE pc SET layoutid = ? WHERE ref = ?"), {layoutId, pcRef}).rowsAffected > 0;
}

} // namespace pelora
