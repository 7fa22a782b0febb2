#include "admin/AdminLogin.h"

#include "app/StaffList.h"
#include "db/Connection.h"

namespace pelora {

AdminLevel adminLevelForPassword(const QString& databasePath, const QString& password) {
    db::Connection probe;
    const std::optional<QString> user = databaseUserForPassword(probe, databasePath, password);
    if (!user)
        return AdminLevel::None;
    return *user == QLatin1String("admin2") ? AdminLevel::Admin2 : AdminLevel::Admin;
}

} // namespace pelora
