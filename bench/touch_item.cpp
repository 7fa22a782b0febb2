// The touch of an item button on a tab that already holds 50 lines: the grid's click handler,
// the new line (the tab's discount, a new id, the insert), the re-read of both line lists, the
// totals and the lists on screen. Beside it the same statements issued bare on the client
// library: the same transactions, the rows fetched and kept as raw bytes. Each touch is timed on
// its own and the medians are compared.
// Run: bench_touch_item localhost:/path/to/scratch.gdb (scripts/run-bench.sh).

#include "app/TMainDataModule.h"
#include "common/Prompter.h"
#include "db/Query.h"
#include "sales/ItemGrid.h"
#include "sales/ItemPage.h"
#include "sales/LineLists.h"
#include "sales/TMainForm.h"
#include "ui/GlyphButton.h"

#include <QApplication>
#include <QElapsedTimer>

#include "BareClient.h"
#include "SilentPrompter.h"

#include <benchmark/benchmark.h>
#include <firebird/Interface.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <variant>
#include <vector>

using namespace Firebird;
using namespace pelora;

namespace {

QString gDatabase;
QString gPassword;
constexpr int kTab = 3;        // "Table 1"
constexpr int kLinesOnTab = 50;
constexpr int kTouches = 400;

db::ConnectParams sysdba() { return {QStringLiteral("SYSDBA"), gPassword, QStringLiteral("app"), gDatabase}; }

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

std::vector<double> gLayer;
std::vector<double> gBare;
std::vector<QString> gStatements; // what one touch sends, as the layer sends it

// Takes the line a touch added off the tab again, so that every touch meets 50 lines.
void removeNewestLine(db::Connection& other) {
    other.run(QStringLiteral("DELETE FROM tabline1 WHERE id = (SELECT MAX(id) FROM tabline1)"));
}

QPushButton* button(TMainForm& form, const QString& caption) {
    for (QPushButton* b : form.pgeItem->grid->buttons)
        if (static_cast<GlyphButton*>(b)->caption() == caption)
            return b;
    throw std::runtime_error("no button " + caption.toStdString());
}

void LayerTouch(benchmark::State& state) {
    bench::SilentPrompter prompter;
    TMainForm form(prompter);
    TMainDataModule module(form, prompter);
    module.db1.connect(sysdba());
    module.session().pcRef = QStringLiteral("Bar");
    form.LoadTerminalSettings();
    QCoreApplication::processEvents();
    form.state().currentTab = kTab;
    form.ReadLineLists();
    form.btnLinkClick();
    QPushButton* ale = button(form, QStringLiteral("Pale Ale"));
    for (int i = form.lines().list(LineLists::kMain).rowCount(); i < kLinesOnTab; ++i)
        ale->click();
    db::Connection other;
    other.connect(sysdba());

    module.db1.setStatementHook([](const QString& sql) { gStatements.push_back(sql); });
    ale->click();
    module.db1.setStatementHook({});
    removeNewestLine(other);

    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        ale->click();
        const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
        state.SetIterationTime(seconds);
        gLayer.push_back(seconds * 1e3);
        if (form.lines().list(LineLists::kMain).rowCount() != kLinesOnTab + 1)
            throw std::runtime_error("the touch did not add one line");
        removeNewestLine(other);
    }
}

// --- bare on the client library ----------------------------------------------------------

using BareValue = std::variant<std::monostate, int, double, std::string>;

struct Statement {
    IStatement* statement = nullptr;
    IMessageMetadata* in = nullptr;
    IMessageMetadata* out = nullptr;
    std::string inBuf, outBuf;
};

struct Bare : bench::BareClient {
    ITransaction* readTx = nullptr;
    Statement discount, newId, insert, list1, list2;
    std::vector<std::string> kept;

    Bare() : BareClient(gDatabase, gPassword) {
        readTx = start(true);
        // The statements the layer sent for one touch, in its order.
        if (gStatements.size() != 5)
            throw std::runtime_error("a touch no longer sends the five statements compared here");
        Statement* all[] = {&discount, &newId, &insert, &list1, &list2};
        for (int i = 0; i < 5; ++i)
            prepare(*all[i], gStatements[i]);
    }
    ~Bare() {
        for (Statement* s : {&discount, &newId, &insert, &list1, &list2}) {
            s->in->release();
            s->out->release();
            s->statement->free(&st);
        }
        readTx->commit(&st);
    }
    void prepare(Statement& s, const QString& sql) {
        s.statement = att->prepare(&st, readTx, 0, sql.toUtf8().constData(), 3, IStatement::PREPARE_PREFETCH_METADATA);
        s.in = s.statement->getInputMetadata(&st);
        s.out = s.statement->getOutputMetadata(&st);
        s.inBuf.assign(s.in->getMessageLength(&st), '\0');
        s.outBuf.resize(s.out->getMessageLength(&st));
    }
    void bind(Statement& s, const std::vector<BareValue>& values) {
        if (values.size() != s.in->getCount(&st))
            throw std::runtime_error("parameter count differs");
        for (unsigned i = 0; i < values.size(); ++i) {
            char* at = &s.inBuf[s.in->getOffset(&st, i)];
            auto* null = reinterpret_cast<short*>(&s.inBuf[s.in->getNullOffset(&st, i)]);
            *null = std::holds_alternative<std::monostate>(values[i]) ? -1 : 0;
            const unsigned type = s.in->getType(&st, i) & ~1u;
            if (const int* n = std::get_if<int>(&values[i])) {
                if (type == SQL_DOUBLE) {
                    const double d = *n;
                    std::memcpy(at, &d, sizeof d);
                } else {
                    std::memcpy(at, n, sizeof *n);
                }
            } else if (const double* d = std::get_if<double>(&values[i])) {
                std::memcpy(at, d, sizeof *d);
            } else if (const std::string* text = std::get_if<std::string>(&values[i])) {
                const auto length = static_cast<unsigned short>(text->size());
                std::memcpy(at, &length, sizeof length);
                std::memcpy(at + sizeof length, text->data(), length);
            }
        }
    }
    // A statement that changes things, in a transaction of its own, as the layer runs it.
    void write(Statement& s) {
        ITransaction* tx = start(false);
        s.statement->execute(&st, tx, s.in, s.inBuf.data(), s.out, s.outBuf.data());
        tx->commit(&st);
    }
    void read(Statement& s) {
        IResultSet* rs = s.statement->openCursor(&st, readTx, s.in, s.inBuf.data(), s.out, 0);
        while (rs->fetchNext(&st, s.outBuf.data()) == IStatus::RESULT_OK)
            kept.push_back(s.outBuf);
        rs->close(&st);
    }

    void touch() {
        kept.clear();
        bind(discount, {kTab});
        write(discount);
        write(newId);
        int id = 0;
        std::memcpy(&id, &newId.outBuf[newId.out->getOffset(&st, 0)], sizeof id);
        std::vector<BareValue> line{id,  std::string("Bar"), std::string("Default"), kTab, 2, std::string("Pale Ale"),
                                    1.0, 3.2,                9.5,                    0.8636, std::string(), 0.0};
        for (int n = 0; n < 10; ++n)
            for (const BareValue& v : {BareValue(std::string()), BareValue(std::string()), BareValue(std::string()),
                                       BareValue(0.0), BareValue(0.0), BareValue(0.0)})
                line.push_back(v);
        for (double v : {3.2, 9.5, 0.8636, 3.2, 9.5, 0.8636})
            line.emplace_back(v);
        line.emplace_back(std::string("Bar"));
        line.emplace_back(std::string("F"));
        line.emplace_back(0.0);
        bind(insert, line);
        write(insert);
        bind(list1, {kTab});
        read(list1);
        bind(list2, {kTab});
        read(list2);
    }
};

void BareTouch(benchmark::State& state) {
    Bare bare;
    db::Connection other;
    other.connect(sysdba());
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        bare.touch();
        const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
        state.SetIterationTime(seconds);
        gBare.push_back(seconds * 1e3);
        if (bare.kept.size() != kLinesOnTab + 1)
            throw std::runtime_error("the bare touch did not read 51 lines");
        removeNewestLine(other);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (!bench::readTarget(argc, argv, gDatabase, gPassword))
        return 2;
    try {
        benchmark::RegisterBenchmark("Touch/LayerAndScreen", LayerTouch)
            ->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(kTouches);
        benchmark::RegisterBenchmark("Touch/Bare", BareTouch)
            ->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(kTouches);
        benchmark::RunSpecifiedBenchmarks();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    const double layer = median(gLayer);
    const double bare = median(gBare);
    std::printf("\nItem touch on a tab of %d lines, median of %d: till %.2f ms, bare statements %.2f ms"
                " (till / bare %.2f)\n",
                kLinesOnTab, kTouches, layer, bare, bare > 0 ? layer / bare : 0.0);
    return 0;
}
