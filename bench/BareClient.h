#pragma once

// What the benchmarks share: an attachment made bare on the client library, as the layer makes
// it (SYSDBA, role app, UTF8, through a server), a reporter that keeps each benchmark's time so
// that the ratios can be printed at the end, the smoke run, and the way a program reports a
// failure.

#include "common/LocalTimeZone.h"
#include "db/Connection.h"
#include "db/FbClient.h"
#include "db/Value.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QString>

#include <benchmark/benchmark.h>
#include <firebird/Interface.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <deque>
#include <initializer_list>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

namespace bench {

// A smoke run (PELORA_BENCH_SMOKE set, as `make test` runs every program): each benchmark runs
// a couple of times on small data, only to show that the program still runs to its end. Its
// timings mean nothing.
inline bool smokeRun() { return qEnvironmentVariableIsSet("PELORA_BENCH_SMOKE"); }
constexpr int kSmokeIterations = 2;
// `full` in a timed run, `small` in a smoke run: the iterations or the data a benchmark fills.
inline int scaled(int full, int small) { return smokeRun() ? small : full; }

// Takes the newest line off again, so that every timed run meets the same tab.
inline void removeNewestLine(pelora::db::Connection& other) {
    other.run(QStringLiteral("DELETE FROM tabline1 WHERE id = (SELECT MAX(id) FROM tabline1)"));
}

// Whether an earlier run on this database has added a benchmark's own items, ids `first` to
// `first + count - 1` (added in one transaction: all of them or none). Each benchmark keeps to
// its own range, so that another's catalogue in the same database is not taken for its own.
inline bool itemsAdded(pelora::db::Connection& db, int first, int count) {
    return db.run(QStringLiteral("SELECT COUNT(*) FROM item WHERE id BETWEEN ? AND ?"), {first, first + count - 1})
               .rows.at(0).at(0).asInt() > 0;
}

// Runs a benchmark program's work and returns its exit code. A failure -- of the layer, of the
// bare client library, or a benchmark's own check -- is printed and ends the program with 1
// instead of terminating it.
template <typename Work>
int reportingFailures(Work&& work) {
    try {
        return work();
    } catch (const Firebird::FbException& e) {
        std::fprintf(stderr, "%s\n", pelora::db::fb::toDbError(e).what());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
    }
    return 1;
}

// Registers a benchmark that runs for at least `seconds` (twice in a smoke run), shown in `unit`.
inline void registerTimed(const std::string& name, void (*run)(benchmark::State&), benchmark::TimeUnit unit,
                          double seconds) {
    benchmark::internal::Benchmark* b = benchmark::RegisterBenchmark(name.c_str(), run)->Unit(unit);
    if (smokeRun())
        b->Iterations(kSmokeIterations);
    else
        b->MinTime(seconds);
}

struct BareClient {
    Firebird::IMaster* master = Firebird::fb_get_master_interface();
    Firebird::ThrowStatusWrapper st{master->getStatus()};
    Firebird::IAttachment* att = nullptr;

    BareClient(const QString& database, const QString& sysdbaPassword) {
        using namespace Firebird;
        IXpbBuilder* dpb = master->getUtilInterface()->getXpbBuilder(&st, IXpbBuilder::DPB, nullptr, 0);
        dpb->insertString(&st, isc_dpb_user_name, "SYSDBA");
        dpb->insertString(&st, isc_dpb_password, sysdbaPassword.toUtf8().constData());
        dpb->insertString(&st, isc_dpb_sql_role_name, "app");
        dpb->insertString(&st, isc_dpb_lc_ctype, "UTF8");
        dpb->insertString(&st, isc_dpb_config, "Providers=Remote,Loopback");
        att = master->getDispatcher()->attachDatabase(&st, database.toUtf8().constData(),
                                                      dpb->getBufferLength(&st), dpb->getBuffer(&st));
        dpb->dispose();
    }
    BareClient(const BareClient&) = delete;
    BareClient& operator=(const BareClient&) = delete;
    // Quiet on failure: it may run while a failure is on its way out.
    ~BareClient() {
        try {
            att->detach(&st);
        } catch (const Firebird::FbException&) {
        }
        st.dispose();
    }

    // A read-committed transaction as the layer starts them: read-only without waiting, or a
    // writing one that waits for locks; with `snapshot`, a snapshot as a report reads in.
    Firebird::ITransaction* start(bool readOnly, bool snapshot = false) {
        using namespace Firebird;
        IXpbBuilder* tpb = master->getUtilInterface()->getXpbBuilder(&st, IXpbBuilder::TPB, nullptr, 0);
        tpb->insertTag(&st, readOnly ? isc_tpb_read : isc_tpb_write);
        if (snapshot) {
            tpb->insertTag(&st, isc_tpb_concurrency);
        } else {
            tpb->insertTag(&st, isc_tpb_read_committed);
            tpb->insertTag(&st, isc_tpb_rec_version);
        }
        tpb->insertTag(&st, readOnly ? isc_tpb_nowait : isc_tpb_wait);
        ITransaction* t = att->startTransaction(&st, tpb->getBufferLength(&st), tpb->getBuffer(&st));
        tpb->dispose();
        return t;
    }
};

// A parameter value of a bare statement.
using BareValue = std::variant<std::monostate, int, double, std::string, ISC_TIMESTAMP>;

// A date and time as a bare statement binds it.
inline ISC_TIMESTAMP bareTimestamp(const QDateTime& when) {
    Firebird::IUtil* util = Firebird::fb_get_master_interface()->getUtilInterface();
    const QDate d = when.date();
    const QTime t = when.time();
    return {util->encodeDate(d.year(), d.month(), d.day()),
            util->encodeTime(t.hour(), t.minute(), t.second(), t.msec() * 10)};
}

// A value the layer read, as the bare statements bind it.
inline BareValue bareValue(const pelora::db::Value& v) {
    switch (v.kind()) {
    case pelora::db::Value::Kind::Null:
        return {};
    case pelora::db::Value::Kind::Integer:
        return static_cast<int>(v.asInt());
    case pelora::db::Value::Kind::Float:
        return v.asDouble();
    default:
        return v.asText().toStdString();
    }
}

struct BareStatement {
    Firebird::IStatement* statement = nullptr;
    Firebird::IMessageMetadata* in = nullptr;
    Firebird::IMessageMetadata* out = nullptr;
    std::string inBuf, outBuf;
};

// Statements prepared bare and run as the layer runs them: reads in one read-only transaction
// kept open, each change in a writing transaction of its own. The rows read are kept as raw
// bytes in `kept`.
struct BareSession : BareClient {
    Firebird::ITransaction* readTx = nullptr;
    std::deque<BareStatement> statements;
    std::vector<std::string> kept;

    BareSession(const QString& database, const QString& sysdbaPassword) : BareClient(database, sysdbaPassword) {
        readTx = start(true);
    }
    ~BareSession() {
        try {
            for (BareStatement& s : statements) {
                s.in->release();
                s.out->release();
                s.statement->free(&st);
            }
            readTx->commit(&st);
        } catch (const Firebird::FbException&) {
        }
    }

    BareStatement& prepare(const QString& sql) {
        BareStatement& s = statements.emplace_back();
        s.statement = att->prepare(&st, readTx, 0, sql.toUtf8().constData(), 3,
                                   Firebird::IStatement::PREPARE_PREFETCH_METADATA);
        s.in = s.statement->getInputMetadata(&st);
        s.out = s.statement->getOutputMetadata(&st);
        s.inBuf.assign(s.in->getMessageLength(&st), '\0');
        s.outBuf.resize(s.out->getMessageLength(&st));
        return s;
    }

    void bind(BareStatement& s, const std::vector<BareValue>& values) {
        if (values.size() != s.in->getCount(&st))
            throw std::runtime_error("parameter count differs");
        for (unsigned i = 0; i < values.size(); ++i) {
            char* at = &s.inBuf[s.in->getOffset(&st, i)];
            auto* null = reinterpret_cast<short*>(&s.inBuf[s.in->getNullOffset(&st, i)]);
            *null = std::holds_alternative<std::monostate>(values[i]) ? -1 : 0;
            const unsigned type = s.in->getType(&st, i) & ~1u;
            if (const int* n = std::get_if<int>(&values[i])) {
                if (type == SQL_DOUBLE) {
                    const double d = *n;
                    std::memcpy(at, &d, sizeof d);
                } else {
                    std::memcpy(at, n, sizeof *n);
                }
            } else if (const double* d = std::get_if<double>(&values[i])) {
                std::memcpy(at, d, sizeof *d);
            } else if (const std::string* text = std::get_if<std::string>(&values[i])) {
                const auto length = static_cast<unsigned short>(text->size());
                std::memcpy(at, &length, sizeof length);
                std::memcpy(at + sizeof length, text->data(), length);
            } else if (const ISC_TIMESTAMP* stamp = std::get_if<ISC_TIMESTAMP>(&values[i])) {
                std::memcpy(at, stamp, sizeof *stamp);
            }
        }
    }

    // A statement that changes things (or calls a procedure), in a transaction of its own.
    void write(BareStatement& s) {
        Firebird::ITransaction* tx = start(false);
        s.statement->execute(&st, tx, s.in, s.inBuf.data(), s.out, s.outBuf.data());
        tx->commit(&st);
    }
    // In the shared read transaction, or in `tx` where one is given.
    void read(BareStatement& s, Firebird::ITransaction* tx = nullptr) {
        Firebird::IResultSet* rs = s.statement->openCursor(&st, tx ? tx : readTx, s.in, s.inBuf.data(), s.out, 0);
        while (rs->fetchNext(&st, s.outBuf.data()) == Firebird::IStatus::RESULT_OK)
            kept.push_back(s.outBuf);
        rs->close(&st);
    }
    // Reads several statements that take the same parameters (a tab's two line lists, a report's
    // statements over its period).
    void readEach(const std::vector<BareStatement*>& reads, const std::vector<BareValue>& values,
                  Firebird::ITransaction* tx = nullptr) {
        for (BareStatement* s : reads) {
            bind(*s, values);
            read(*s, tx);
        }
    }
    // The plan the server chose for a statement, as one line ("PLAN JOIN (R INDEX ...)").
    std::string plan(BareStatement& s) {
        std::string text = s.statement->getPlan(&st, false);
        text.erase(0, text.find_first_not_of('\n'));
        return text;
    }
    int outputInt(BareStatement& s, unsigned index) {
        int value = 0;
        std::memcpy(&value, &s.outBuf[s.out->getOffset(&st, index)], sizeof value);
        return value;
    }
};

// What the till sends to add a line of the demo's Pale Ale to a tab (terminal "Bar", the first
// price level, no discount): the tab's discount, a new id, the insert and the re-read of both
// line lists, prepared from the five statements the layer sent, from `first` on.
struct BarePaleAleAdd {
    BareStatement *discount, *newId, *insert, *list1, *list2;

    BarePaleAleAdd(BareSession& session, const std::vector<QString>& sent, std::size_t first) {
        if (sent.size() < first + 5)
            throw std::runtime_error("adding a line no longer sends the five statements compared here");
        BareStatement** all[] = {&discount, &newId, &insert, &list1, &list2};
        for (std::size_t i = 0; i < 5; ++i)
            *all[i] = &session.prepare(sent[first + i]);
    }

    void run(BareSession& session, int tab) {
        session.bind(*discount, {tab});
        session.write(*discount);
        session.write(*newId);
        std::vector<BareValue> line{session.outputInt(*newId, 0), std::string("Bar"), std::string("Default"),
                                    tab, 2, std::string("Pale Ale"), 1.0, 3.2, 9.5, 0.8636, std::string(), 0.0};
        for (int n = 0; n < 10; ++n)
            for (const BareValue& v : {BareValue(std::string()), BareValue(std::string()), BareValue(std::string()),
                                       BareValue(0.0), BareValue(0.0), BareValue(0.0)})
                line.push_back(v);
        for (double v : {3.2, 9.5, 0.8636, 3.2, 9.5, 0.8636})
            line.emplace_back(v);
        line.emplace_back(std::string("Bar"));
        line.emplace_back(std::string("F"));
        line.emplace_back(0.0);
        session.bind(*insert, line);
        session.write(*insert);
        session.readEach({list1, list2}, {tab});
    }
};

inline double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// Reads what every benchmark program is given: the database as its one argument and the SYSDBA
// password from ISC_PASSWORD. False, with the usage printed, when the database is missing.
inline bool readTarget(int& argc, char** argv, QString& database, QString& password) {
    benchmark::Initialize(&argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s DATABASE  (SYSDBA password in ISC_PASSWORD)\n", argv[0]);
        return false;
    }
    database = QString::fromLocal8Bit(argv[1]);
    password = qEnvironmentVariable("ISC_PASSWORD");
    return true;
}

// The application every benchmark program runs under (offscreen unless a platform is set), or
// null when the database argument is missing.
inline std::unique_ptr<QApplication> start(int& argc, char** argv, QString& database, QString& password) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    pelora::keepLocalTimeZoneLoaded(); // as the till does at its start
    auto app = std::make_unique<QApplication>(argc, argv);
    if (!readTarget(argc, argv, database, password))
        return nullptr;
    return app;
}

// Times one iteration of a benchmark on its own and keeps it, in milliseconds.
template <typename Action>
void timeOne(benchmark::State& state, std::vector<double>& samples, Action&& action) {
    QElapsedTimer timer;
    timer.start();
    action();
    const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    state.SetIterationTime(seconds);
    samples.push_back(seconds * 1e3);
}

// A path through the till and the same statements bare, each run `iterations` times (twice in a
// smoke run) and timed one by one; prints the medians and their ratio under `what`, and the time
// aimed at where there is one.
struct Paired {
    std::string name;
    void (*layer)(benchmark::State&);
    void (*bare)(benchmark::State&);
    int iterations;
    const std::vector<double>* layerSamples;
    const std::vector<double>* bareSamples;
    std::string what;
    int goalMs = 0; // none
};

// Several paths, all run before any is printed.
inline int runPaired(std::initializer_list<Paired> paths) {
    return reportingFailures([&] {
        for (const Paired& p : paths) {
            const int iterations = scaled(p.iterations, kSmokeIterations);
            benchmark::RegisterBenchmark((p.name + "/LayerAndScreen").c_str(), p.layer)
                ->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(iterations);
            benchmark::RegisterBenchmark((p.name + "/Bare").c_str(), p.bare)
                ->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(iterations);
        }
        benchmark::RunSpecifiedBenchmarks();
        for (const Paired& p : paths) {
            const double layer = median(*p.layerSamples);
            const double bare = median(*p.bareSamples);
            std::printf("\n%s, median of %d: till %.2f ms, bare statements %.2f ms (till / bare %.2f)", p.what.c_str(),
                        scaled(p.iterations, kSmokeIterations), layer, bare, bare > 0 ? layer / bare : 0.0);
            if (p.goalMs > 0)
                std::printf("; goal under %d ms", p.goalMs);
            std::printf("\n");
        }
        return 0;
    });
}

inline int runPaired(const Paired& p) { return runPaired({p}); }

// Keeps each benchmark's real time per iteration, by the name it was registered under.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> perIteration;
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs)
            perIteration[r.run_name.function_name] = r.GetAdjustedRealTime();
    }
    // The ratio of two benchmarks' times, 0 when the second did not run.
    double ratio(const std::string& over, const std::string& under) {
        const double u = perIteration[under];
        return u > 0 ? perIteration[over] / u : 0.0;
    }
};

} // namespace bench
