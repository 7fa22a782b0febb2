// What the till reads when its terminal settings load -- the terminal and its layout, the
// requery flags, the staff, the button cache and the other caches, the output devices, the
// server time -- through the data-access layer into the tables the sales screen keeps, and the
// same statements issued bare on the client library (rows fetched and kept as raw bytes). Also
// the whole load of the main window (the same reads, the pictures, the screen). First on the
// demo venue, then with the catalogue grown to 5,000 items, 2,000 buttons and 500 tabs.
// Run: bench_terminal_load localhost:/path/to/scratch.gdb (scripts/run-bench.sh).

#include "app/TMainDataModule.h"
#include "app/TerminalData.h"
#include "common/Prompter.h"
#include "db/Query.h"
#include "sales/TMainForm.h"

#include <QApplication>

#include "BareClient.h"
#include "BenchTill.h"
#include "SilentPrompter.h"

#include <benchmark/benchmark.h>
#include <firebird/Interface.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

using namespace Firebird;
using namespace pelora;

namespace {

QString gDatabase;
QString gPassword;
const QString kPcRef = QStringLiteral("Bar");

db::ConnectParams sysdba() { return {QStringLiteral("SYSDBA"), gPassword, QStringLiteral("app"), gDatabase}; }

// The statements one load runs, in order, as the layer sends them.
std::vector<QString> statementsOfOneLoad() {
    db::Connection db;
    db.connect(sysdba());
    std::vector<QString> sql;
    db.setStatementHook([&](const QString& text) { sql.push_back(text); });
    QString pcRef = kPcRef;
    db::DatabaseClock clock(db);
    TerminalData::load(db, clock, pcRef, 0);
    return sql;
}

// --- bare on the client library ----------------------------------------------------------

struct Bare : bench::BareSession {
    explicit Bare(const std::vector<QString>& sql) : BareSession(gDatabase, gPassword) {
        for (const QString& text : sql) {
            bench::BareStatement& p = prepare(text);
            // Every parameter of these statements is the terminal's reference.
            bind(p, std::vector<bench::BareValue>(p.in->getCount(&st), kPcRef.toStdString()));
        }
    }
    // Every statement in the one read-only transaction, as the load runs them.
    void load() {
        kept.clear();
        for (bench::BareStatement& p : statements) {
            if (p.statement->getType(&st) == isc_info_sql_stmt_exec_procedure) {
                p.statement->execute(&st, readTx, p.in, p.inBuf.data(), p.out, p.outBuf.data());
                kept.push_back(p.outBuf);
                continue;
            }
            read(p);
        }
    }
};

// --- the benchmarks ----------------------------------------------------------------------

void LayerLoad(benchmark::State& state) {
    db::Connection db;
    db.connect(sysdba());
    db::DatabaseClock clock(db);
    std::size_t rows = 0;
    for (auto _ : state) {
        QString pcRef = kPcRef;
        TerminalData d = TerminalData::load(db, clock, pcRef, 0);
        rows = d.buttons.rows().rowCount() + d.tabMap.rowCount();
        benchmark::DoNotOptimize(d);
    }
    state.counters["buttons+tabs"] = static_cast<double>(rows);
}

void BareLoad(benchmark::State& state) {
    Bare bare(statementsOfOneLoad());
    for (auto _ : state) {
        bare.load();
        benchmark::DoNotOptimize(bare.kept);
    }
}

void WindowLoad(benchmark::State& state) {
    bench::SilentPrompter prompter;
    TMainForm form(prompter);
    TMainDataModule module(form, prompter);
    module.db1.connect(sysdba());
    module.session().pcRef = kPcRef;
    for (auto _ : state) {
        form.LoadTerminalSettings();
        QCoreApplication::processEvents(); // the deferred status line
    }
}

// Grows the catalogue: 5,000 items (some with options), 2,000 buttons on 40 pages, 500 tabs
// with their buttons on 5 maps (a smoke run adds a few of each).
const int kItems = bench::scaled(5000, 200);
const int kPages = bench::scaled(40, 2); // 50 buttons each
const int kTabs = bench::scaled(500, 20);  // 100 to a map

void growCatalogue() {
    db::Connection db;
    db.connect(sysdba());
    db::Transaction tx(db);
    db::Query q(db);
    q.setSql(QStringLiteral("INSERT INTO item (id, name, qty, cost1, price1, tax1, price2, stockno,"
                            " barcode1, outputid, stopline, stopdisc, opt1caption, opt1auto, opt1prompt,"
                            " opt1forced, opt1cost, opt1price, opt1tax) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?,"
                            " ?, 'F', 'F', ?, 'F', ?, 'F', 0, 1.5, 0.1364)"));
    for (int i = 0; i < kItems; ++i) {
        const int id = 1000 + i;
        const bool options = i % 4 == 0;
        q.exec({id, QStringLiteral("Item %1").arg(id), 10 + i % 90, 2.5, 7.5 + i % 20, 0.6818, 6.5,
                QStringLiteral("SN%1").arg(id), QStringLiteral("93000%1").arg(id), i % 2 ? 101 : 102,
                options ? db::Value(QStringLiteral("Size")) : db::Value(),
                options ? db::Value(QStringLiteral("Which size?")) : db::Value()});
    }
    q.setSql(QStringLiteral("INSERT INTO link (id, name) VALUES (?, ?)"));
    for (int page = 0; page < kPages; ++page)
        q.exec({100 + page, QStringLiteral("Page %1").arg(page + 1)});
    q.setSql(QStringLiteral("INSERT INTO li (id, linkid, itemid, linkidlink, btncaption, boxcolour, boxleft,"
                            " boxtop, boxwidth, boxheight, imageid, imagelrtb) VALUES (?, ?, ?, 0, ?,"
                            " '2667765', ?, ?, 100, 70, NULL, 'T')"));
    for (int b = 0; b < kPages * 50; ++b)
        q.exec({1000 + b, 100 + b / 50, 1000 + b * 2, QStringLiteral("Item %1").arg(1000 + b * 2),
                10 + (b % 10) * 105, 10 + (b % 50) / 10 * 80});
    q.setSql(QStringLiteral("INSERT INTO map (id, name, filename) VALUES (?, ?, '')"));
    for (int m = 10; m < 15; ++m)
        q.exec({m, QStringLiteral("Floor %1").arg(m)});
    q.setSql(QStringLiteral("INSERT INTO tab (id, ref, cat, balance, crlimit, crstop) VALUES (?, ?, 'Tables', 0, 0, 'F')"));
    db::Query tm(db);
    tm.setSql(QStringLiteral("INSERT INTO tm (tabid, mapid, btncaption, btnleft, btntop, btnwidth, btnheight,"
                             " imagelrtb) VALUES (?, ?, ?, ?, ?, 90, 40, 'L')"));
    for (int t = 0; t < kTabs; ++t) {
        const int id = 1000 + t;
        q.exec({id, QStringLiteral("T%1").arg(id)});
        tm.exec({id, 10 + t / 100, QStringLiteral("T%1").arg(id), (t % 10) * 95, (t % 100) / 10 * 50});
    }
    tx.commit();
}

void registerAll(const char* prefix) {
    const std::string p(prefix);
    bench::registerTimed(p + "/LayerLoad", LayerLoad, benchmark::kMillisecond, 2.0);
    bench::registerTimed(p + "/BareLoad", BareLoad, benchmark::kMillisecond, 2.0);
    bench::registerTimed(p + "/WindowLoad", WindowLoad, benchmark::kMillisecond, 2.0);
}

} // namespace

int main(int argc, char** argv) {
    const std::unique_ptr<QApplication> app = bench::start(argc, argv, gDatabase, gPassword);
    if (!app)
        return 2;
    return bench::reportingFailures([] {
        bench::RatioReporter reporter;
        registerAll("Demo");
        benchmark::RunSpecifiedBenchmarks(&reporter, std::string("Demo/"));
        growCatalogue();
        bench::waitForStockLookBack("Grew the catalogue");
        registerAll("Large");
        benchmark::RunSpecifiedBenchmarks(&reporter, std::string("Large/"));
        for (const char* size : {"Demo", "Large"}) {
            const std::string s(size);
            const double layer = reporter.perIteration[s + "/LayerLoad"];
            const double bare = reporter.perIteration[s + "/BareLoad"];
            const double window = reporter.perIteration[s + "/WindowLoad"];
            std::printf("%-5s  terminal settings load: layer %.1f ms, bare %.1f ms (layer / bare %.2f),"
                        " whole window %.1f ms\n",
                        size, layer, bare, reporter.ratio(s + "/LayerLoad", s + "/BareLoad"), window);
        }
        return 0;
    });
}
