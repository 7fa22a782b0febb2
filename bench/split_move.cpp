// "▼" in the split chooser on a table whose guest has 10 of its 20 lines: in one transaction the
// guest's lines are copied to the second list with new ids in one statement and deleted from the
// first in another (which must take as many lines as the till holds: the guard against another
// till's change), and both lists are read again for the screen. Runs alternate with "▲", so that
// every run moves the same 10 lines. Beside it, bare on the client library, the least the
// database needs for the same result: the same copy and delete in one transaction, then both
// lists read once.
// Run: bench_split_move localhost:/path/to/scratch.gdb (scripts/run-bench.sh).

#include "BareClient.h"
#include "BenchTill.h"

#include "sales/LineRecord.h"

#include <benchmark/benchmark.h>

#include <vector>

using namespace pelora;

namespace {

QString gDatabase;
QString gPassword;
const int kLinesOnTab = bench::scaled(20, 4);
constexpr int kRuns = 100;
const QString kGuest = QStringLiteral("Seat 1");

std::vector<double> gLayer;
std::vector<double> gBare;

void LayerMove(benchmark::State& state) {
    bench::BenchTill till(gDatabase, gPassword);
    db::Connection& db = till.module.db1;
    for (const char* table : {"tabline1", "tabline2"})
        db.run(QStringLiteral("DELETE FROM %1 WHERE tabid = 3").arg(QLatin1String(table))); // from an earlier run
    till.tabButton(QStringLiteral("Table 1"))->click();
    till.fillTab(kLinesOnTab);
    // Every other line is the guest's.
    db.run(QStringLiteral("UPDATE tabline1 SET splitref = IIF(MOD(id, 2) = 0, ?, 'Seat 2') WHERE tabid = 3"), {kGuest});
    till.form.ReadLineLists();

    int run = 0;
    for (auto _ : state) {
        const bool down = run % 2 == 0;
        bench::timeOne(state, gLayer, [&] { till.form.moveSplitLines(down, kGuest); });
        if (till.form.lines().list(down ? LineLists::kSplit : LineLists::kMain).rowCount() < kLinesOnTab / 2)
            throw std::runtime_error("the guest's lines did not move");
        ++run;
    }
}

struct Bare : bench::BareSession {
    bench::BareStatement* copies[2];
    bench::BareStatement* removals[2];
    bench::BareStatement* lists[2];

    Bare() : BareSession(gDatabase, gPassword) {
        const QStringList& columns = LineRecord::movedColumns();
        QStringList selected = columns;
        for (int from = 0; from < 2; ++from) {
            const QString source = from == 0 ? QStringLiteral("tabline1") : QStringLiteral("tabline2");
            const QString target = from == 0 ? QStringLiteral("tabline2") : QStringLiteral("tabline1");
            selected[static_cast<int>(columns.indexOf(QStringLiteral("id")))] =
                QStringLiteral("NEXT VALUE FOR %1id_gen").arg(target);
            copies[from] = &prepare(QStringLiteral("INSERT INTO %1 (%2) SELECT %3 FROM %4 WHERE tabid = ? AND splitref = ?"
                                                 " ORDER BY id")
                                      .arg(target, columns.join(u','), selected.join(u','), source));
            removals[from] = &prepare(QStringLiteral("DELETE FROM %1 WHERE tabid = ? AND splitref = ?").arg(source));
            lists[from] = &prepare(QStringLiteral("SELECT * FROM %1 WHERE tabid = ? ORDER BY id").arg(source));
        }
    }

    void move(int from) {
        const std::vector<bench::BareValue> guest{3, kGuest.toStdString()};
        Firebird::ITransaction* tx = start(false);
        for (bench::BareStatement* s : {copies[from], removals[from]}) {
            bind(*s, guest);
            s->statement->execute(&st, tx, s->in, s->inBuf.data(), s->out, s->outBuf.data());
        }
        tx->commit(&st);
        kept.clear();
        readEach({lists[0], lists[1]}, {3});
    }
};

void BareMove(benchmark::State& state) {
    Bare bareSession;
    int run = 0;
    for (auto _ : state) {
        bench::timeOne(state, gBare, [&] { bareSession.move(run % 2); });
        ++run;
    }
}

} // namespace

int main(int argc, char** argv) {
    const std::unique_ptr<QApplication> app = bench::start(argc, argv, gDatabase, gPassword);
    if (!app)
        return 2;
    return bench::runPaired({"SplitMove", LayerMove, BareMove, kRuns, &gLayer, &gBare,
                             "A guest's 10 lines of 20 moved to the second list and back"});
}
