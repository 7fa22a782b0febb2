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

    void requireAttached() const {
        if (!attachment)
            throw DbError(QStringLiteral("The database is not connected."));
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
        return false;
    }
}

const ConnectParams& Connection::params() const { return d->params; }

void Connection::startTransaction() {
    d->requireAttached();
    if (d->explicitTx)
        throw DbError(QStringLiteral("A transaction is already active."));
    fb::guarded([&] { d->explicitTx = d->start(false); });
}

void Connection::startSnapshot() {
    d->requireAttached();
    if (d->explicitTx)
        throw DbError(QStringLiteral("A transaction is already active."));
    fb::guarded([&] { d->explicitTx = d->start(true, true); });
}

void Connection::commit() {
    if (!d->explicitTx)
        throw DbError(QStringLiteral("No transaction is active."));
    fb::guarded([&] {
        fb::Status st;
        d->explicitTx->commit(&st); // releases the transaction; on failure it stays to roll back
        d->explicitTx = nullptr;
    });
}

void Connection::rollback() { Impl::endQuietly(d->explicitTx, false); }

bool Connection::inTransaction() const { return d->explicitTx != nullptr; }

ResultData Connection::run(const QString& sql, const std::vector<Value>& params) {
    d->requireAttached();
    if (d->hook)
        d->hook(sql);
    return fb::guarded([&] {
        PreparedStatement& ps = d->prepare(sql);
        if (d->explicitTx)
            return ps.run(d->explicitTx, params);
        if (ps.isSelect()) {
            try {
                return ps.run(d->readTransaction(), params);
            } catch (...) {
                Impl::endQuietly(d->readTx, false); // begin afresh on the next read
                throw;
            }
        }
        ITransaction* tx = d->start(false);
        try {
            ResultData result = ps.run(tx, params);
            fb::Status st;
            tx->commit(&st);
            return result;
        } catch (...) {
            Impl::endQuietly(tx, false);
            throw;
        }
    });
}

void Connection::executeDirect(const QString& sql) {
    d->requireAttached();
    if (d->hook)
        d->hook(sql);
    // A definition change must not meet statements prepared against the old definitions.
    d->dropStatements();
    Impl::endQuietly(d->readTx, true);
    fb::guarded([&] {
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
