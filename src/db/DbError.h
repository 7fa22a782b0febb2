#pragma once

#include <QString>

#include <stdexcept>
#include <vector>

namespace pelora::db {

// A failure reported by the database server or the client library: the server's error codes
// (the first one names the failure) and its text.
class DbError : public std::runtime_error {
public:
    // Codes the till looks for.
    static constexpr long kLogin = 335544472;           // user name or password refused
    static constexpr long kUniqueKey = 335544665;       // unique or primary key violated
    static constexpr long kForeignKey = 335544466;      // a reference still in use
    static constexpr long kUserException = 335544517;   // an exception raised by a procedure
    static constexpr long kIoError = 335544344;         // the database file cannot be opened
    static constexpr long kLockConflict = 335544345;    // lock conflict on no-wait transaction
    static constexpr long kUpdateConflict = 335544336;  // deadlock or update conflict
    static constexpr long kLockTimeout = 335544510;     // a row stayed locked past the wait
    static constexpr long kRandom = 335544382;          // a message of the server's own wording
    static constexpr long kConnectionLost = 335544741;  // the connection to the database was lost


    DbError(std::vector<long> codes, const QString& text);
    explicit DbError(const QString& text) : DbError({}, text) {}

    // The first error code, 0 when the failure did not come from the server.
    long code() const { return codes_.empty() ? 0 : codes_.front(); }
    const std::vector<long>& codes() const { return codes_; }
    bool hasCode(long code) const;
    const QString& text() const { return text_; }
    // Another transaction changed, deleted or locked the same row first. (A row that another
    // transaction deleted while this one waited for it comes back as "cannot update erased
    // record".)
    bool isConflict() const;
    // The server or the network dropped the connection (the server shut the attachment down,
    // the server stopped, the network went), or it could not be made again.
    bool isConnectionLost() const;
    // The operator's one message for a lost connection.
    static QString connectionLostMessage();
    // Whether `failure` is a DbError of a lost connection.
    static bool isConnectionLost(const std::exception& failure);

private:
    std::vector<long> codes_;
    QString text_;
};

} // namespace pelora::db
