// "Discount", "All" on a tab of 50 lines: every line takes the discount, is priced again and
// written back, in one transaction, and the totals under the lists are recomputed. Beside it the
// same updates with the same values issued bare on the client library in one writing
// transaction, each followed, as in the till, by the question whether it found its line. The runs take two discounts in turn, so that every run changes every line. Each
// run is timed on its own and the medians are compared.
// Run: bench_discount_all localhost:/path/to/scratch.gdb (scripts/run-bench.sh).

#include "BareClient.h"
#include "BenchTill.h"

#include "db/TextTable.h"
#include "sales/LineDiscounts.h"

#include <benchmark/benchmark.h>

#include <array>
#include <vector>

using namespace pelora;

namespace {

QString gDatabase;
QString gPassword;
const int kLinesOnTab = bench::scaled(50, 5);
constexpr int kRuns = 200;

std::vector<double> gLayer;
std::vector<double> gBare;
QString gUpdate;                 // the one statement each line takes, as the layer sends it
QStringList gUpdatedColumns;     // its columns in order, the id last
// The lines as each of the two discounts leaves them, in the statement's column order.
std::array<std::vector<std::vector<bench::BareValue>>, 2> gValues;

// The columns an "UPDATE "T" SET "A" = ?, "B" = ? WHERE "ID" = ?" sets, then its key.
QStringList updatedColumns(const QString& sql) {
    const qsizetype set = sql.indexOf(QStringLiteral(" SET "));
    const qsizetype where = sql.indexOf(QStringLiteral(" WHERE "));
    QStringList columns;
    for (QString part : sql.mid(set + 5, where - set - 5).split(QStringLiteral(", ")))
        columns << part.remove(QStringLiteral(" = ?")).remove(u'"');
    columns << QStringLiteral("id");
    return columns;
}

std::vector<std::vector<bench::BareValue>> linesAsTheyAre(db::Connection& db) {
    const db::ResultData rows = db.run(
        QStringLiteral("SELECT %1 FROM tabline1 WHERE tabid = 3 ORDER BY id").arg(gUpdatedColumns.join(u',')));
    std::vector<std::vector<bench::BareValue>> lines;
    for (const db::Row& row : rows.rows) {
        std::vector<bench::BareValue> values;
        for (const db::Value& v : row)
            values.push_back(bench::bareValue(v));
        lines.push_back(std::move(values));
    }
    return lines;
}

void LayerDiscount(benchmark::State& state) {
    bench::BenchTill till(gDatabase, gPassword);
    db::Connection& db = till.module.db1;
    db.run(QStringLiteral("DELETE FROM tabline1 WHERE tabid = 3")); // from an earlier run
    till.tabButton(QStringLiteral("Table 1"))->click();
    till.fillTab(kLinesOnTab);
    const std::vector<DiscountOffer> offers = till.form.discountOffers(false);
    const std::array<DiscountOffer, 2> twoOffers{offers.at(1), offers.at(3)}; // Happy Hour, Regular
    const auto discount = [&](int run) {
        if (!till.form.applyDiscount(twoOffers[static_cast<std::size_t>(run % 2)], LineLists::kMain,
                                     LineDiscounts::Scope::All))
            throw std::runtime_error("the discount was not applied");
    };
    const std::vector<QString> sent = till.statementsOf([&] { discount(0); });
    if (sent.size() != static_cast<std::size_t>(kLinesOnTab))
        throw std::runtime_error("the discount no longer sends one update a line");
    gUpdate = sent.front();
    gUpdatedColumns = updatedColumns(gUpdate);
    gValues[0] = linesAsTheyAre(db);
    discount(1);
    gValues[1] = linesAsTheyAre(db);

    int run = 0;
    for (auto _ : state) {
        bench::timeOne(state, gLayer, [&] { discount(run); });
        ++run;
    }
}

struct Bare : bench::BareSession {
    bench::BareStatement* update;

    Bare() : BareSession(gDatabase, gPassword) { update = &prepare(gUpdate); }

    void discount(int run) {
        Firebird::ITransaction* tx = start(false);
        for (const std::vector<bench::BareValue>& line : gValues[static_cast<std::size_t>(run % 2)]) {
            bind(*update, line);
            update->statement->execute(&st, tx, update->in, update->inBuf.data(), update->out, update->outBuf.data());
            // As the till does: a line another till has paid meanwhile must not pass unseen.
            if (update->statement->getAffectedRecords(&st) != 1)
                throw std::runtime_error("a line was not there");
        }
        tx->commit(&st);
    }
};

void BareDiscount(benchmark::State& state) {
    Bare bareSession;
    int run = 0;
    for (auto _ : state) {
        bench::timeOne(state, gBare, [&] { bareSession.discount(run); });
        ++run;
    }
}

} // namespace

int main(int argc, char** argv) {
    const std::unique_ptr<QApplication> app = bench::start(argc, argv, gDatabase, gPassword);
    if (!app)
        return 2;
    return bench::runPaired({"DiscountAll", LayerDiscount, BareDiscount, kRuns, &gLayer, &gBare,
                             "A discount on every line of a tab of 50 lines"});
}
