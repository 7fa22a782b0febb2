// Choosing a tab that holds 50 lines by touching its button on the floor plan: the button's
// handler, the tab's balance, the re-read of both line lists, the totals, the lists and the Item
// page on screen. Beside it the same three statements issued bare on the client library, as the
// layer runs them. Each choice is timed on its own and the medians are compared.
// Run: bench_choose_tab localhost:/path/to/scratch.gdb (scripts/run-bench.sh).

#include "app/TMainDataModule.h"
#include "common/Prompter.h"
#include "sales/ItemGrid.h"
#include "sales/ItemPage.h"
#include "sales/LineLists.h"
#include "sales/TMainForm.h"
#include "sales/TabPage.h"
#include "ui/GlyphButton.h"

#include <QApplication>

#include "BareClient.h"
#include "SilentPrompter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <vector>

using namespace pelora;

namespace {

QString gDatabase;
QString gPassword;
constexpr int kTab = 3; // "Table 1"
constexpr int kLinesOnTab = 50;
constexpr int kChoices = 400;

db::ConnectParams sysdba() { return {QStringLiteral("SYSDBA"), gPassword, QStringLiteral("app"), gDatabase}; }

std::vector<double> gLayer;
std::vector<double> gBare;
std::vector<QString> gStatements; // what one choice sends, as the layer sends it

GlyphButton* tabButton(TMainForm& form, const QString& caption) {
    for (GlyphButton* b : form.pgeTab->tabButtons)
        if (b->caption() == caption)
            return b;
    throw std::runtime_error("no tab button " + caption.toStdString());
}

void LayerChoose(benchmark::State& state) {
    bench::SilentPrompter prompter;
    TMainForm form(prompter);
    TMainDataModule module(form, prompter);
    module.db1.connect(sysdba());
    module.session().pcRef = QStringLiteral("Bar");
    form.LoadTerminalSettings();
    QCoreApplication::processEvents();
    GlyphButton* table1 = tabButton(form, QStringLiteral("Table 1"));
    table1->click();
    QPushButton* ale = nullptr;
    for (QPushButton* b : form.pgeItem->grid->buttons)
        if (static_cast<GlyphButton*>(b)->caption() == QStringLiteral("Pale Ale"))
            ale = b;
    if (!ale)
        throw std::runtime_error("no Pale Ale button");
    for (int i = form.lines().list(LineLists::kMain).rowCount(); i < kLinesOnTab; ++i)
        ale->click();

    module.db1.setStatementHook([](const QString& sql) { gStatements.push_back(sql); });
    table1->click();
    module.db1.setStatementHook({});

    for (auto _ : state) {
        form.btnTabClick();
        bench::timeOne(state, gLayer, [&] { table1->click(); });
        if (form.lines().list(LineLists::kMain).rowCount() != kLinesOnTab || form.state().currentTab != kTab)
            throw std::runtime_error("the choice did not show the tab's 50 lines");
    }
}

struct Bare : bench::BareSession {
    bench::BareStatement *balance, *list1, *list2;

    Bare() : BareSession(gDatabase, gPassword) {
        if (gStatements.size() != 3)
            throw std::runtime_error("a choice no longer sends the three statements compared here");
        balance = &prepare(gStatements[0]);
        list1 = &prepare(gStatements[1]);
        list2 = &prepare(gStatements[2]);
    }

    void choose() {
        kept.clear();
        bind(*balance, {kTab});
        write(*balance);
        bind(*list1, {kTab});
        read(*list1);
        bind(*list2, {kTab});
        read(*list2);
    }
};

void BareChoose(benchmark::State& state) {
    Bare bare;
    for (auto _ : state) {
        bench::timeOne(state, gBare, [&] { bare.choose(); });
        if (bare.kept.size() != kLinesOnTab)
            throw std::runtime_error("the bare choice did not read 50 lines");
    }
}

} // namespace

int main(int argc, char** argv) {
    const std::unique_ptr<QApplication> app = bench::start(argc, argv, gDatabase, gPassword);
    if (!app)
        return 2;
    return bench::runPaired({"ChooseTab", LayerChoose, BareChoose, kChoices, &gLayer, &gBare, "Choosing a tab of 50 lines on the floor plan"});
}
