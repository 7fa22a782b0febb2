// A round trip of the till's commonest kind -- a new id from a generator procedure, an insert
// of an open line, a select of it by key -- through the data-access layer, and the same three
// statements issued bare on the client library (prepared once, fixed message buffers, the same
// transactions). Run: bench_db_roundtrip localhost:/path/to/scratch.gdb (scripts/run-bench.sh).

#include "db/Connection.h"
#include "db/Query.h"
#include "db/StoredProc.h"

#include "BareClient.h"

#include <benchmark/benchmark.h>
#include <firebird/Interface.h>

#include <cstdio>
#include <cstring>
#include <string>

using namespace Firebird;

namespace {

QString gDatabase;
QString gPassword;

const char* const kInsert =
    "INSERT INTO tabline1 (id, pcref, tabid, itemid, itemname, qty, price) VALUES (?, ?, ?, ?, ?, ?, ?)";
const char* const kSelect = "SELECT itemname, qty, price FROM tabline1 WHERE id = ?";

// --- through the layer -------------------------------------------------------------------

struct Layer {
    pelora::db::Connection db;
    pelora::db::StoredProc proc{db};
    pelora::db::Query insert{db};
    pelora::db::Query select{db};

    Layer() {
        db.connect({QStringLiteral("SYSDBA"), gPassword, QStringLiteral("app"), gDatabase});
        insert.setSql(QString::fromLatin1(kInsert));
        select.setSql(QString::fromLatin1(kSelect));
    }
    double roundTrip() {
        const int id = proc.nextId(QStringLiteral("tabline1"));
        insert.exec({id, QStringLiteral("Bench"), 1, 2, QStringLiteral("Pale Ale"), 1.0, 9.5});
        select.open({id});
        return select.value(u"price").asDouble();
    }
};

// --- bare on the client library ----------------------------------------------------------

struct Bare : bench::BareClient {
    ITransaction* readTx = nullptr;
    ITransaction* tx = nullptr; // the explicit transaction, when one runs
    IStatement* gen = nullptr;
    IStatement* ins = nullptr;
    IStatement* sel = nullptr;
    IMessageMetadata *genOut = nullptr, *insIn = nullptr, *selIn = nullptr, *selOut = nullptr;
    std::string genBuf, insBuf, selInBuf, selBuf;

    Bare() : BareClient(gDatabase, gPassword) {
        readTx = start(true);
        gen = att->prepare(&st, readTx, 0, "EXECUTE PROCEDURE tabline1id_gen", 3,
                           IStatement::PREPARE_PREFETCH_METADATA);
        ins = att->prepare(&st, readTx, 0, kInsert, 3, IStatement::PREPARE_PREFETCH_METADATA);
        sel = att->prepare(&st, readTx, 0, kSelect, 3, IStatement::PREPARE_PREFETCH_METADATA);
        genOut = gen->getOutputMetadata(&st);
        insIn = ins->getInputMetadata(&st);
        selIn = sel->getInputMetadata(&st);
        selOut = sel->getOutputMetadata(&st);
        genBuf.resize(genOut->getMessageLength(&st));
        insBuf.assign(insIn->getMessageLength(&st), '\0');
        selInBuf.assign(selIn->getMessageLength(&st), '\0');
        selBuf.resize(selOut->getMessageLength(&st));
    }
    ~Bare() {
        for (IMessageMetadata* m : {genOut, insIn, selIn, selOut})
            m->release();
        for (IStatement* s : {gen, ins, sel})
            s->free(&st);
        readTx->commit(&st);
    }
    template <typename T>
    void put(std::string& buf, IMessageMetadata* m, unsigned i, T v) {
        std::memcpy(&buf[m->getOffset(&st, i)], &v, sizeof v);
        const short notNull = 0;
        std::memcpy(&buf[m->getNullOffset(&st, i)], &notNull, sizeof notNull);
    }
    void putText(std::string& buf, IMessageMetadata* m, unsigned i, const char* text) {
        const auto n = static_cast<unsigned short>(std::strlen(text));
        char* at = &buf[m->getOffset(&st, i)];
        std::memcpy(at, &n, sizeof n);
        std::memcpy(at + sizeof n, text, n);
        const short notNull = 0;
        std::memcpy(&buf[m->getNullOffset(&st, i)], &notNull, sizeof notNull);
    }
    // Runs a write in the explicit transaction, or in one of its own that commits at once.
    template <typename F>
    void write(F f) {
        if (tx) {
            f(tx);
            return;
        }
        ITransaction* t = start(false);
        f(t);
        t->commit(&st);
    }
    double roundTrip() {
        int id = 0;
        write([&](ITransaction* t) {
            gen->execute(&st, t, nullptr, nullptr, genOut, genBuf.data());
            std::memcpy(&id, &genBuf[genOut->getOffset(&st, 0)], sizeof id);
        });
        put(insBuf, insIn, 0, id);
        putText(insBuf, insIn, 1, "Bench");
        put(insBuf, insIn, 2, 1);
        put(insBuf, insIn, 3, 2);
        putText(insBuf, insIn, 4, "Pale Ale");
        put(insBuf, insIn, 5, 1.0);
        put(insBuf, insIn, 6, 9.5);
        write([&](ITransaction* t) { ins->execute(&st, t, insIn, insBuf.data(), nullptr, nullptr); });
        put(selInBuf, selIn, 0, id);
        IResultSet* rs = sel->openCursor(&st, tx ? tx : readTx, selIn, selInBuf.data(), selOut, 0);
        double price = 0;
        while (rs->fetchNext(&st, selBuf.data()) == IStatus::RESULT_OK)
            std::memcpy(&price, &selBuf[selOut->getOffset(&st, 2)], sizeof price);
        rs->close(&st);
        return price;
    }
};

// --- the benchmarks ----------------------------------------------------------------------

void LayerEachStatementCommits(benchmark::State& state) {
    Layer layer;
    for (auto _ : state)
        benchmark::DoNotOptimize(layer.roundTrip());
}

void BareEachStatementCommits(benchmark::State& state) {
    Bare bare;
    for (auto _ : state)
        benchmark::DoNotOptimize(bare.roundTrip());
}

// Inside one transaction, as a receipt commit runs: the commits no longer hide the layer.
void LayerInOneTransaction(benchmark::State& state) {
    Layer layer;
    layer.db.startTransaction();
    for (auto _ : state)
        benchmark::DoNotOptimize(layer.roundTrip());
    layer.db.rollback();
}

void BareInOneTransaction(benchmark::State& state) {
    Bare bare;
    bare.tx = bare.start(false);
    for (auto _ : state)
        benchmark::DoNotOptimize(bare.roundTrip());
    bare.tx->rollback(&bare.st);
    bare.tx = nullptr;
}

} // namespace

int main(int argc, char** argv) {
    if (!bench::readTarget(argc, argv, gDatabase, gPassword))
        return 2;
    return bench::reportingFailures([] {
        bench::registerTimed("LayerEachStatementCommits", LayerEachStatementCommits, benchmark::kMicrosecond, 1.0);
        bench::registerTimed("BareEachStatementCommits", BareEachStatementCommits, benchmark::kMicrosecond, 1.0);
        bench::registerTimed("LayerInOneTransaction", LayerInOneTransaction, benchmark::kMicrosecond, 1.0);
        bench::registerTimed("BareInOneTransaction", BareInOneTransaction, benchmark::kMicrosecond, 1.0);
        bench::RatioReporter reporter;
        benchmark::RunSpecifiedBenchmarks(&reporter);
        std::printf("\nlayer / bare, each statement committing: %.2f\n",
                    reporter.ratio("LayerEachStatementCommits", "BareEachStatementCommits"));
        std::printf("layer / bare, in one transaction:        %.2f\n",
                    reporter.ratio("LayerInOneTransaction", "BareInOneTransaction"));
        return 0;
    });
}
