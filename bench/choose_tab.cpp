// Choosing a tab that holds 50 lines by touching its button on the floor plan: the button's
// handler, the tab's balance, the re-read of both line lists, the totals, the lists and the Item
// page on screen. Beside it the same three statements issued bare on the client library, as the
// layer runs them. Each choice is timed on its own and the medians are compared.
// Run: bench_choose_tab localhost:/path/to/scratch.gdb (scripts/run-bench.sh).

#include "BareClient.h"
#include "BenchTill.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <vector>

using namespace pelora;

namespace {

QString gDatabase;
QString gPassword;
constexpr int kTab = 3; // "Table 1"
constexpr int kLinesOnTab = 50;
constexpr int kChoices = 400;

std::vector<double> gLayer;
std::vector<double> gBare;
std::vector<QString> gStatements; // what one choice sends, as the layer sends it

void LayerChoose(benchmark::State& state) {
    bench::BenchTill till(gDatabase, gPassword);
    GlyphButton* table1 = till.tabButton(QStringLiteral("Table 1"));
    table1->click();
    till.fillTab(kLinesOnTab);
    gStatements = till.statementsOf([&] { table1->click(); });

    for (auto _ : state) {
        till.form.btnTabClick();
        bench::timeOne(state, gLayer, [&] { table1->click(); });
        if (till.linesShown() != kLinesOnTab || till.form.state().currentTab != kTab)
            throw std::runtime_error("the choice did not show the tab's 50 lines");
    }
}

struct Bare : bench::BareSession {
    bench::BareStatement *balance, *list1, *list2;

    Bare() : BareSession(gDatabase, gPassword) {
        if (gStatements.size() != 3)
            throw std::runtime_error("a choice no longer sends the three statements compared here");
        balance = &prepare(gStatements[0]);
        list1 = &prepare(gStatements[1]);
        list2 = &prepare(gStatements[2]);
    }

    void choose() {
        kept.clear();
        bind(*balance, {kTab});
        write(*balance);
        readEach({list1, list2}, {kTab});
    }
};

void BareChoose(benchmark::State& state) {
    Bare bare;
    for (auto _ : state) {
        bench::timeOne(state, gBare, [&] { bare.choose(); });
        if (bare.kept.size() != kLinesOnTab)
            throw std::runtime_error("the bare choice did not read 50 lines");
    }
}

} // namespace

int main(int argc, char** argv) {
    const std::unique_ptr<QApplication> app = bench::start(argc, argv, gDatabase, gPassword);
    if (!app)
        return 2;
    return bench::runPaired({"ChooseTab", LayerChoose, BareChoose, kChoices, &gLayer, &gBare, "Choosing a tab of 50 lines on the floor plan"});
}
