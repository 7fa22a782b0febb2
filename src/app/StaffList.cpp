#include "app/StaffList.h"

#include "common/Placeholders.h"
#include "db/Connection.h"

namespace pelora {

db::TextTable loadStaffList(db::Connection& db) {
    db::TextTable staff =
        db::TextTable::load(db,
                            QStringLiteral("SELECT id, ref, pword FROM staff WHERE ") +
                                placeholder::leftOut(QStringLiteral("ref")) + QStringLiteral(" ORDER BY id"),
                            {placeholder::comparedAs(placeholder::kStaff)});
    for (int r = 0; r < staff.rowCount(); ++r)
        staff.set(r, StaffPassword, staff.at(r, StaffPassword).toLower());
    return staff;
}

std::optional<QString> staffRefForPassword(const db::TextTable& staff, const QString& typed) {
    if (typed.isEmpty())
        return std::nullopt;
    const QString lower = typed.toLower();
    for (const db::TextTable::TextRow& row : staff.rows())
        if (row.at(StaffPassword) == lower)
            return row.at(StaffRef);
    return std::nullopt;
}

std::optional<QString> databaseUserForPassword(db::Connection& probe, const QString& databasePath,
                                               const QString& typed) {
    static const std::pair<const char*, const char*> kUsers[] = {
        {"SYSDBA", "SYSDBA"}, {"admin1_pelora", "admin1"}, {"admin2_pelora", "admin2"}};
    for (const auto& [user, ref] : kUsers) {
        try {
            probe.connect({QString::fromLatin1(user), typed, QStringLiteral("app"), databasePath});
            probe.disconnect();
            return QString::fromLatin1(ref);
        } catch (const std::exception&) {
            probe.disconnect(); // refused, or the server cannot be reached: the next user
        }
    }
    return std::nullopt;
}

} // namespace pelora
