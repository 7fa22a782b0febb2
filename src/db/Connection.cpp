#include "db/Connection.h"

#include "db/FbClient.h"
#include "db/PreparedStatement.h"

#include <QDir>
#include <QRegularExpression>

#include <deque>
#include <unordered_map>

namespace pelora::db {

using namespace Firebird;

namespace {

// Every attachment goes through a server, never the client library's embedded engine, which
// would open the file without checking the password.
const char* const kProviders = "Providers=Remote,Loopback";
constexpr std::size_t kStatementCacheSize = 256;
constexpr int kLockTimeoutSeconds = 10;
// A dropped connection is made again at the next use: a server that does not answer is not
// waited for longer than this, so that a touch is never held up for minutes.
constexpr int kReattachTimeoutSeconds = 10;

DbError lostConnection(const QString& text, const std::vector<long>& codes = {}) {
    std::vector<long> all{DbError::kConnectionLost};
    all.insert(all.end(), codes.begin(), codes.end());
    return DbError(all, text);
}

// "host:path" or "scheme://host/path": a path the client hands to a server as it stands.
bool namesAServer(const QString& path) {
    static const QRegularExpression hostPrefix(QStringLiteral("^[^/\\\\]{2,}:"));
    return path.contains(QStringLiteral("://")) || hostPrefix.match(path).hasMatch();
}

// A bare relative path means a file in the current directory, as the till has always taken it;
// the local server would otherwise look for it relative to its own folder.
QString resolvePath(const QString& path) {
    if (namesAServer(path))
        return path;
    return QDir::isRelativePath(path) ? QDir::current().absoluteFilePath(path) : path;
}

fb::Ref<IXpbBuilder> connectionBlock(fb::Status& st, const ConnectParams& p) {
    fb::Ref<IXpbBuilder> dpb(fb::util()->getXpbBuilder(&st, IXpbBuilder::DPB, nullptr, 0));
    dpb->insertString(&st, isc_dpb_user_name, p.user.toUtf8().constData());
    dpb->insertString(&st, isc_dpb_password, p.password.toUtf8().constData());
    if (!p.role.isEmpty())
        dpb->insertString(&st, isc_dpb_sql_role_name, p.role.toUtf8().constData());
    dpb->insertString(&st, isc_dpb_lc_ctype, "UTF8");
    dpb->insertTag(&st, isc_dpb_utf8_filename);
    dpb->insertString(&st, isc_dpb_config, kProviders);
    if (p.connectTimeoutSeconds > 0)
        dpb->insertInt(&st, isc_dpb_connect_timeout, p.connectTimeoutSeconds);
    return dpb;
}

} // namespace

QString localDatabaseFile(const QString& path) {
    static const QRegularExpression local(QStringLiteral("^(localhost|127\\.0\\.0\\.1):(/.*)$"));
    if (const auto m = local.match(path); m.hasMatch())
        return m.captured(2);
    return namesAServer(path) ? QString() : resolvePath(path);
}

struct Connection::Impl {
    IAttachment* attachment = nullptr;
    ITransaction* readTx = nullptr;
    ITransaction* explicitTx = nullptr;
    std::unordered_map<QString, std::unique_ptr<PreparedStatement>> statements;
    std::deque<QString> preparedOrder;
    ConnectParams params;
    StatementHook hook;
    int preparedCount = 0;
    bool lost = false;     // dropped by the server or the network: attached again at the next use
    bool brokenTx = false; // the explicit transaction died with the attachment; ended by rollback()

    void requireAttached() const {
        if (!attachment)
            throw DbError(QStringLiteral("The database is not connected."));
    }

    // Before a statement: the transaction that died with the attachment fails what is left of
    // it, and a dropped attachment is made again.
    void ready() {
        if (brokenTx)
            throw lostConnection(QStringLiteral("The connection to the database was lost in the middle of a transaction."));
        if (!attachment && lost)
            reattach();
        requireAttached();
    }

    void reattach() {
        ConnectParams p = params;
        if (p.connectTimeoutSeconds <= 0)
            p.connectTimeoutSeconds = kReattachTimeoutSeconds;
        try {
            fb::Status st;
            fb::Ref<IXpbBuilder> dpb = connectionBlock(st, p);
            const QByteArray path = resolvePath(p.path).toUtf8();
            attachment = fb::provider()->attachDatabase(&st, path.constData(), dpb->getBufferLength(&st),
                                                        dpb->getBuffer(&st));
        } catch (const FbException& e) {
            const DbError failure = fb::toDbError(e);
            throw lostConnection(failure.text(), failure.codes());
        }
        lost = false;
    }

    // The attachment is gone: what it held is let go without asking the server, and it is
    // made again at the next use.
    void lose() noexcept {
        // Nothing more is asked of the server on this attachment: one that has ended it may
        // never answer a rollback or a detach, and the till would wait for ever.
        brokenTx = brokenTx || explicitTx != nullptr;
        abandon(explicitTx);
        abandon(readTx);
        for (auto& [sql, statement] : statements)
            statement->abandon();
        dropStatements();
        if (attachment) {
            attachment->release();
            attachment = nullptr;
        }
        lost = true;
    }

    // Whether the server still answers on the attachment.
    bool answers() noexcept {
        if (!attachment)
            return false;
        try {
            fb::Status st;
            attachment->ping(&st);
            return true;
        } catch (const FbException&) {
            return false;
        }
    }

    // Runs `f` on the attachment; a failure that is the connection lost lets the attachment go.
    // An attachment ended on the server does not always say so in its first failure ("attempt
    // to reopen an open cursor"): any other failure is taken for a lost connection too when the
    // server no longer answers on it.
    template <typename F>
    decltype(auto) noting(F&& f) {
        try {
            return fb::guarded(std::forward<F>(f));
        } catch (const DbError& failure) {
            if (failure.isConnectionLost()) {
                lose();
                throw;
            }
            if (attachment && !answers()) {
                lose();
                throw lostConnection(failure.text(), failure.codes());
            }
            throw;
        }
    }

    ITransaction* start(bool readOnly, bool snapshot = false) {
        fb::Status st;
        fb::Ref<IXpbBuilder> tpb(fb::util()->getXpbBuilder(&st, IXpbBuilder::TPB, nullptr, 0));
        tpb->insertTag(&st, readOnly ? isc_tpb_read : isc_tpb_write);
        if (snapshot) {
            tpb->insertTag(&st, isc_tpb_concurrency);
        } else {
            tpb->insertTag(&st, isc_tpb_read_committed);
            tpb->insertTag(&st, isc_tpb_rec_version);
        }
        if (readOnly) {
            tpb->insertTag(&st, isc_tpb_nowait);
        } else {
            tpb->insertTag(&st, isc_tpb_wait);
            tpb->insertInt(&st, isc_tpb_lock_timeout, kLockTimeoutSeconds);
        }
        return attachment->startTransaction(&st, tpb->getBufferLength(&st),
                                            tpb->getBuffer(&st));
    }

    // Reads outside an explicit transaction share one read-only, read-committed transaction:
    // it sees each commit at once and holds back no garbage collection.
    ITransaction* readTransaction() {
        if (!readTx)
            readTx = start(true);
        return readTx;
    }

    // Lets a transaction go without a word to the server.
    static void abandon(ITransaction*& tx) noexcept {
        if (tx)
            tx->release();
        tx = nullptr;
    }

    // Ends a transaction after a failed statement: rolled back, unless the failure was the
    // connection itself, which the server is not asked about again.
    static void endAfter(const DbError& failure, ITransaction*& tx) noexcept {
        if (failure.isConnectionLost())
            abandon(tx);
        else
            endQuietly(tx, false);
    }

    static void endQuietly(ITransaction*& tx, bool commit) noexcept {
        if (!tx)
            return;
        try {
            fb::Status st;
            if (commit)
                tx->commit(&st);
            else
                tx->rollback(&st);
        } catch (const FbException&) {
            tx->release();
        }
        tx = nullptr;
    }

    PreparedStatement& prepare(const QString& sql) {
        auto it = statements.find(sql);
        if (it != statements.end())
            return *it->second;
        if (statements.size() >= kStatementCacheSize) {
            statements.erase(preparedOrder.front());
            preparedOrder.pop_front();
        }
        auto ps = std::make_unique<PreparedStatement>(
            attachment, explicitTx ? explicitTx : readTransaction(), sql);
        ++preparedCount;
        preparedOrder.push_back(sql);
        return *statements.emplace(sql, std::move(ps)).first->second;
    }

    void dropStatements() noexcept {
        statements.clear();
        preparedOrder.clear();
    }

    void attached(IAttachment* a, const ConnectParams& p) {
        attachment = a;
        params = p;
        preparedCount = 0;
        lost = false;
        brokenTx = false;
    }
};

Connection::Connection() : d(std::make_unique<Impl>()) {}

Connection::~Connection() { disconnect(); }

void Connection::connect(const ConnectParams& params) {
    disconnect();
    fb::guarded([&] {
        fb::Status st;
        fb::Ref<IXpbBuilder> dpb = connectionBlock(st, params);
        const QByteArray path = resolvePath(params.path).toUtf8();
        IAttachment* a = fb::provider()->attachDatabase(&st, path.constData(),
                                                        dpb->getBufferLength(&st),
                                                        dpb->getBuffer(&st));
        d->attached(a, params);
    });
}

void Connection::createDatabase(const ConnectParams& params, const CreateOptions& options) {
    disconnect();
    fb::guarded([&] {
        fb::Status st;
        fb::Ref<IXpbBuilder> dpb = connectionBlock(st, params);
        dpb->insertString(&st, isc_dpb_set_db_charset, "UTF8");
        dpb->insertInt(&st, isc_dpb_sql_dialect, SQL_DIALECT_V6);
        dpb->insertInt(&st, isc_dpb_page_size, options.pageSize);
        dpb->insertInt(&st, isc_dpb_force_write, options.forcedWrites ? 1 : 0);
        const QByteArray path = resolvePath(params.path).toUtf8();
        IAttachment* a = fb::provider()->createDatabase(&st, path.constData(),
                                                        dpb->getBufferLength(&st),
                                                        dpb->getBuffer(&st));
        d->attached(a, params);
    });
}

void Connection::dropDatabase() {
    d->requireAttached();
    Impl::endQuietly(d->explicitTx, false);
    Impl::endQuietly(d->readTx, true);
    d->dropStatements();
    fb::guarded([&] {
        fb::Status st;
        d->attachment->dropDatabase(&st); // releases the attachment
        d->attachment = nullptr;
    });
}

void Connection::disconnect() noexcept {
    d->lost = false;
    d->brokenTx = false;
    if (!d->attachment)
        return;
    Impl::endQuietly(d->explicitTx, false);
    Impl::endQuietly(d->readTx, true);
    d->dropStatements();
    try {
        fb::Status st;
        d->attachment->detach(&st);
    } catch (const FbException&) {
        d->attachment->release();
    }
    d->attachment = nullptr;
}

bool Connection::isConnected() const { return d->attachment != nullptr; }

bool Connection::ping() noexcept {
    if (!d->attachment)
        return false;
    try {
        fb::Status st;
        d->attachment->ping(&st);
        return true;
    } catch (const FbException&) {
        return false; // the attachment is let go at its next use, or by a reconnect
    }
}

bool Connection::isLost() const { return d->lost; }

void Connection::reattach() {
    if (d->attachment)
        return;
    d->reattach();
}

const ConnectParams& Connection::params() const { return d->params; }

void Connection::startTransaction() {
    startExplicit(false);
}

void Connection::startSnapshot() {
    startExplicit(true);
}

void Connection::startExplicit(bool snapshot) {
    d->brokenTx = false; // a transaction that died with the connection is over once another starts
    d->ready();
    if (d->explicitTx)
        throw DbError(QStringLiteral("A transaction is already active."));
    const auto start = [&] { d->explicitTx = snapshot ? d->start(true, true) : d->start(false); };
    try {
        d->noting(start);
    } catch (const DbError& failure) {
        if (!failure.isConnectionLost())
            throw;
        d->brokenTx = false; // nothing had begun: begin on a connection made afresh
        d->reattach();
        d->noting(start);
    }
}

void Connection::commit() {
    if (d->brokenTx)
        throw lostConnection(QStringLiteral("The connection to the database was lost in the middle of a transaction."));
    if (!d->explicitTx)
        throw DbError(QStringLiteral("No transaction is active."));
    d->noting([&] {
        fb::Status st;
        d->explicitTx->commit(&st); // releases the transaction; on failure it stays to roll back
        d->explicitTx = nullptr;
    });
}

void Connection::rollback() {
    d->brokenTx = false;
    Impl::endQuietly(d->explicitTx, false);
}

bool Connection::inTransaction() const { return d->explicitTx != nullptr; }

ResultData Connection::run(const QString& sql, const std::vector<Value>& params) {
    d->ready();
    const bool inTransaction = d->explicitTx != nullptr;
    bool mayHaveChanged = false; // a change sent to the server by itself
    const auto once = [&] {
        if (d->hook)
            d->hook(sql);
        return d->noting([&] {
            PreparedStatement& ps = d->prepare(sql);
            if (d->explicitTx)
                return ps.run(d->explicitTx, params);
            if (ps.isSelect()) {
                try {
                    return ps.run(d->readTransaction(), params);
                } catch (const DbError& failure) {
                    Impl::endAfter(failure, d->readTx); // begin afresh on the next read
                    throw;
                } catch (...) {
                    Impl::endQuietly(d->readTx, false);
                    throw;
                }
            }
            ITransaction* tx = d->start(false);
            mayHaveChanged = true;
            try {
                ResultData result = ps.run(tx, params);
                fb::Status st;
                tx->commit(&st);
                return result;
            } catch (const DbError& failure) {
                Impl::endAfter(failure, tx);
                throw;
            } catch (const FbException& failure) { // the commit
                Impl::endAfter(fb::toDbError(failure), tx);
                throw;
            } catch (...) {
                Impl::endQuietly(tx, false);
                throw;
            }
        });
    };
    try {
        return once();
    } catch (const DbError& failure) {
        // A read, or a statement that never reached the server, changes nothing: it is run
        // again on a connection made afresh.
        if (!failure.isConnectionLost() || inTransaction || mayHaveChanged)
            throw;
        d->reattach();
        return once();
    }
}

void Connection::executeDirect(const QString& sql) {
    d->ready();
    if (d->hook)
        d->hook(sql);
    // A definition change must not meet statements prepared against the old definitions.
    d->dropStatements();
    Impl::endQuietly(d->readTx, true);
    d->noting([&] {
        fb::Status st;
        const QByteArray text = sql.toUtf8();
        if (d->explicitTx) {
            d->attachment->execute(&st, d->explicitTx, 0, text.constData(), SQL_DIALECT_V6,
                                   nullptr, nullptr, nullptr, nullptr);
            return;
        }
        ITransaction* tx = d->start(false);
        try {
            d->attachment->execute(&st, tx, 0, text.constData(), SQL_DIALECT_V6, nullptr, nullptr,
                                   nullptr, nullptr);
            tx->commit(&st);
        } catch (...) {
            Impl::endQuietly(tx, false);
            throw;
        }
    });
}

int Connection::preparedCount() const { return d->preparedCount; }

void Connection::setStatementHook(StatementHook hook) { d->hook = std::move(hook); }

Transaction::Transaction(Connection& db) : db_(db) { db_.startTransaction(); }

Transaction::~Transaction() {
    if (open_)
        db_.rollback();
}

void Transaction::commit() {
    db_.commit();
    open_ = false;
}

void Transaction::rollback() {
    db_.rollback();
    open_ = false;
}

} // namespace pelora::db
