#pragma once

#include "admin/AdminPermissions.h"

namespace pelora {

// The console's login: the typed password is tried on a connection of its own for SYSDBA,
// admin1_pelora (both a full Admin) and admin2_pelora (an Admin2), each try connecting and
// at once disconnecting, so the till's own connection is never touched.
AdminLevel adminLevelForPassword(const QString& databasePath, const QString& password);

} // namespace pelora
