// The touch of an item button on a tab that already holds 50 lines: the grid's click handler,
// the new line (the tab's discount, a new id, the insert), the re-read of both line lists, the
// totals and the lists on screen. Beside it the same statements issued bare on the client
// library: the same transactions, the rows fetched and kept as raw bytes. Each touch is timed on
// its own and the medians are compared.
// Run: bench_touch_item localhost:/path/to/scratch.gdb (scripts/run-bench.sh).

#include "BareClient.h"
#include "BenchTill.h"

#include "db/Query.h"

#include <benchmark/benchmark.h>
#include <firebird/Interface.h>

#include <cstdio>
#include <vector>

using namespace pelora;

namespace {

QString gDatabase;
QString gPassword;
constexpr int kTab = 3;        // "Table 1"
const int kLinesOnTab = bench::scaled(50, 5);
constexpr int kTouches = 400;

db::ConnectParams sysdba() { return {QStringLiteral("SYSDBA"), gPassword, QStringLiteral("app"), gDatabase}; }

std::vector<double> gLayer;
std::vector<double> gBare;
std::vector<QString> gStatements; // what one touch sends, as the layer sends it

void LayerTouch(benchmark::State& state) {
    bench::BenchTill till(gDatabase, gPassword);
    till.form.state().currentTab = kTab;
    till.form.ReadLineLists();
    till.form.btnLinkClick();
    till.fillTab(kLinesOnTab);
    QPushButton* ale = till.itemButton(QStringLiteral("Pale Ale"));
    db::Connection other;
    other.connect(sysdba());
    gStatements = till.statementsOf([&] { ale->click(); });
    bench::removeNewestLine(other);

    for (auto _ : state) {
        bench::timeOne(state, gLayer, [&] { ale->click(); });
        if (till.linesShown() != kLinesOnTab + 1)
            throw std::runtime_error("the touch did not add one line");
        bench::removeNewestLine(other);
    }
}

// --- bare on the client library ----------------------------------------------------------

using bench::BareStatement;

struct Bare : bench::BareSession {
    bench::BarePaleAleAdd add{*this, gStatements, 0};

    Bare() : BareSession(gDatabase, gPassword) {
        // The statements the layer sent for one touch, in its order.
        if (gStatements.size() != 5)
            throw std::runtime_error("a touch no longer sends the five statements compared here");
    }

    void touch() {
        kept.clear();
        add.run(*this, kTab);
    }
};

void BareTouch(benchmark::State& state) {
    Bare bare;
    db::Connection other;
    other.connect(sysdba());
    for (auto _ : state) {
        bench::timeOne(state, gBare, [&] { bare.touch(); });
        if (bare.kept.size() != static_cast<std::size_t>(kLinesOnTab) + 1)
            throw std::runtime_error("the bare touch did not read the tab's lines and the new one");
        bench::removeNewestLine(other);
    }
}

} // namespace

int main(int argc, char** argv) {
    const std::unique_ptr<QApplication> app = bench::start(argc, argv, gDatabase, gPassword);
    if (!app)
        return 2;
    return bench::runPaired({"Touch", LayerTouch, BareTouch, kTouches, &gLayer, &gBare, "Item touch on a tab of 50 lines"});
}
