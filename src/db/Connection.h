#pragma once

#include "db/ResultData.h"
#include "db/Value.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace pelora::db {

struct ConnectParams {
    QString user;
    QString password;
    QString role;
    // "localhost:/abs/dir/pelora.gdb", or a bare path: a bare path is still opened through the
    // local server (never in-process), so the server checks the password; a relative bare path
    // is taken from the current directory.
    QString path;
    // How long a server that does not answer is waited for; 0: the client library's own wait
    // (three minutes).
    int connectTimeoutSeconds = 0;
};

// The file behind a path the local server opens: a bare path (made absolute against the
// current directory) or one on "localhost:"/"127.0.0.1:"; empty for a database on another server.
QString localDatabaseFile(const QString& path);

struct CreateOptions {
    int pageSize = 8192;
    // Off only for throw-away databases (test templates): the server then does not wait for
    // the disk on every commit.
    bool forcedWrites = true;
};

// One attachment to the shared database. Statements run in the explicit transaction while one
// is started; otherwise each change commits by itself, and reads run in a read-only,
// read-committed transaction that sees every committed change at once. Prepared statements are
// kept per SQL text and reused.
//
// When the server or the network drops the attachment (DbError::isConnectionLost), the
// connection lets it go and attaches again, with the same parameters, at its next use. A read
// outside a transaction, or a statement that never reached the server, is run again at once on
// the new attachment, since it changes nothing; a change that may have reached the server is
// not, and fails. A transaction that was open dies with the attachment: until it is rolled
// back, every statement of it fails, so that what follows never commits by itself half of what
// was meant as one.
class Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Throws DbError with the server's code and text when the server refuses.
    void connect(const ConnectParams& params);
    void disconnect() noexcept;
    bool isConnected() const;
    // Asks the server whether the connection still stands: false when it is not connected, or
    // the server or the network dropped it.
    bool ping() noexcept;
    // The server or the network dropped the connection, and it has not been made again yet.
    bool isLost() const;
    // Attaches again with the parameters of the last connect. Throws DbError (connection lost)
    // when the database cannot be reached.
    void reattach();
    const ConnectParams& params() const;

    // Creates a new database (UTF8, dialect 3) and leaves it attached. Fails when the file exists.
    void createDatabase(const ConnectParams& params, const CreateOptions& options = {});
    // Drops the attached database: the file is deleted.
    void dropDatabase();

    void startTransaction();
    // A read-only snapshot: every statement until commit() or rollback() sees the database as
    // it stood when the transaction began, whatever the other tills commit meanwhile (a report
    // whose totals and breakdowns must describe the same receipts).
    void startSnapshot();
    void commit();
    void rollback();
    bool inTransaction() const;

    // Runs a statement with `?` parameters bound in order and returns what it produced.
    ResultData run(const QString& sql, const std::vector<Value>& params = {});
    // Runs data-definition text as it stands: no parameters, not kept prepared.
    void executeDirect(const QString& sql);

    // How many statements have been prepared since connecting (reuse shows as no growth).
    int preparedCount() const;

    // Seam for tests: called with the SQL text before each statement goes to the server; a
    // hook that throws makes the statement fail as a dropped connection would.
    using StatementHook = std::function<void(const QString& sql)>;
    void setStatementHook(StatementHook hook);

private:
    void startExplicit(bool snapshot);

    struct Impl;
    std::unique_ptr<Impl> d;
};

// Starts a transaction on construction; rolls it back on destruction unless committed.
class Transaction {
public:
    explicit Transaction(Connection& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();
    void rollback();

private:
    Connection& db_;
    bool open_ = true;
};

// A read-only snapshot for the life of the scope (see Connection::startSnapshot()).
class Snapshot {
public:
    explicit Snapshot(Connection& db) : db_(db) { db_.startSnapshot(); }
    ~Snapshot() { db_.rollback(); }
    Snapshot(const Snapshot&) = delete;
    Snapshot& operator=(const Snapshot&) = delete;

private:
    Connection& db_;
};

} // namespace pelora::db
