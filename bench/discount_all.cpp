// "Discount", "All" on a tab of 50 lines: every line takes the discount, is priced again and
// written back, the exception log takes one entry per line in one statement, all in one
// transaction, and the totals under the lists are recomputed. Beside it the same updates with
// the same values issued bare on the client library in one writing transaction, each followed,
// as in the till, by the question whether it found its line, then the same log statement. The runs take two discounts in turn, so that every run changes every line. Each
// run is timed on its own and the medians are compared.
// Run: bench_discount_all localhost:/path/to/scratch.gdb (scripts/run-bench.sh).

#include "BareClient.h"
#include "BenchTill.h"

#include "app/EventLog.h"
#include "db/TextTable.h"
#include "db/Value.h"
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
QString gLog;                    // the exception log's statement after them
// Its values for each of the two discounts: who, the kind, the discount's name, the lines.
std::array<std::vector<bench::BareValue>, 2> gLogValues;
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
    if (sent.size() != static_cast<std::size_t>(kLinesOnTab) + 1 || !sent.back().startsWith(u"INSERT INTO eventlog"))
        throw std::runtime_error("the discount no longer sends one update a line and one log statement");
    gUpdate = sent.front();
    gLog = sent.back();
    gUpdatedColumns = updatedColumns(gUpdate);
    gValues[0] = linesAsTheyAre(db);
    discount(1);
    gValues[1] = linesAsTheyAre(db);
    // The log statement's values as the layer binds them: who, the kind and the discount's name,
    // then the lines' ids (each line's values end with its id).
    const eventlog::Actor who = till.form.actor();
    for (std::size_t d = 0; d < 2; ++d) {
        const double rate = twoOffers[d].rate.isEmpty() ? 0.0 : twoOffers[d].rate.toDouble();
        for (const db::Value& v : {db::Value(who.pcRef), db::Value(who.staffRef), db::Value(),
                                   db::Value(eventlog::kindText(eventlog::Kind::Discount)), db::Value(),
                                   db::Value(twoOffers[d].name + u' ' + db::shortestDecimal(rate) + u'%')})
            gLogValues[d].push_back(bench::bareValue(v));
        for (const std::vector<bench::BareValue>& line : gValues[d])
            gLogValues[d].push_back(line.back());
    }

    int run = 0;
    for (auto _ : state) {
        bench::timeOne(state, gLayer, [&] { discount(run); });
        ++run;
    }
}

struct Bare : bench::BareSession {
    bench::BareStatement* update;
    bench::BareStatement* log;

    Bare() : BareSession(gDatabase, gPassword) {
        update = &prepare(gUpdate);
        log = &prepare(gLog);
    }

    void discount(int run) {
        Firebird::ITransaction* tx = start(false);
        for (const std::vector<bench::BareValue>& line : gValues[static_cast<std::size_t>(run % 2)]) {
            bind(*update, line);
            update->statement->execute(&st, tx, update->in, update->inBuf.data(), update->out, update->outBuf.data());
            // As the till does: a line another till has paid meanwhile must not pass unseen.
            if (update->statement->getAffectedRecords(&st) != 1)
                throw std::runtime_error("a line was not there");
        }
        bind(*log, gLogValues[static_cast<std::size_t>(run % 2)]);
        log->statement->execute(&st, tx, log->in, log->inBuf.data(), log->out, log->outBuf.data());
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
