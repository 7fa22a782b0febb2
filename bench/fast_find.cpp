// A bar code scanned into the sales screen's find box on a catalogue of 50,000 items: from the
// Return that ends the code to the new line on screen (the search by the upper-cased codes, the
// item read, the tab's discount, a new id, the insert, the re-read of both line lists). Beside
// it the same statements issued bare on the client library: the same transactions, the rows
// fetched and kept as raw bytes. Each scan is timed on its own and the medians are compared;
// the plan of the search is printed, so that a search that no longer uses the code indexes
// shows.
// Run: bench_fast_find localhost:/path/to/scratch.gdb (scripts/run-bench.sh).

#include "BareClient.h"
#include "BenchTill.h"

#include "db/Query.h"
#include "sales/LinePanel.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <benchmark/benchmark.h>
#include <firebird/Interface.h>

#include <cstdio>
#include <vector>

using namespace pelora;

namespace {

QString gDatabase;
QString gPassword;
const int kItems = bench::scaled(50000, 200);
// The benchmark's own ids, clear of the demo's and of the catalogues the other benchmarks grow
// in the same database.
constexpr int kFirstItem = 100000;
constexpr int kTab = 3; // "Table 1"
constexpr int kScans = 400;
const QString kCode = QStringLiteral("9300001000012"); // Pale Ale's bar code, among the catalogue's

db::ConnectParams sysdba() { return {QStringLiteral("SYSDBA"), gPassword, QStringLiteral("app"), gDatabase}; }

// Adds the catalogue in one transaction, unless an earlier run has: every item with a bar code,
// every third a second one, and a stock number. True when it added them.
bool fill() {
    db::Connection db;
    db.connect(sysdba());
    if (bench::itemsAdded(db, kFirstItem, kItems))
        return false;
    db::Transaction tx(db);
    db::Query item(db);
    item.setSql(QStringLiteral("INSERT INTO item (id, name, qty, cost1, price1, tax1, stockno, barcode1, barcode2,"
                               " outputid, stopline, stopdisc) VALUES (?, ?, 10, 2.5, 7.5, 0.6818, ?, ?, ?, 102, 'F', 'F')"));
    for (int i = 0; i < kItems; ++i)
        item.exec({kFirstItem + i, QStringLiteral("Scan Item %1").arg(i), QStringLiteral("sc-%1").arg(i),
                   QStringLiteral("94%1").arg(i, 11, 10, QLatin1Char('0')),
                   i % 3 ? db::Value() : db::Value(QStringLiteral("95%1").arg(i, 11, 10, QLatin1Char('0')))});
    tx.commit();
    return true;
}

std::vector<double> gLayer;
std::vector<double> gBare;
std::vector<QString> gStatements; // what one scan sends, as the layer sends it
std::size_t gRows = 0;            // the rows one scan reads: the item found, its row, both lists

// The scanner types the code into the box and ends it with Return.
void scan(QLineEdit& box) {
    box.setText(kCode);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(&box, &press);
    if (!box.text().isEmpty())
        throw std::runtime_error("the scan added nothing");
}

void LayerScan(benchmark::State& state) {
    bench::BenchTill till(gDatabase, gPassword);
    till.form.state().currentTab = kTab;
    till.form.ReadLineLists();
    QLineEdit& box = *till.form.pnlRight->edtFind;
    db::Connection other;
    other.connect(sysdba());
    const int shown = till.linesShown();
    gStatements = till.statementsOf([&] { scan(box); });
    gRows = 2 + static_cast<std::size_t>(shown + 1 + till.form.lines().list(LineLists::kSplit).rowCount());
    bench::removeNewestLine(other);

    for (auto _ : state) {
        bench::timeOne(state, gLayer, [&] { scan(box); });
        if (till.linesShown() != shown + 1)
            throw std::runtime_error("the scan did not add one line");
        bench::removeNewestLine(other);
    }
}

// --- bare on the client library ----------------------------------------------------------

using bench::BareStatement;

struct Bare : bench::BareSession {
    // The statements the layer sent for one scan, in its order: the search, the item read, then
    // the line added as a touch adds it.
    BareStatement* search = &prepare(gStatements.at(0));
    BareStatement* item = &prepare(gStatements.at(1));
    bench::BarePaleAleAdd add{*this, gStatements, 2};

    Bare() : BareSession(gDatabase, gPassword) {
        if (gStatements.size() != 7)
            throw std::runtime_error("a scan no longer sends the seven statements compared here");
        std::printf("\nThe search: %s\n", plan(*search).c_str());
    }

    void scan() {
        kept.clear();
        const std::string code = kCode.toStdString();
        bind(*search, {code, code});
        read(*search);
        bind(*item, {2});
        read(*item);
        add.run(*this, kTab);
    }
};

void BareScan(benchmark::State& state) {
    Bare bare;
    db::Connection other;
    other.connect(sysdba());
    for (auto _ : state) {
        bench::timeOne(state, gBare, [&] { bare.scan(); });
        if (bare.kept.size() != gRows)
            throw std::runtime_error("the bare scan did not read the item and the new line");
        bench::removeNewestLine(other);
    }
}

} // namespace

int main(int argc, char** argv) {
    const std::unique_ptr<QApplication> app = bench::start(argc, argv, gDatabase, gPassword);
    if (!app)
        return 2;
    return bench::reportingFailures([] {
        if (fill())
            bench::waitForStockLookBack("Added the catalogue");
        const int result = bench::runPaired({"Scan", LayerScan, BareScan, kScans, &gLayer, &gBare,
                                             "A scan on " + std::to_string(kItems) + " items, Return to the line shown",
                                             20});
        // The catalogue goes again, so that the benchmarks after this one in the same database
        // (the item editor's lists every item) measure the catalogue they are about.
        db::Connection db;
        db.connect(sysdba());
        db.run(QStringLiteral("DELETE FROM item WHERE id BETWEEN ? AND ?"), {kFirstItem, kFirstItem + kItems - 1});
        return result;
    });
}
