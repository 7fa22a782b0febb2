#include "db/ServerClock.h"

#include "db/StoredProc.h"

namespace pelora::db {

QDateTime DatabaseClock::now() {
    StoredProc proc(db_);
    proc.setName(QStringLiteral("server_datetime"));
    proc.execute();
    return proc.value(u"dt").asDateTime();
}

} // namespace pelora::db
