#pragma once

#include "app/EventLog.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

namespace pelora {

class LineLists;

namespace db {
class Connection;
class StoredProc;
class TextTable;
} // namespace db

// A discount the chooser offers, as the cache or the database holds it.
struct DiscountOffer {
    QString id;
    QString name;
    QString rate; // as stored; empty when the discount has none
    QString restricted;
    QString stopOverride;
    // The button's caption: the name, with "^" for a discount that also takes the lines of
    // items that refuse discounts.
    QString caption() const;
};

// Changing the discount of open lines afterwards: a chosen discount on the current line or on
// every line of one list, a discount of 101 deleting the lines instead, and the reset that
// gives each line the better of its tab's and its split's discount. Each line a discount
// reaches, and each discounted line a reset takes its discount off, leaves an entry in the
// exception log in the same transaction.
class LineDiscounts {
public:
    enum class Scope { One, All };
    enum class Applied {
        Discounted, // the lines took the discount (or refused it by the stop rule)
        Deleted,    // a discount of 101: the lines are gone and the lists are read again
        Nothing     // no rate a line can take, or no tab: the chooser stays
    };

    struct Context {
        db::Connection& db;
        db::StoredProc& proc;
        LineLists& lines;
        QString pcRef;
        int tabId = 0;
        eventlog::Actor actor{}; // who changes the discounts, for the exception log
    };

    // The discounts the chooser offers: from the start-up cache when there is one (in id order),
    // else read now. Restricted ones only when the console asks.
    static std::vector<DiscountOffer> offered(db::Connection& db, const db::TextTable* cache, bool admin);

    // What a discount gives at the moment it is pressed: its name and rate, with a rate that
    // is not there as 0.
    struct Values {
        QString name;
        double rate = 0;
        QString stopOverride;
    };
    // `reread` reads the discount again from the database (none when it has been deleted
    // since); otherwise the offer's own values count.
    static std::optional<Values> valuesOf(db::Connection& db, const DiscountOffer& offer, bool reread);

    // Puts a discount on list `n`'s current line or on all its lines.
    static Applied apply(const Context& context, const Values& discount, int n, Scope scope);
    // Gives list `n`'s current line, or all its lines, their tab's or their split's discount.
    static void reset(const Context& context, int n, Scope scope);

    // Whether a discount reaches a line: one that overrides reaches every line, any other only
    // lines of items that take discounts (`stopdisc` exactly "F").
    static bool reaches(QStringView stopOverride, QStringView stopDisc);

    struct NameRate {
        QString name;
        double rate = 0;
    };
    // The discount a reset gives a line: the tab's when it reaches the line, the split's when
    // it reaches the line and is strictly larger; a line no discount reaches gets none.
    static NameRate better(const NameRate& tab, QStringView tabOverride, const NameRate& split,
                           QStringView splitOverride, QStringView stopDisc);
    // A tab's standing discount as the server looks it up (a rate that is not there is 0).
    struct Standing {
        NameRate nameRate;
        QString stopOverride;
    };
    static Standing tabDiscount(db::StoredProc& proc, int tabId);

    // The discount a line takes when a split is put on it: the split's, unless the tab's is
    // strictly larger; each counts as 0 where it does not reach the line. The name is the
    // split's on equal rates, also when neither reaches.
    static NameRate forSplit(const NameRate& tab, QStringView tabOverride, const NameRate& split,
                             QStringView splitOverride, QStringView stopDisc);
};

} // namespace pelora
