#pragma once

#include "db/TextTable.h"

#include <QDateTime>

namespace pelora {

namespace db {
class Connection;
class ServerClock;
} // namespace db

// Every `li` row of every link page with the item, link and output it refers to, held as texts
// so that a page is built without asking the database. Rows are ordered by link and id, so the
// buttons of one page are a run of consecutive rows.
class ButtonCache {
public:
    // Column positions of a cached row.
    enum Column {
        LiId, LinkId, ItemId, LinkIdLink, BtnCaption, BoxColour, BoxLeft, BoxTop, BoxWidth,
        BoxHeight, Qty, Price1, Price2, Price3, ImageId, ImageLrtb, LinkName, StopLine, StopDisc,
        ItemName, Cost1, Tax1, Cost2, Tax2, Cost3, Tax3,
        FirstOption, // the seven columns of option 1, then of options 2 to 10
        OutputName = FirstOption + 70,
        ColumnCount
    };
    enum OptionColumn { OptCaption, OptAuto, OptPrompt, OptForced, OptCost, OptPrice, OptTax };
    static constexpr int optionColumn(int option, OptionColumn which) {
        return FirstOption + (option - 1) * 7 + which;
    }

    void load(db::Connection& db);
    void clear() { rows_.clear(); }

    const db::TextTable& rows() const { return rows_; }
    // One button's column changed by the button editor: the cached copy follows without the
    // cache being read again.
    void set(int row, Column column, const QString& text) { rows_.set(row, column, text); }
    bool isEmpty() const { return rows_.isEmpty(); }

    // Stock seen on other tills: sets the quantity text of every cached button whose item
    // changed since the last refresh, and moves the last refresh time on to the server's time.
    void refreshStock(db::Connection& db, db::ServerClock& clock, QDateTime& lastRefresh);

    // How far before the last refresh time changes are looked for again. An item row is stamped
    // when its statement runs, but only seen once its transaction commits, which can be later
    // than a refresh that ran in between; looking back this far catches it at the next refresh.
    static constexpr int kLookBackSeconds = 60;

private:
    db::TextTable rows_;
};

} // namespace pelora
