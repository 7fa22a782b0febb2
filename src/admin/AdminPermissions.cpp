#include "admin/AdminPermissions.h"

#include "db/Query.h"

#include <QStringList>

namespace pelora {

const std::array<AdminPermissions::Entry, AdminPermissions::kCount>& AdminPermissions::entries() {
    using G = Group;
    static const std::array<Entry, kCount> table{{
        {G::Setup, "INI", "admin2master"},
        {G::Setup, "PC", "admin2pc"},
        {G::Setup, "Staff", "admin2staff"},
        {G::Setup, "Layouts", "admin2layout"},
        {G::Setup, "Images", "admin2image"},
        {G::Setup, "Items", "admin2item"},
        {G::Setup, "Links", "admin2link"},
        {G::Setup, "Maps", "admin2map"},
        {G::Setup, "Tabs", "admin2tab"},
        {G::Setup, "Mops", "admin2mop"},
        {G::Setup, "Discounts", "admin2disc"},
        {G::Setup, "Devices", "admin2device"},
        {G::Extras, "Delete", "admin2xdelete"},
        {G::Extras, "Discount", "admin2xdisc"},
        {G::Extras, "Refund", "admin2xrefund"},
        {G::Extras, "Split", "admin2xsplit"},
        {G::Extras, "Stocktake", "admin2xstocktake"},
        {G::Extras, "No Sale", "admin2xnosale"},
        {G::Reports, "X", "admin2rptx"},
        {G::Reports, "Tranx", "admin2rpttranx"},
        {G::Reports, "Tranx + Lines", "admin2rpttranxline"},
        {G::Reports, "Day", "admin2rptday"},
        {G::Reports, "Month", "admin2rptmonth"},
        {G::Reports, "Year", "admin2rptyear"},
        {G::Reports, "Split Ref", "admin2rptsplit"},
        {G::Reports, "Account", "admin2rptac"},
        {G::Reports, "Inventory", "admin2rptinv"},
        {G::Reports, "Exceptions", "admin2rptlog"},
    }};
    return table;
}

int AdminPermissions::indexOf(const QString& column) {
    for (int i = 0; i < kCount; ++i)
        if (column.compare(QLatin1String(entries()[i].column), Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

std::vector<bool> AdminPermissions::load(db::Query& query) {
    QStringList columns;
    for (const Entry& e : entries())
        columns << QLatin1String(e.column);
    query.setSql(QStringLiteral("SELECT %1 FROM master").arg(columns.join(QStringLiteral(", "))));
    query.open();
    std::vector<bool> granted;
    for (int i = 0; i < kCount; ++i)
        granted.push_back(query.value(i).asText() == QLatin1String("T"));
    query.close();
    return granted;
}

void AdminPermissions::write(db::Query& query, int index, bool granted) {
    // The column comes from the table above, never from the operator.
    query.setSql(QStringLiteral("UPDATE master SET %1 = ?").arg(QLatin1String(entries().at(index).column)));
    query.exec({granted ? QStringLiteral("T") : QStringLiteral("F")});
}

} // namespace pelora
