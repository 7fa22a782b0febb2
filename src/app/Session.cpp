#include "app/Session.h"

#include "app/IniFile.h"

namespace pelora {

QString Session::databasePath() const { return IniFile::databasePath(dbPath); }

} // namespace pelora
