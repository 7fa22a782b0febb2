#pragma once

#include "common/Money.h"
#include "db/Connection.h"
#include "reports/Breakdowns.h"
#include "reports/Report.h"
#include "reports/ReportPeriod.h"

#include "GTestSupport.h"
#include "TestDatabase.h"

#include <QLocale>

#include <ostream>

namespace pelora {
inline void PrintTo(Money m, std::ostream* os) { *os << m.toString().toStdString(); }
inline void PrintTo(const BreakdownRow& r, std::ostream* os) {
    *os << '{' << r.name.toStdString() << ", " << r.sum.toString().toStdString() << '}';
}
inline bool operator==(const BreakdownRow& a, const BreakdownRow& b) { return a.name == b.name && a.sum == b.sum; }
} // namespace pelora

namespace pelora::test {

inline Money money(const char* text) { return *Money::parse(QString::fromLatin1(text)); }
inline QDateTime at(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return {QDate(year, month, day), QTime(hour, minute, second)};
}
inline QString shortDate(QDate date) { return QLocale::system().toString(date, QLocale::ShortFormat); }

inline BreakdownChoices only(std::initializer_list<Breakdown> ticked) {
    BreakdownChoices choices;
    for (BreakdownChoice& c : choices)
        c.ticked = false;
    for (Breakdown b : ticked)
        choices[static_cast<std::size_t>(b)].ticked = true;
    return choices;
}

// A receipt as the reports read it.
struct Sale {
    int id = 0;
    QDateTime stamp;
    const char* pc = "Bar";
    const char* staff = "Anna";
    const char* tab = "Table 1";
    const char* mop = "Cash";
    db::Value revRecId = nullptr;
    int tabId = 3;
    double cr = 0;
};

// A receipt line; amounts are the line's extended ones, `disc` the whole line's discount.
struct Line {
    int recId = 0;
    const char* item = "Beer";
    double qty = 1;
    double price = 0;
    double cost = 0;
    double tax = 0;
    double disc = 0;
    db::Value discName = nullptr;
    db::Value split = nullptr;
    int itemId = 0;
};

// A database with the writers of receipts and lines the reports read.
class ReportTest : public DatabaseTest {
protected:
    // Stamped as given: the insert trigger keeps a given istamp and derives idate, iyear and
    // imonth from it.
    static void writeSale(db::Connection& on, const Sale& s) {
        on.run(QStringLiteral("INSERT INTO receipt (id, pcref, staffref, tabid, tabref, total, tendered, mop, cr,"
                              " revrecid, istamp) VALUES (?, ?, ?, ?, ?, 0, 0, ?, ?, ?, ?)"),
               {s.id, s.pc, s.staff, s.tabId, s.tab, s.mop, s.cr, s.revRecId, s.stamp});
    }
    // The line takes its receipt's stamp.
    static void writeLine(db::Connection& on, int id, const Line& l) {
        on.run(QStringLiteral("INSERT INTO recline (id, recid, itemid, itemname, qty, extprice, extcost, exttax,"
                              " disc, discname, splitref, istamp) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?,"
                              " (SELECT istamp FROM receipt WHERE id = ?))"),
               {id, l.recId, l.itemId, l.item, l.qty, l.price, l.cost, l.tax, l.disc, l.discName, l.split, l.recId});
    }
    void sale(const Sale& s) { writeSale(db, s); }
    void line(const Line& l) { writeLine(db, ++lastLineId, l); }
    // A sale with one line of `price`.
    void sale(int id, const QDateTime& stamp, double price) {
        sale({.id = id, .stamp = stamp});
        line({.recId = id, .price = price});
    }

    int lastLineId = 0;
};

// The cells of bands of a kind under a sheet column, as text.
inline QStringList column(const report::Report& r, report::BandKind kind, int sheetColumn) {
    QStringList texts;
    for (const report::Band& band : r.bands)
        if (band.kind == kind)
            for (const report::Cell& cell : band.cells)
                if (cell.sheetColumn == sheetColumn)
                    texts << cell.text;
    return texts;
}

} // namespace pelora::test
