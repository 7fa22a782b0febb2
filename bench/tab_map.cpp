// Showing a floor plan of 100 tables, about half of them occupied: from the start of ShowMap to
// the map on screen (the tab list filled, the map picture loaded, the 100 buttons made, the
// tables with open lines on any till read and marked, and the map painted); and the marks alone
// brought up to date, as after a payment or a move. Beside each the read of the occupied tables
// issued bare on the client library, as the layer runs it. Each showing is timed on its own and
// the medians are compared.
// Run: bench_tab_map localhost:/path/to/scratch.gdb (scripts/run-bench.sh).

#include "BareClient.h"
#include "BenchTill.h"

#include "db/Connection.h"
#include "sales/TabPage.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QScrollArea>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <vector>

using namespace pelora;

namespace {

QString gDatabase;
QString gPassword;
// The benchmark's own map and tables, clear of the demo's ids.
constexpr int kMap = 100;
constexpr int kFirstTab = 1000;
constexpr int kTables = 100;
// Every other table is occupied: six lines on it, and every fourth one two in the split list
// too. Three tables of the demo's own maps hold lines as well. The lines come from two other
// tills.
constexpr int kLinesPerTable = 6;
const int kOtherMapTabs[] = {7, 8, 9}; // Table 5, Table 6, Smith J
const QString kTill = QStringLiteral("MapBench");
constexpr int kShowings = 200;

db::ConnectParams sysdba() { return {QStringLiteral("SYSDBA"), gPassword, QStringLiteral("app"), gDatabase}; }

bool occupied(int table) { return table % 2 == 0; }

// Takes the benchmark's map, tables and lines away (also what a run that failed left behind).
void takeAway(db::Connection& db) {
    for (const char* table : {"tabline1", "tabline2"})
        db.run(QStringLiteral("DELETE FROM %1 WHERE pcref STARTING WITH ?").arg(QLatin1String(table)), {kTill});
    db.run(QStringLiteral("DELETE FROM tm WHERE mapid = ?"), {kMap});
    db.run(QStringLiteral("DELETE FROM tab WHERE id BETWEEN ? AND ?"), {kFirstTab, kFirstTab + kTables - 1});
    db.run(QStringLiteral("DELETE FROM map WHERE id = ?"), {kMap});
}

void addLine(db::Connection& db, int list, int tabId, int n) {
    db.run(QStringLiteral("INSERT INTO tabline%1 (id, pcref, tabid, itemid, itemname, qty, price, extprice)"
                          " VALUES (NEXT VALUE FOR tabline%1id_gen, ?, ?, 2, 'Pale Ale', 1, 9.5, 9.5)")
               .arg(list),
           {QString(kTill + QString::number(n % 2)), tabId});
}

// The map with its 100 buttons in rows of ten, and the lines on the occupied tables. Returns how
// many tables are occupied in all.
int fill(const QString& pictureFile) {
    db::Connection db;
    db.connect(sysdba());
    takeAway(db);
    db::Transaction tx(db);
    db.run(QStringLiteral("INSERT INTO map (id, name, filename) VALUES (?, 'Bench Floor', ?)"), {kMap, pictureFile});
    int occupiedTables = 0;
    for (int t = 0; t < kTables; ++t) {
        const int tabId = kFirstTab + t;
        const QString ref = QStringLiteral("Bench %1").arg(t + 1, 3, 10, QLatin1Char('0'));
        db.run(QStringLiteral("INSERT INTO tab (id, ref, cat) VALUES (?, ?, 'Bench')"), {tabId, ref});
        db.run(QStringLiteral("INSERT INTO tm (tabid, mapid, btncaption, btnleft, btntop, btnwidth, btnheight,"
                              " imagelrtb) VALUES (?, ?, ?, ?, ?, 90, 40, 'L')"),
               {tabId, kMap, ref, 10 + 100 * (t % 10), 10 + 60 * (t / 10)});
        if (!occupied(t))
            continue;
        ++occupiedTables;
        for (int n = 0; n < kLinesPerTable; ++n)
            addLine(db, 1, tabId, n);
        if (t % 4 == 0)
            for (int n = 0; n < 2; ++n)
                addLine(db, 2, tabId, n);
    }
    for (int tabId : kOtherMapTabs) {
        addLine(db, 1, tabId, tabId);
        ++occupiedTables;
    }
    tx.commit();
    return occupiedTables;
}

// A floor plan the size of a till's map area, saved where the map's filename points.
void drawFloorPlan(const QString& file) {
    QImage plan(1000, 620, QImage::Format_RGB32);
    plan.fill(QColor(0xE8, 0xE0, 0xD0));
    QPainter p(&plan);
    p.setPen(QPen(QColor(0x60, 0x50, 0x40), 6));
    p.drawRect(3, 3, 993, 613);
    for (int x = 0; x < 10; ++x)
        for (int y = 0; y < 10; ++y)
            p.drawEllipse(20 + 100 * x, 5 + 60 * y, 70, 50);
    p.end();
    if (!plan.save(file, "JPG"))
        throw std::runtime_error("cannot write the floor plan " + file.toStdString());
}

QTemporaryDir gPictures;
int gOccupied = 0;
std::vector<double> gLayer;
std::vector<double> gLayerMarks;
std::vector<double> gBare;
std::vector<double> gBareMarks;
QString gOccupiedSql; // the read of the occupied tables, as the layer sends it

// The till on the benchmark's map, shown on a screen of a till's size.
struct MapTill : bench::BenchTill {
    MapTill() : BenchTill(gDatabase, gPassword) {
        form.terminal().settings.imagePath = gPictures.path() + QDir::separator();
        form.resize(1280, 800);
        form.show();
        form.state().currentMapId = kMap;
        form.btnTabClick();
        for (const QString& sql : statementsOf([this] { form.ShowMap(); }))
            if (sql.contains(QLatin1String("tabline2")))
                gOccupiedSql = sql;
        if (gOccupiedSql.isEmpty())
            throw std::runtime_error("showing the map no longer reads the occupied tables");
    }
    void checkMarks() {
        const TabPage& page = *form.pgeTab;
        int marked = 0;
        for (const GlyphButton* b : page.tabButtons)
            marked += b->isMarked() ? 1 : 0;
        if (page.tabButtons.size() != static_cast<std::size_t>(kTables) || marked != kTables / 2 ||
            page.mapPicture->width() != 1000)
            throw std::runtime_error("the map was not shown with its tables marked");
    }
};

void LayerShowMap(benchmark::State& state) {
    MapTill till;
    for (auto _ : state) {
        QCoreApplication::processEvents(); // the buttons of the last showing are freed
        bench::timeOne(state, gLayer, [&] {
            till.form.ShowMap();
            till.form.pgeTab->mapArea->viewport()->repaint();
        });
        till.checkMarks();
    }
}

void LayerMarks(benchmark::State& state) {
    MapTill till;
    for (auto _ : state) {
        bench::timeOne(state, gLayerMarks, [&] { till.form.ShowOccupiedTabs(); });
        till.checkMarks();
    }
}

void bareRead(benchmark::State& state, std::vector<double>& samples) {
    bench::BareSession bare(gDatabase, gPassword);
    bench::BareStatement& read = bare.prepare(gOccupiedSql);
    if (&samples == &gBare)
        std::printf("\nThe read of the occupied tables: %s\n", bare.plan(read).c_str());
    for (auto _ : state) {
        bare.kept.clear();
        bench::timeOne(state, samples, [&] { bare.read(read); });
        if (bare.kept.size() != static_cast<std::size_t>(gOccupied))
            throw std::runtime_error("the bare read did not find the occupied tables");
    }
}

void BareOccupied(benchmark::State& state) { bareRead(state, gBare); }
void BareMarks(benchmark::State& state) { bareRead(state, gBareMarks); }

} // namespace

int main(int argc, char** argv) {
    const std::unique_ptr<QApplication> app = bench::start(argc, argv, gDatabase, gPassword);
    if (!app)
        return 2;
    return bench::reportingFailures([] {
        const QString picture = QStringLiteral("benchfloor.jpg");
        drawFloorPlan(gPictures.filePath(picture));
        gOccupied = fill(picture);
        const int result = bench::runPaired(
            {{"TabMap/Show", LayerShowMap, BareOccupied, kShowings, &gLayer, &gBare,
              "Showing a map of 100 tables, 50 of them occupied (till: the whole map on screen;"
              " bare: the read of the occupied tables)",
              20},
             {"TabMap/Marks", LayerMarks, BareMarks, kShowings, &gLayerMarks, &gBareMarks,
              "The marks of the 100 tables brought up to date (till: read and marked; bare: the read)"}});
        // The map goes again, so that the benchmarks after this one meet the demo's tabs.
        db::Connection db;
        db.connect(sysdba());
        takeAway(db);
        return result;
    });
}
