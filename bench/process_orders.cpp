// "Process" on a tab of 20 new lines, 10 for the kitchen and 10 for the bar: the button's
// handler, loading the new lines, laying out and spooling both papers (into memory: the time of
// a real printer is not the till's), marking the 20 lines and moving their stock in one
// transaction, then the screen's reset. Beside it the statements that send and mark the lines,
// issued bare on the client library: the two list reads, and the 20 marks and 20 stock moves in
// one writing transaction. Each run is timed on its own and the medians are compared.
// Run: bench_process_orders localhost:/path/to/scratch.gdb (scripts/run-bench.sh).

#include "BareClient.h"
#include "BenchTill.h"

#include "print/MemorySpooler.h"
#include "sales/LinePanel.h"

#include <benchmark/benchmark.h>

#include <QPushButton>

#include <vector>

using namespace pelora;

namespace {

QString gDatabase;
QString gPassword;
constexpr int kTab = 3; // "Table 1"
const int kEachItem = bench::scaled(10, 2);
constexpr int kRuns = 200;

std::vector<double> gLayer;
std::vector<double> gBare;
std::vector<QString> gStatements; // what sending and marking send, as the layer sends them
struct Line {
    int id, itemId;
    double qty;
};
std::vector<Line> gLines;

const QString kNew = QStringLiteral("UPDATE tabline1 SET processed = 'F' WHERE tabid = 3");

void LayerProcess(benchmark::State& state) {
    bench::BenchTill till(gDatabase, gPassword);
    auto spooler = std::make_unique<MemorySpooler>();
    spooler->installed = {QStringLiteral("Docket"), QStringLiteral("Kitchen"), QStringLiteral("BarPrinter")};
    MemorySpooler& papers = *spooler;
    till.module.setSpooler(std::move(spooler));
    till.module.db1.run(QStringLiteral("DELETE FROM tabline1 WHERE tabid = 3")); // from an earlier run
    GlyphButton* table1 = till.tabButton(QStringLiteral("Table 1"));
    table1->click();
    for (int i = 0; i < kEachItem; ++i) {
        till.itemButton(QStringLiteral("Burger"))->click();
        till.itemButton(QStringLiteral("Pale Ale"))->click();
    }
    gStatements = till.statementsOf([&] { till.form.ProcessOrders(); });
    db::Query lines(till.module.db1);
    lines.setSql(QStringLiteral("SELECT id, itemid, qty FROM tabline1 WHERE tabid = 3 ORDER BY id"));
    for (lines.open(); !lines.eof(); lines.next())
        gLines.push_back({static_cast<int>(lines.value(u"id").asInt()), static_cast<int>(lines.value(u"itemid").asInt()),
                          lines.value(u"qty").asDouble()});

    for (auto _ : state) {
        till.module.db1.run(kNew);
        papers.documents.clear();
        table1->click();
        bench::timeOne(state, gLayer, [&] { till.form.pnlRight->btnProcess->click(); });
        if (papers.documents.size() != 2 || till.form.state().currentTab != 0)
            throw std::runtime_error("Process did not print two papers and start again");
    }
}

struct Bare : bench::BareSession {
    bench::BareStatement *list1, *list2, *mark, *stock;

    Bare() : BareSession(gDatabase, gPassword) {
        // Two reads, then a mark and a stock move per line.
        if (gStatements.size() != 2 + 2 * gLines.size())
            throw std::runtime_error("sending no longer sends the statements compared here");
        list1 = &prepare(gStatements[0]);
        list2 = &prepare(gStatements[1]);
        mark = &prepare(gStatements[2]);
        stock = &prepare(gStatements[3]);
    }

    void process() {
        kept.clear();
        readEach({list1, list2}, {kTab});
        Firebird::ITransaction* tx = start(false);
        for (const Line& line : gLines) {
            bind(*mark, {line.id});
            mark->statement->execute(&st, tx, mark->in, mark->inBuf.data(), mark->out, mark->outBuf.data());
            bind(*stock, {line.itemId, line.qty});
            stock->statement->execute(&st, tx, stock->in, stock->inBuf.data(), stock->out, stock->outBuf.data());
        }
        tx->commit(&st);
    }
};

void BareProcess(benchmark::State& state) {
    Bare bare;
    bench::BareClient reset(gDatabase, gPassword);
    for (auto _ : state) {
        {
            Firebird::ITransaction* tx = reset.start(false);
            reset.att->execute(&reset.st, tx, 0, kNew.toUtf8().constData(), 3, nullptr, nullptr, nullptr, nullptr);
            tx->commit(&reset.st);
        }
        bench::timeOne(state, gBare, [&] { bare.process(); });
        if (bare.kept.size() != gLines.size())
            throw std::runtime_error("the bare reads did not find the tab's new lines");
    }
}

} // namespace

int main(int argc, char** argv) {
    const std::unique_ptr<QApplication> app = bench::start(argc, argv, gDatabase, gPassword);
    if (!app)
        return 2;
    return bench::runPaired({"ProcessOrders", LayerProcess, BareProcess, kRuns, &gLayer, &gBare,
                             "Process on a tab of 20 new lines for two printers"});
}
