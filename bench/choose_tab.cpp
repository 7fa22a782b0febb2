// Choosing a tab that holds 50 lines by touching its button on the floor plan: the button's
// handler, the re-read of both line lists, the tab's balance, the totals, the lists and the Item
// page on screen. Beside it the statements the choice sends, issued bare on the client library
// in the till's order and as the layer runs them. Each choice is timed on its own and the
// medians are compared.
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
const int kLinesOnTab = bench::scaled(50, 5);
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
            throw std::runtime_error("the choice did not show the tab's lines");
    }
}

// The statements one choice sends, prepared in the till's order.
struct Bare : bench::BareSession {
    std::vector<bool> procedures; // which of them are procedure calls

    Bare() : BareSession(gDatabase, gPassword) {
        for (const QString& sql : gStatements) {
            bench::BareStatement& s = prepare(sql);
            for (unsigned i = 0; i < s.in->getCount(&st); ++i)
                if ((s.in->getType(&st, i) & ~1u) != SQL_LONG)
                    throw std::runtime_error("a choice now sends a statement that takes more than the tab's id: " +
                                             sql.toStdString());
            bind(s, std::vector<bench::BareValue>(s.in->getCount(&st), kTab));
            procedures.push_back(s.statement->getType(&st) == isc_info_sql_stmt_exec_procedure);
        }
    }

    // As the layer runs them: a procedure in a writing transaction of its own, a query in the
    // read-only one, its rows kept.
    void choose() {
        kept.clear();
        for (std::size_t i = 0; i < statements.size(); ++i) {
            if (procedures[i])
                write(statements[i]);
            else
                read(statements[i]);
        }
    }
};

void BareChoose(benchmark::State& state) {
    Bare bare;
    for (auto _ : state) {
        bench::timeOne(state, gBare, [&] { bare.choose(); });
        if (bare.kept.size() != static_cast<std::size_t>(kLinesOnTab))
            throw std::runtime_error("the bare choice did not read the tab's lines");
    }
}

} // namespace

int main(int argc, char** argv) {
    const std::unique_ptr<QApplication> app = bench::start(argc, argv, gDatabase, gPassword);
    if (!app)
        return 2;
    return bench::runPaired({"ChooseTab", LayerChoose, BareChoose, kChoices, &gLayer, &gBare, "Choosing a tab of 50 lines on the floor plan"});
}
