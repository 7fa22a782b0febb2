// Opening the receipt history with 200,000 receipts on file: the last day's receipts (about 550)
// and one tab's (2,000, a table's year), each with the lines of the first receipt as cards, from
// the window's creation to the cards laid out. Beside it the statements the window sends, issued
// bare on the client library in its order, every row fetched. Each opening is timed on its own
// and the medians are compared.
// Run: bench_receipt_history localhost:/path/to/scratch.gdb (scripts/run-bench.sh).

#include "BareClient.h"
#include "BenchTill.h"

#include "payment/TRecForm.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <vector>

using namespace pelora;

namespace {

QString gDatabase;
QString gPassword;
const int kReceipts = bench::scaled(200000, 400);
// Receipts are 157 seconds apart (200,000 span a year) and take the tabs 3 to 102 in turn: Table 1
// (tab 3) has one in a hundred. Over 200,000, the last day holds about 550 and Table 1 2,000.
constexpr int kSecondsApart = 157;
constexpr int kTabs = 100;
constexpr int kTab = 3;
constexpr int kOpenings = 100;

std::vector<double> gLayer[2];
std::vector<double> gBare[2];
std::vector<QString> gStatements[2]; // what each opening sends, as the layer sends it
int gRows[2];                       // the receipts each opening lists

enum Opening { LastDay, OneTab };

// Fills the receipts with two lines each in one block on the server, unless an earlier run has
// (its own receipts are counted: other benchmarks keep theirs in the same database).
void fill(db::Connection& db) {
    const int have = static_cast<int>(
        db.run(QStringLiteral("SELECT COUNT(*) FROM receipt WHERE staffref = 'Bench'")).rows.at(0).at(0).asInt());
    if (have >= kReceipts)
        return;
    db.run(QStringLiteral(
               "EXECUTE BLOCK (n INTEGER = ?, apart INTEGER = ?, tabs INTEGER = ?) AS"
               " DECLARE i INTEGER = 0; DECLARE r INTEGER; DECLARE stamp TIMESTAMP;"
               " BEGIN"
               "  WHILE (i < n) DO BEGIN"
               "   r = NEXT VALUE FOR receiptid_gen;"
               "   stamp = DATEADD(-(i * apart) SECOND TO CURRENT_TIMESTAMP);"
               "   INSERT INTO receipt (id, pcref, staffref, tabid, tabref, total, tendered, mop, cr, istamp)"
               "    VALUES (:r, 'Bar', 'Bench', 3 + MOD(:i, :tabs), 'Bench', 20.5, 50, 'Cash', 0, :stamp);"
               "   INSERT INTO recline (id, pcref, staffref, recid, itemid, itemname, qty, price, extprice,"
               "    opt1caption, opt1choice, istamp)"
               "    VALUES (NEXT VALUE FOR reclineid_gen, 'Bar', 'Bench', :r, 12, 'Burger', 1, 11, 11, 'Cheese', 'T', :stamp);"
               "   INSERT INTO recline (id, pcref, staffref, recid, itemid, itemname, qty, price, extprice, istamp)"
               "    VALUES (NEXT VALUE FOR reclineid_gen, 'Bar', 'Bench', :r, 2, 'Pale Ale', 1, 9.5, 9.5, :stamp);"
               "   i = i + 1;"
               "  END"
               " END"),
           {kReceipts - have, kSecondsApart, kTabs});
}

std::unique_ptr<TRecForm> open(bench::BenchTill& till, Opening which) {
    auto form = std::make_unique<TRecForm>(till.form, till.prompter);
    if (which == LastDay) {
        form->btnRefreshClick();
    } else {
        form->setHistoryTab(kTab, QStringLiteral("Table 1"));
        form->LoadTabReceipts(kTab);
    }
    return form;
}

void layer(benchmark::State& state, Opening which) {
    bench::BenchTill till(gDatabase, gPassword);
    fill(till.module.db1);
    std::unique_ptr<TRecForm> form;
    gStatements[which] = till.statementsOf([&] { form = open(till, which); });
    gRows[which] = form->receipts().receipt1().rowCount();
    for (auto _ : state) {
        form.reset();
        bench::timeOne(state, gLayer[which], [&] { form = open(till, which); });
        if (form->receipts().receipt1().rowCount() < 1)
            throw std::runtime_error("the history listed no receipt");
    }
}

void LayerLastDay(benchmark::State& state) { layer(state, LastDay); }
void LayerOneTab(benchmark::State& state) { layer(state, OneTab); }

// The statements of one opening, prepared in the window's order.
struct Bare : bench::BareSession {
    Opening which;
    bench::BareStatement* clock = nullptr;
    bench::BareStatement* receipts = nullptr;
    bench::BareStatement* lines = nullptr;

    explicit Bare(Opening w) : BareSession(gDatabase, gPassword), which(w) {
        const std::vector<QString>& sql = gStatements[which];
        if (sql.size() != (which == LastDay ? 3u : 2u))
            throw std::runtime_error("the history no longer sends the statements compared here");
        std::size_t at = 0;
        if (which == LastDay)
            clock = &prepare(sql[at++]);
        receipts = &prepare(sql[at++]);
        lines = &prepare(sql[at]);
    }

    // The server's time less a day, into the receipt statement's one parameter.
    void bindDayBack() {
        write(*clock);
        ISC_TIMESTAMP now;
        std::memcpy(&now, &clock->outBuf[clock->out->getOffset(&st, 0)], sizeof now);
        now.timestamp_date -= 1;
        now.timestamp_time -= now.timestamp_time % ISC_TIME_SECONDS_PRECISION; // to the second
        if ((receipts->in->getType(&st, 0) & ~1u) != SQL_TIMESTAMP)
            throw std::runtime_error("the receipt statement no longer takes a time stamp");
        std::memcpy(&receipts->inBuf[receipts->in->getOffset(&st, 0)], &now, sizeof now);
        short notNull = 0;
        std::memcpy(&receipts->inBuf[receipts->in->getNullOffset(&st, 0)], &notNull, sizeof notNull);
    }

    void open() {
        kept.clear();
        if (which == LastDay)
            bindDayBack();
        else
            bind(*receipts, {kTab});
        read(*receipts);
        if (kept.empty())
            return;
        int first = 0; // the newest receipt's id, the first column
        std::memcpy(&first, &kept.front()[receipts->out->getOffset(&st, 0)], sizeof first);
        bind(*lines, {first});
        read(*lines);
    }
};

void bare(benchmark::State& state, Opening which) {
    Bare session(which);
    for (auto _ : state) {
        bench::timeOne(state, gBare[which], [&] { session.open(); });
        if (session.kept.size() != static_cast<std::size_t>(gRows[which]) + 2)
            throw std::runtime_error("the bare statements did not read the same receipts");
    }
}

void BareLastDay(benchmark::State& state) { bare(state, LastDay); }
void BareOneTab(benchmark::State& state) { bare(state, OneTab); }

} // namespace

int main(int argc, char** argv) {
    const std::unique_ptr<QApplication> app = bench::start(argc, argv, gDatabase, gPassword);
    if (!app)
        return 2;
    const int iterations = bench::scaled(kOpenings, bench::kSmokeIterations);
    return bench::reportingFailures([&] {
        const auto timed = [iterations](const char* name, void (*run)(benchmark::State&)) {
            benchmark::RegisterBenchmark(name, run)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(iterations);
        };
        timed("ReceiptHistory/LastDay/LayerAndScreen", LayerLastDay);
        timed("ReceiptHistory/LastDay/Bare", BareLastDay);
        timed("ReceiptHistory/OneTab/LayerAndScreen", LayerOneTab);
        timed("ReceiptHistory/OneTab/Bare", BareOneTab);
        benchmark::RunSpecifiedBenchmarks();
        const char* what[] = {"the last day's", "one tab's"};
        for (int w : {LastDay, OneTab}) {
            const double layerMs = bench::median(gLayer[w]);
            const double bareMs = bench::median(gBare[w]);
            std::printf("\nOpening the history of %s %d receipts among %d, median of %d: till %.2f ms, bare"
                        " statements %.2f ms (till / bare %.2f)\n",
                        what[w], gRows[w], kReceipts, iterations, layerMs, bareMs, bareMs > 0 ? layerMs / bareMs : 0.0);
        }
        return 0;
    });
}
