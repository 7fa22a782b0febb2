#pragma once

#include "db/TextTable.h"

#include <optional>

namespace pelora {

namespace db {
class Connection;
class StoredProc;
} // namespace db

// What the split chooser lists: the split categories, the splits with their discounts, and the
// split references on the current tab's lines.
namespace SplitChoices {

// The splits as the chooser lists them, by ref: the split and its discount (name, rate and
// override flag; empty when it has none).
enum SplitColumn { SplitId, SplitRef, SplitCat, SplitMsg, DiscName, DiscRate, DiscStopOverride };

struct Found {
    db::TextTable categories; // cat (a split without one counts as the empty category), by cat
    db::TextTable splits;
};

// Where the chooser opens: the remembered category alone with its splits, or every category
// and split when none is remembered. An empty category stands for the splits without one.
Found opening(db::Connection& db, const std::optional<QString>& category);
// Every category and split.
Found all(db::Connection& db);
// The categories and the splits whose ref contain the text, in any letter case.
Found search(db::Connection& db, const QString& text);
// The splits of a category; the empty category takes the splits without one.
db::TextTable splitsOfCategory(db::Connection& db, const QString& category);

// The split references on the lines of one list of a tab (the NonTab's of this terminal),
// once each, by ref; lines without a split are left out.
db::TextTable lineRefs(db::Connection& db, int list, int tabId, const QString& pcRef);

// A split's id and category by its ref (none when the server knows no such split).
struct IdCat {
    int id = 0;
    QString cat;
};
std::optional<IdCat> idCat(db::StoredProc& proc, const QString& ref);

} // namespace SplitChoices

} // namespace pelora
