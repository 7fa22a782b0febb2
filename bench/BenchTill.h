#pragma once

// The till's sales screen on the bench database, as terminal "Bar" sees it, for the benchmarks
// that time a touch from click to screen.

#include "app/TMainDataModule.h"
#include "sales/ButtonCache.h"
#include "sales/ItemGrid.h"
#include "sales/ItemPage.h"
#include "sales/LineLists.h"
#include "sales/TMainForm.h"
#include "sales/TabPage.h"
#include "ui/GlyphButton.h"

#include <QCoreApplication>
#include <QThread>

#include "BareClient.h"
#include "SilentPrompter.h"

#include <cstdio>
#include <stdexcept>
#include <vector>

namespace bench {

struct BenchTill {
    SilentPrompter prompter;
    pelora::TMainForm form{prompter};
    pelora::TMainDataModule module{form, prompter};

    BenchTill(const QString& database, const QString& sysdbaPassword) {
        module.db1.connect({QStringLiteral("SYSDBA"), sysdbaPassword, QStringLiteral("app"), database});
        module.session().pcRef = QStringLiteral("Bar");
        form.LoadTerminalSettings();
        QCoreApplication::processEvents();
    }

    QPushButton* itemButton(const QString& caption) {
        for (QPushButton* b : form.pgeItem->grid->buttons)
            if (static_cast<pelora::GlyphButton*>(b)->caption() == caption)
                return b;
        throw std::runtime_error("no item button " + caption.toStdString());
    }
    pelora::GlyphButton* tabButton(const QString& caption) {
        for (pelora::GlyphButton* b : form.pgeTab->tabButtons)
            if (b->caption() == caption)
                return b;
        throw std::runtime_error("no tab button " + caption.toStdString());
    }
    int linesShown() { return form.lines().list(pelora::LineLists::kMain).rowCount(); }
    // Adds lines to the current tab until list 1 holds `count`.
    void fillTab(int count) {
        QPushButton* ale = itemButton(QStringLiteral("Pale Ale"));
        while (linesShown() < count)
            ale->click();
    }
    // The statements an action sends, as the layer sends them.
    template <typename Action>
    std::vector<QString> statementsOf(Action&& action) {
        std::vector<QString> sql;
        module.db1.setStatementHook([&sql](const QString& text) { sql.push_back(text); });
        action();
        module.db1.setStatementHook({});
        return sql;
    }
};

// After a benchmark has added items (`added` says what): every one was stamped just now, and
// until the stock refresh's look-back has passed each page the sales screen draws would read
// them all again, which no night of service sees. A smoke run times nothing and does not wait.
inline void waitForStockLookBack(const char* added) {
    if (smokeRun())
        return;
    const int seconds = pelora::ButtonCache::kLookBackSeconds + 1;
    std::printf("\n%s; waiting %d s for the stock look-back to pass.\n\n", added, seconds);
    std::fflush(stdout);
    QThread::sleep(seconds);
}

} // namespace bench
