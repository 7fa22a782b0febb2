// The takings reports over a year of a busy venue, 200,000 receipts with 1,000,000 lines over
// 365 days: the X report of one day and of the whole year with all eight breakdowns, the daily
// report of the year with all eight, and the receipt-line report of one day (its figures read
// and its bands built). Beside each the statements the report sends, issued bare on the client
// library with the same period in a read-only snapshot as the report reads, every row fetched.
// Each report is timed on its own and the medians are compared; then the plan the server chose
// for each statement is printed.
// Run: bench_reports localhost:/path/to/scratch.gdb (scripts/run-bench.sh).

#include "BareClient.h"

#include "db/Connection.h"
#include "reports/DmyReport.h"
#include "reports/ReceiptReports.h"
#include "reports/XReport.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <set>
#include <vector>

using namespace pelora;

namespace {

QString gDatabase;
QString gPassword;
const int kReceipts = bench::scaled(200000, 300);
const int kDays = bench::scaled(365, 3);
// A year before the other benchmarks' receipts, which run up to today: no report here meets them.
const QDate kFirstDay(2023, 1, 1);
const ReportPeriod kYear = presetPeriod(Preset::Year, kFirstDay);
const ReportPeriod kDay = presetPeriod(Preset::Day, kFirstDay.addDays(kDays / 2));
const BreakdownChoices kAll{}; // every breakdown, largest sum first

db::ConnectParams connectParams() {
    return {QStringLiteral("SYSDBA"), gPassword, QStringLiteral("app"), gDatabase};
}

// Fills the year in one block on the server, unless an earlier run has: the receipts 11:00 to
// 23:00 every day at four terminals, a third of them walk-ins and the rest on 30 tables, one to
// nine lines each (five on average) of 100 items in ten categories, each item also under Drinks
// or Food. One line in ten is discounted, one receipt in 25 is split in two, and every 250th
// receipt reverses the one before it. The triggers take idate, iyear and imonth from istamp.
void fill(db::Connection& db) {
    const db::ResultData have =
        db.run(QStringLiteral("SELECT COUNT(*) FROM receipt WHERE istamp >= ? AND istamp < ?"),
               {kYear.begin, kYear.end});
    if (have.rows.at(0).at(0).asInt() > 0)
        return; // one block: the year is there whole or not at all
    db.run(QStringLiteral(
               "EXECUTE BLOCK (n INTEGER = ?, days INTEGER = ?, first_day TIMESTAMP = ?) AS"
               " DECLARE i INTEGER = 0; DECLARE j INTEGER = 0; DECLARE k INTEGER; DECLARE lines INTEGER;"
               " DECLARE r INTEGER; DECLARE prev INTEGER; DECLARE stamp TIMESTAMP; DECLARE pc VARCHAR(20);"
               " DECLARE staff VARCHAR(20); DECLARE tab INTEGER; DECLARE mop VARCHAR(10);"
               " DECLARE qty DOUBLE PRECISION; DECLARE price DOUBLE PRECISION; DECLARE tax DOUBLE PRECISION;"
               " DECLARE rate DOUBLE PRECISION; DECLARE total DOUBLE PRECISION;"
               " BEGIN"
               "  WHILE (j < 100) DO BEGIN"
               "   INSERT INTO icat (itemid, cat) VALUES (1000 + :j, DECODE(:j / 10, 0, 'Beer', 1, 'Wine',"
               "    2, 'Spirits', 3, 'Cocktails', 4, 'Soft Drinks', 5, 'Starters', 6, 'Mains', 7, 'Desserts',"
               "    8, 'Sides', 'Kids'));"
               "   INSERT INTO icat (itemid, cat, topcat) VALUES (1000 + :j, IIF(:j < 50, 'Drinks', 'Food'), 'T');"
               "   j = j + 1;"
               "  END"
               "  WHILE (i < n) DO BEGIN"
               "   r = NEXT VALUE FOR receiptid_gen;"
               "   stamp = DATEADD(CAST(i * days / n AS INTEGER) DAY TO first_day);"
               "   stamp = DATEADD(CAST(39600 + MOD(i * days, n) * 43200 / n AS INTEGER) SECOND TO stamp);"
               "   IF (MOD(i, 250) = 249) THEN BEGIN"
               "    UPDATE receipt SET revrecid = :r WHERE id = :prev;"
               "    INSERT INTO receipt (id, pcref, staffref, tabid, tabref, total, tendered, mop, cr, revrecid,"
               "     istamp) SELECT :r, pcref, staffref, tabid, tabref, -total, -tendered, mop, -cr, id, :stamp"
               "     FROM receipt WHERE id = :prev;"
               "    INSERT INTO recline (id, pcref, staffref, recid, itemid, itemname, qty, cost, price, tax, discname,"
               "     discrate, disc, opt1caption, opt1choice, opt2caption, opt2choice, extcost, extprice, exttax,"
               "     splitref, istamp)"
               "     SELECT NEXT VALUE FOR reclineid_gen, pcref, staffref, :r, itemid, itemname, -qty, cost,"
               "     price, tax, discname, discrate, -disc, opt1caption, opt1choice, opt2caption, opt2choice,"
               "     -extcost, -extprice, -exttax, splitref, :stamp FROM recline WHERE recid = :prev ORDER BY id;"
               "   END ELSE BEGIN"
               "    pc = DECODE(MOD(i, 4), 0, 'Bar', 1, 'Bar 2', 2, 'Restaurant', 'Terrace');"
               "    staff = DECODE(MOD(i / 50, 8), 0, 'Alex', 1, 'Sam', 2, 'Jo', 3, 'Chris', 4, 'Kim', 5, 'Pat',"
               "     6, 'Lee', 'Max');"
               "    tab = IIF(MOD(i, 3) = 0, 0, 1 + MOD(i * 7, 30));"
               "    mop = IIF(MOD(i, 20) = 7, 'Voucher', IIF(MOD(i, 5) < 2, 'Cash', 'EFTPOS'));"
               "    lines = 1 + MOD(i * 7, 9); k = 0; total = 0;"
               "    WHILE (k < lines) DO BEGIN"
               "     j = MOD(i * 37 + k * 13, 100);"
               "     qty = IIF(MOD(i + k, 6) = 0, 2, 1);"
               "     price = 4 + MOD(j, 10) * 1.5 + IIF(j < 50, 0, 12);"
               "     tax = price / 11;"
               "     rate = DECODE(MOD(i * 3 + k, 40), 0, 25, 1, 10, 2, 10, 3, 10, 0);"
               "     INSERT INTO recline (id, pcref, staffref, recid, itemid, itemname, qty, cost, price, tax, discname,"
               "      discrate, disc, opt1caption, opt1choice, opt2caption, opt2choice, extcost, extprice, exttax,"
               "      splitref, istamp)"
               "      VALUES (NEXT VALUE FOR reclineid_gen, :pc, :staff, :r, 1000 + :j,"
               "      DECODE(:j / 10, 0, 'Beer', 1, 'Wine', 2, 'Spirit', 3, 'Cocktail', 4, 'Soft Drink',"
               "       5, 'Starter', 6, 'Main', 7, 'Dessert', 8, 'Side', 'Kids Meal') || ' ' || (MOD(:j, 10) + 1),"
               "      :qty, :price * 0.35, :price, :tax,"
               "      DECODE(:rate, 25, 'Staff', 10, 'Happy Hour', 'No Discount'),"
               "      :rate, :qty * (:price - :tax) * :rate / 100,"
               "      IIF(:j BETWEEN 60 AND 69, 'Cook', NULL),"
               "      IIF(:j BETWEEN 60 AND 69, DECODE(MOD(:i, 3), 0, 'Rare', 1, 'Medium', 'Well Done'), NULL),"
               "      IIF(:j BETWEEN 60 AND 64, 'Chips', NULL), IIF(:j BETWEEN 60 AND 64, 'T', NULL),"
               "      :qty * :price * 0.35, :qty * :price * (100 - :rate) / 100,"
               "      :qty * :tax * (100 - :rate) / 100,"
               "      IIF(MOD(:i, 25) = 0, 'Split ' || (1 + MOD(:k, 2)), ''), :stamp);"
               "     total = total + qty * price * (100 - rate) / 100;"
               "     k = k + 1;"
               "    END"
               "    INSERT INTO receipt (id, pcref, staffref, tabid, tabref, total, tendered, mop, cr, istamp)"
               "     VALUES (:r, :pc, :staff, IIF(:tab = 0, 1, :tab + 2),"
               "     IIF(:tab = 0, 'Non Tab', 'Table ' || :tab),"
               "     :total, IIF(:mop = 'Cash', CEILING(:total / 10) * 10, :total), :mop, 0, :stamp);"
               "   END"
               "   prev = r;"
               "   i = i + 1;"
               "  END"
               " END"),
           {kReceipts, kDays, QDateTime(kFirstDay, QTime(0, 0))});
}

// A report as the manager asks for it, and what it came to.
struct Timed {
    const char* name; // of the benchmark
    const char* what; // in the summary
    ReportPeriod period;
    std::size_t (*read)(db::Connection&, const ReportPeriod&); // returns the rows the report read
    int runs;
    std::vector<QString> statements{}; // what the report sends, as it sends them
    std::size_t rows = 0;
    std::vector<double> layer{}, bare{};
};

std::size_t xReport(db::Connection& db, const ReportPeriod& period) {
    const XReportFigures figures = readXReport(db, period, kAll);
    // The year's receipts are all the benchmark's own: each counts once, as a sale or a reversal.
    if (period.begin == kYear.begin && figures.tranxCount + figures.revCount != kReceipts)
        throw std::runtime_error("the X report of the year did not count every receipt");
    std::size_t rows = 2; // the totals and the counts
    for (const std::optional<BreakdownRows>& breakdown : figures.breakdowns)
        rows += breakdown.value().size();
    return rows;
}

std::size_t dailyReport(db::Connection& db, const ReportPeriod& period) {
    const DmyFigures figures = readDmyReport(db, PeriodGrouping::Day, period, kAll);
    if (figures.rows.size() != static_cast<std::size_t>(kDays))
        throw std::runtime_error("the daily report has not a row for each day of the year");
    std::size_t rows = figures.rows.size();
    for (const DmyRow& row : figures.rows)
        for (const BreakdownRows& breakdown : row.breakdowns)
            rows += breakdown.size();
    return rows;
}

std::size_t receiptLines(db::Connection& db, const ReportPeriod& period) {
    const ReceiptReportFigures figures = readReceiptReport(db, period, true);
    const report::Report report =
        receiptLineReport(reportTitle(ReportKind::Recline, period), figures);
    std::size_t rows = figures.receipts.size() + 1; // and the grand totals
    for (const ReceiptReportRow& receipt : figures.receipts)
        rows += receipt.lines.size();
    // A heading and a subtotal a receipt, its lines, the total.
    if (report.bands.size() < rows + figures.receipts.size())
        throw std::runtime_error("the receipt-line report left receipts or lines out");
    return rows;
}

Timed gReports[] = {
    {"XReport/OneDay", "The X report of one day, all eight breakdowns", kDay, xReport, 40},
    {"XReport/Year", "The X report of the year, all eight breakdowns", kYear, xReport, 5},
    {"DailyReport/Year", "The daily report of the year, all eight breakdowns", kYear, dailyReport,
     5},
    {"ReceiptLineReport/OneDay", "The receipt-line report of one day", kDay, receiptLines, 40},
};

void layer(benchmark::State& state, Timed& report) {
    db::Connection db;
    db.connect(connectParams());
    db.setStatementHook([&report](const QString& sql) { report.statements.push_back(sql); });
    report.statements.clear();
    report.rows = report.read(db, report.period);
    db.setStatementHook({});
    for (auto _ : state)
        bench::timeOne(state, report.layer, [&] { report.read(db, report.period); });
}

void bare(benchmark::State& state, Timed& report) {
    bench::BareSession session(gDatabase, gPassword);
    std::vector<bench::BareStatement*> statements;
    for (const QString& sql : report.statements)
        statements.push_back(&session.prepare(sql));
    const std::vector<bench::BareValue> period{bench::bareTimestamp(report.period.begin),
                                               bench::bareTimestamp(report.period.end)};
    for (auto _ : state) {
        session.kept.clear();
        bench::timeOne(state, report.bare, [&] {
            Firebird::ITransaction* snapshot = session.start(true, true); // as the report reads
            session.readEach(statements, period, snapshot);
            snapshot->rollback(&session.st);
        });
        if (session.kept.size() != report.rows)
            throw std::runtime_error(std::string(report.name) +
                                     ": the bare statements did not read the same rows");
    }
}

// Each statement once, with the plan the server chose for it.
void printPlans() {
    bench::BareSession session(gDatabase, gPassword);
    std::set<QString> printed;
    std::printf("\nPlans:\n");
    for (const Timed& report : gReports)
        for (const QString& sql : report.statements)
            if (printed.insert(sql).second)
                std::printf("%s\n  %s\n", qPrintable(sql),
                            session.plan(session.prepare(sql)).c_str());
}

} // namespace

int main(int argc, char** argv) {
    const std::unique_ptr<QApplication> app = bench::start(argc, argv, gDatabase, gPassword);
    if (!app)
        return 2;
    return bench::reportingFailures([&] {
        {
            db::Connection db;
            db.connect(connectParams());
            fill(db);
        }
        for (Timed& report : gReports) {
            const int runs = bench::scaled(report.runs, bench::kSmokeIterations);
            const std::string name = std::string("Reports/") + report.name;
            const auto timed = [runs](const std::string& side, auto run) {
                benchmark::RegisterBenchmark(side.c_str(), run)
                    ->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(runs);
            };
            timed(name + "/Layer", [&report](benchmark::State& s) { layer(s, report); });
            timed(name + "/Bare", [&report](benchmark::State& s) { bare(s, report); });
        }
        benchmark::RunSpecifiedBenchmarks();
        std::printf("\n%d receipts over %d days:\n", kReceipts, kDays);
        for (const Timed& report : gReports) {
            const double layerMs = bench::median(report.layer);
            const double bareMs = bench::median(report.bare);
            std::printf("%s, median of %zu: through the layer %.1f ms, bare statements %.1f ms"
                        " (layer / bare %.2f)\n",
                        report.what, report.layer.size(), layerMs, bareMs,
                        bareMs > 0 ? layerMs / bareMs : 0.0);
        }
        printPlans();
        return 0;
    });
}
