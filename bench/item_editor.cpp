// The back office's editors on a large catalogue, 5,000 items and 2,000 buttons on pages of
// 100: opening the item editor (the window made and filled as the console's "Items" opens it:
// the outputs, every item, the first item's option 1 choices), opening the button editor over
// the sales screen (as "Links" opens it: the first page drawn, the links and the items listed),
// and one press of "Right" on a selected button of a page of 100, to the button's cached copy
// patched and the page drawn again. Beside each the statements it sends, captured with the
// connection's statement hook and issued bare on the client library in its order, every row
// fetched. Each run is timed on its own and the medians are compared.
// Run: bench_item_editor localhost:/path/to/scratch.gdb (scripts/run-bench.sh).

#include "BareClient.h"
#include "BenchTill.h"

#include "admin/items/ItemEditor.h"
#include "admin/items/TItemForm.h"
#include "admin/layouts/TLIForm.h"
#include "db/Query.h"

#include <QComboBox>
#include <QListWidget>
#include <QTableWidget>

#include <benchmark/benchmark.h>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

using namespace pelora;

namespace {

QString gDatabase;
QString gPassword;
const int kItems = bench::scaled(5000, 60);
const int kButtons = bench::scaled(2000, 120);
const int kPageButtons = bench::scaled(100, 20);
const int kPages = kButtons / kPageButtons;
// The benchmark's own ids, clear of the demo's and of the catalogue bench_terminal_load grows in
// the same database.
constexpr int kFirstItem = 20000;
constexpr int kFirstLink = 200;
constexpr int kFirstButton = 20000;
constexpr int kOpenings = 50;
constexpr int kPresses = 400;
constexpr int kStep = 10; // the editor's step when it opens

db::ConnectParams sysdba() { return {QStringLiteral("SYSDBA"), gPassword, QStringLiteral("app"), gDatabase}; }

// Adds the catalogue in one transaction through prepared inserts, unless an earlier run has:
// every fourth item with a size option of two choices, and the buttons on pages of
// kPageButtons in rows of ten, each captioned with its item. True when it added them.
bool fill() {
    db::Connection db;
    db.connect(sysdba());
    if (bench::itemsAdded(db, kFirstItem, kItems))
        return false;
    db::Transaction tx(db);
    db::Query item(db);
    item.setSql(QStringLiteral("INSERT INTO item (id, name, qty, cost1, price1, tax1, price2, stockno, outputid,"
                               " stopline, stopdisc, opt1caption, opt1prompt, opt1forced)"
                               " VALUES (?, ?, ?, 2.5, ?, 0.6818, 6.5, ?, ?, 'F', 'F', ?, ?, 'F')"));
    db::Query choice(db);
    choice.setSql(QStringLiteral("INSERT INTO opt (id, itemid, button, choice, cost, price, tax)"
                                 " VALUES (NEXT VALUE FOR optid_gen, ?, 1, ?, 0, ?, 0)"));
    const auto name = [](int i) { return QStringLiteral("Bench Item %1").arg(i, 5, 10, QLatin1Char('0')); };
    for (int i = 0; i < kItems; ++i) {
        const bool sized = i % 4 == 0;
        item.exec({kFirstItem + i, name(i), 10 + i % 90, 7.5 + i % 20, QStringLiteral("BI%1").arg(i),
                   i % 2 ? 101 : 102, sized ? db::Value(QStringLiteral("Size")) : db::Value(),
                   sized ? db::Value(QStringLiteral("Which size?")) : db::Value()});
        if (sized) {
            choice.exec({kFirstItem + i, QStringLiteral("Small"), 0});
            choice.exec({kFirstItem + i, QStringLiteral("Large"), 2});
        }
    }
    db::Query link(db);
    link.setSql(QStringLiteral("INSERT INTO link (id, name) VALUES (?, ?)"));
    for (int page = 0; page < kPages; ++page)
        link.exec({kFirstLink + page, QStringLiteral("Bench Page %1").arg(page + 1)});
    db::Query button(db);
    button.setSql(QStringLiteral("INSERT INTO li (id, linkid, itemid, linkidlink, btncaption, boxcolour, boxleft,"
                                 " boxtop, boxwidth, boxheight, imageid, imagelrtb)"
                                 " VALUES (?, ?, ?, 0, ?, '2667765', ?, ?, 90, 60, NULL, 'T')"));
    for (int b = 0; b < kPages * kPageButtons; ++b) {
        const int onPage = b % kPageButtons;
        const int i = b % kItems;
        button.exec({kFirstButton + b, kFirstLink + b / kPageButtons, kFirstItem + i, name(i),
                     10 + onPage % 10 * 100, 10 + onPage / 10 * 65});
    }
    tx.commit();
    return true;
}

// --- through the till --------------------------------------------------------------------

enum Path { ItemEditorOpening, ButtonEditorOpening, RightPress };

std::vector<double> gLayer[3];
std::vector<double> gBare[3];
std::vector<QString> gStatements[3]; // what each path sends, as the layer sends it
std::size_t gRows[3];                // the rows each opening read
int gFirstItem = 0;                  // the item the item editor opens on
int gPressed = 0;                    // the li row of the button pressed, and where it stands
int gLeft = 0;

// As the console's "Items" makes it.
std::unique_ptr<TItemForm> openItems(bench::BenchTill& till) {
    auto form = std::make_unique<TItemForm>(till.module.db1, till.prompter, &till.form);
    form->open();
    return form;
}

// As the console's "Links" makes it, over the sales screen.
std::unique_ptr<TLIForm> openButtons(bench::BenchTill& till) {
    auto form = std::make_unique<TLIForm>(till.form, till.module.db1, till.prompter, &till.form);
    form->setItemEditingAllowed(true);
    form->openOverSalesScreen();
    return form;
}

void LayerItemEditor(benchmark::State& state) {
    bench::BenchTill till(gDatabase, gPassword);
    std::unique_ptr<TItemForm> form;
    gStatements[ItemEditorOpening] = till.statementsOf([&] { form = openItems(till); });
    gFirstItem = form->items().currentId();
    gRows[ItemEditorOpening] = static_cast<std::size_t>(form->items().rows().rowCount() + form->cboOutput->count() - 1 +
                                                        form->choices().rows().rowCount());
    for (auto _ : state) {
        form.reset();
        bench::timeOne(state, gLayer[ItemEditorOpening], [&] { form = openItems(till); });
        // The first item by name is the benchmark's first, sized: two choices.
        if (form->lstRecords->count() < kItems || form->grdChoices->rowCount() != 2)
            throw std::runtime_error("the item editor did not list the items and the first one's choices");
    }
}

void LayerButtonEditor(benchmark::State& state) {
    bench::BenchTill till(gDatabase, gPassword);
    std::unique_ptr<TLIForm> form;
    gStatements[ButtonEditorOpening] = till.statementsOf([&] { form = openButtons(till); });
    gRows[ButtonEditorOpening] = static_cast<std::size_t>(form->links().count() + form->items().count());
    for (auto _ : state) {
        form->close(); // it hands the sales screen back
        form.reset();
        bench::timeOne(state, gLayer[ButtonEditorOpening], [&] { form = openButtons(till); });
        if (form->lstItems->count() < kItems || form->lstLinks->count() < kPages || !form->isVisible())
            throw std::runtime_error("the button editor did not list the items and the links");
    }
    form->close();
}

void LayerRightPress(benchmark::State& state) {
    bench::BenchTill till(gDatabase, gPassword);
    std::unique_ptr<TLIForm> form = openButtons(till);
    till.form.ShowLink(kFirstLink);
    const auto& grid = *till.form.pgeItem->grid;
    if (static_cast<int>(grid.buttons.size()) != kPageButtons)
        throw std::runtime_error("the page does not show its buttons");
    grid.buttons.front()->click(); // a touch selects it
    const std::optional<ButtonEditor::Button>& selected = form->editor().selected();
    if (!selected)
        throw std::runtime_error("the touch did not select the button");
    gPressed = selected->id;
    gLeft = selected->left;
    gStatements[RightPress] = till.statementsOf([&] { form->grpMovements->btnRight->click(); });
    form->grpMovements->btnLeft->click();
    for (auto _ : state) {
        bench::timeOne(state, gLayer[RightPress], [&] { form->grpMovements->btnRight->click(); });
        if (selected->left != gLeft + kStep || grid.boxes.front()->geometry().left() != gLeft + kStep)
            throw std::runtime_error("the press did not move the button on the page");
        form->grpMovements->btnLeft->click(); // back, for the next press
        QCoreApplication::processEvents(); // the status lines each drawing queued
    }
    form->close();
}

// --- bare on the client library ----------------------------------------------------------

using bench::BareStatement;

struct Bare : bench::BareSession {
    Path path;
    std::vector<BareStatement*> sent; // in the order the path sent them

    Bare(Path p, std::size_t expected) : BareSession(gDatabase, gPassword), path(p) {
        const std::vector<QString>& sql = gStatements[path];
        if (sql.size() != expected)
            throw std::runtime_error("the path no longer sends the statements compared here");
        for (const QString& text : sql)
            sent.push_back(&prepare(text));
    }

    // The stock the sales screen refreshes before it draws a page: the server's time, then the
    // items changed since the look-back before the last refresh.
    void refreshStock(BareStatement& clock, BareStatement& changed) {
        write(clock);
        bind(changed, {bench::bareTimestamp(QDateTime::currentDateTime().addSecs(-ButtonCache::kLookBackSeconds))});
        read(changed);
    }

    void run() {
        kept.clear();
        switch (path) {
        case ItemEditorOpening: // the outputs, the items, the first item's option 1 choices
            read(*sent[0]);
            read(*sent[1]);
            readEach({sent[2]}, {gFirstItem, 1});
            break;
        case ButtonEditorOpening: // the first page's stock, the links, the items
            refreshStock(*sent[0], *sent[1]);
            kept.clear(); // only the lists are compared: the stock read depends on the clock
            read(*sent[2]);
            read(*sent[3]);
            break;
        case RightPress: // the move, then the stock before the page is drawn again
            bind(*sent[0], {gLeft + kStep, gPressed});
            write(*sent[0]);
            refreshStock(*sent[1], *sent[2]);
            break;
        }
    }
};

void bare(benchmark::State& state, Path path, std::size_t statements) {
    Bare session(path, statements);
    db::Connection other;
    other.connect(sysdba());
    for (auto _ : state) {
        bench::timeOne(state, gBare[path], [&] { session.run(); });
        if (path != RightPress && session.kept.size() != gRows[path])
            throw std::runtime_error("the bare statements did not read the same rows");
        if (path == RightPress) {
            const db::ResultData moved =
                other.run(QStringLiteral("SELECT boxleft FROM li WHERE id = ?"), {gPressed});
            if (moved.rows.at(0).at(0).asInt() != gLeft + kStep)
                throw std::runtime_error("the bare update did not move the button");
            other.run(QStringLiteral("UPDATE li SET boxleft = ? WHERE id = ?"), {gLeft, gPressed});
        }
    }
}

void BareItemEditor(benchmark::State& state) { bare(state, ItemEditorOpening, 3); }
void BareButtonEditor(benchmark::State& state) { bare(state, ButtonEditorOpening, 4); }
void BareRightPress(benchmark::State& state) { bare(state, RightPress, 3); }

} // namespace

int main(int argc, char** argv) {
    const std::unique_ptr<QApplication> app = bench::start(argc, argv, gDatabase, gPassword);
    if (!app)
        return 2;
    return bench::reportingFailures([] {
        if (fill())
            bench::waitForStockLookBack("Added the catalogue");
        const std::string items = std::to_string(kItems) + " items";
        const std::string buttons = std::to_string(kPages * kPageButtons) + " buttons";
        const std::string page = std::to_string(kPageButtons);
        return bench::runPaired(
            {{"ItemEditor/Open", LayerItemEditor, BareItemEditor, kOpenings, &gLayer[ItemEditorOpening],
              &gBare[ItemEditorOpening], "Opening the item editor on " + items, 300},
             {"ButtonEditor/Open", LayerButtonEditor, BareButtonEditor, kOpenings, &gLayer[ButtonEditorOpening],
              &gBare[ButtonEditorOpening], "Opening the button editor on " + items + " and " + buttons, 300},
             {"ButtonEditor/Right", LayerRightPress, BareRightPress, kPresses, &gLayer[RightPress],
              &gBare[RightPress], "\"Right\" on a selected button of a page of " + page, 30}});
    });
}
