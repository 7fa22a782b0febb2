#pragma once

#include <QDateTime>

namespace pelora::db {

class Connection;

// The database server's current date and time: every time stamp and age is judged by it, not
// by the till's own clock. Tests put a fixed clock in its place.
class ServerClock {
public:
    virtual ~ServerClock() = default;
    virtual QDateTime now() = 0;
};

// Asks the server through the procedure `server_datetime` (output `dt`).
class DatabaseClock : public ServerClock {
public:
    explicit DatabaseClock(Connection& db) : db_(db) {}
    QDateTime now() override;

private:
    Connection& db_;
};

} // namespace pelora::db
