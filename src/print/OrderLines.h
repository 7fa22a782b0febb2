#pragma once

#include "print/LineTexts.h"

#include <QDateTime>
#include <QString>
#include <QStringView>

#include <vector>

namespace pelora {

namespace db {
class Connection;
}

// One open line as the order window and the order papers see it.
struct OrderLine {
    QString list; // "tabline1" or "tabline2"
    int id = 0;
    QDateTime stamp;
    QString pcRef;
    int tabId = 0;
    QString tabRef;
    int itemId = 0;
    QString itemName;
    double qty = 0;
    LineOptions options;
    QString splitRef, splitMsg, optMsg, outputName;
    bool processed = false;

    QString optionText() const { return pelora::optionText(options); }
    QString messageText() const { return pelora::messageText(optMsg, splitRef, splitMsg); }
    // Each terminal's walk-in lines are a tab of their own, captioned with the terminal.
    bool isNonTab() const { return tabId == 1; }
    QString tabCaption() const { return isNonTab() ? pcRef : tabRef; }
    bool belongsTo(int tab, const QString& caption) const {
        return tabId == tab && (!isNonTab() || pcRef == caption);
    }
};

// What to load: every line or only the new ones, of which tab (0: all tabs but the stocktake
// tab; 1: this terminal's NonTab), and whether the second list takes part (`splitmode` not "0").
struct OrderQuery {
    bool all = false;
    int tabId = 0;
    QString pcRef;
    QStringView splitMode;
};

// The open lines of both lists, merged in time order: a second-list line goes before the first
// main-list line stamped later than it (to the second); on equal stamps the main list goes first.
std::vector<OrderLine> loadOrderLines(db::Connection& db, const OrderQuery& query);

} // namespace pelora
