// Paying a tab of 50 lines in cash: the receipt commit over the lines the sales screen holds,
// in one transaction (the receipt, a receipt line, a stock move and the delete of each line,
// the pre-tender reset). Beside it the same statements with the same values issued bare on the
// client library in one writing transaction. The lines are put back before each run, outside
// the time. Each commit is timed on its own and the medians are compared.
// Run: bench_commit_receipt localhost:/path/to/scratch.gdb (scripts/run-bench.sh).

#include "BareClient.h"
#include "BenchTill.h"

#include "payment/ReceiptCommit.h"

#include <benchmark/benchmark.h>

#include <vector>

using namespace pelora;

namespace {

QString gDatabase;
QString gPassword;
const int kLinesOnTab = bench::scaled(50, 5);
constexpr int kRuns = 100;

std::vector<double> gLayer;
std::vector<double> gBare;
std::vector<QString> gStatements; // what the commit sends, as the layer sends it
db::ResultData gLines;            // the tab's 50 lines as they were before the first payment
Money gTotal;

// Puts the 50 lines back on the tab as they were.
void restoreLines(db::Connection& db) {
    QStringList columns;
    for (int c = 0; c < gLines.columns->count(); ++c)
        columns << gLines.columns->at(c).name;
    const QString insert = QStringLiteral("INSERT INTO tabline1 (%1) VALUES (?%2)")
                               .arg(columns.join(QStringLiteral(", ")), QStringLiteral(", ?").repeated(columns.size() - 1));
    db::Transaction transaction(db);
    for (const db::Row& row : gLines.rows)
        db.run(insert, row);
    transaction.commit();
}

void LayerCommit(benchmark::State& state) {
    bench::BenchTill till(gDatabase, gPassword);
    db::Connection& db = till.module.db1;
    db.run(QStringLiteral("DELETE FROM tabline1 WHERE tabid = 3")); // from an earlier run
    GlyphButton* table1 = till.tabButton(QStringLiteral("Table 1"));
    table1->click();
    till.fillTab(kLinesOnTab);
    gLines = db.run(QStringLiteral("SELECT * FROM tabline1 WHERE tabid = 3 ORDER BY id"));
    gTotal = till.form.total1();
    const auto pay = [&] {
        return till.form.CommitReceipt(QStringLiteral("tabline1"), QStringLiteral("Cash"), gTotal, gTotal, Money(), false);
    };
    int receipt = 0;
    gStatements = till.statementsOf([&] { receipt = pay(); });
    if (receipt < 1)
        throw std::runtime_error("the receipt was not committed");

    for (auto _ : state) {
        restoreLines(db);
        till.form.ReadLineLists();
        bench::timeOne(state, gLayer, [&] { receipt = pay(); });
        if (receipt < 1 || !db.run(QStringLiteral("SELECT id FROM tabline1 WHERE tabid = 3")).rows.empty())
            throw std::runtime_error("the commit did not take the tab's lines");
    }
}

std::size_t column(QStringView name) { return static_cast<std::size_t>(gLines.columns->indexOf(name)); }

struct Bare : bench::BareSession {
    bench::BareStatement *tabRef, *receiptId, *receipt, *take, *lineId, *line, *stock, *leftOpen, *leftSplit,
        *tendered;
    std::vector<std::vector<bench::BareValue>> lineValues; // everything but the two ids

    Bare() : BareSession(gDatabase, gPassword) {
        // The tab's name, the receipt's id and row, four statements a line, the look for lines
        // another till added to either list, the pre-tender reset.
        if (gStatements.size() != 6 + 4 * static_cast<std::size_t>(kLinesOnTab))
            throw std::runtime_error("the commit no longer sends the statements compared here");
        tabRef = &prepare(gStatements[0]);
        receiptId = &prepare(gStatements[1]);
        receipt = &prepare(gStatements[2]);
        take = &prepare(gStatements[3]);
        lineId = &prepare(gStatements[4]);
        line = &prepare(gStatements[5]);
        stock = &prepare(gStatements[6]);
        leftOpen = &prepare(gStatements[gStatements.size() - 3]);
        leftSplit = &prepare(gStatements[gStatements.size() - 2]);
        tendered = &prepare(gStatements.back());
        const QStringList& copied = ReceiptCommit::copiedColumns();
        for (const db::Row& row : gLines.rows) {
            std::vector<bench::BareValue> values{bench::bareValue(row.at(column(u"pcref"))), std::string("Default")};
            for (const QString& c : copied)
                values.push_back(bench::bareValue(row.at(column(c))));
            lineValues.push_back(std::move(values));
        }
    }

    void commit() {
        Firebird::ITransaction* tx = start(false);
        const auto run = [&](bench::BareStatement& s) {
            s.statement->execute(&st, tx, s.in, s.inBuf.data(), s.out, s.outBuf.data());
        };
        bind(*tabRef, {3});
        run(*tabRef);
        run(*receiptId);
        const int recId = outputInt(*receiptId, 0);
        const double total = gTotal.toDouble();
        bind(*receipt, {recId, std::string("Bar"), std::string("Default"), 3, std::string("Table 1"), total, total,
                        std::string("Cash"), 0.0});
        run(*receipt);
        for (std::size_t i = 0; i < gLines.rows.size(); ++i) {
            const db::Row& row = gLines.rows[i];
            bind(*take, {static_cast<int>(row.at(0).asInt())});
            run(*take);
            run(*lineId);
            std::vector<bench::BareValue> values{outputInt(*lineId, 0)};
            values.insert(values.end(), lineValues[i].begin(), lineValues[i].begin() + 2);
            values.push_back(recId);
            values.insert(values.end(), lineValues[i].begin() + 2, lineValues[i].end());
            bind(*line, values);
            run(*line);
            bind(*stock, {static_cast<int>(row.at(column(u"itemid")).asInt()),
                          row.at(column(u"qty")).asDouble()});
            run(*stock);
        }
        for (bench::BareStatement* left : {leftOpen, leftSplit}) {
            bind(*left, {3});
            read(*left, tx);
        }
        bind(*tendered, {3});
        run(*tendered);
        tx->commit(&st);
    }
};

void BareCommit(benchmark::State& state) {
    Bare bareSession;
    db::Connection setup;
    setup.connect({QStringLiteral("SYSDBA"), gPassword, QStringLiteral("app"), gDatabase});
    for (auto _ : state) {
        restoreLines(setup);
        bench::timeOne(state, gBare, [&] { bareSession.commit(); });
        if (!setup.run(QStringLiteral("SELECT id FROM tabline1 WHERE tabid = 3")).rows.empty())
            throw std::runtime_error("the bare statements did not take the tab's lines");
    }
}

} // namespace

int main(int argc, char** argv) {
    const std::unique_ptr<QApplication> app = bench::start(argc, argv, gDatabase, gPassword);
    if (!app)
        return 2;
    return bench::runPaired({"CommitReceipt", LayerCommit, BareCommit, kRuns, &gLayer, &gBare,
                             "Paying a tab of 50 lines in cash"});
}
