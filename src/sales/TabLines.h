#pragma once

#include "db/Value.h"

#include <QString>

#include <optional>
#include <vector>

namespace pelora {

// Which open lines of a list belong to a tab, as a condition for the lines' table and its
// parameters. The NonTab and the stocktake tab keep lines per terminal; an account tab's lines
// are the same on every till.
struct TabLines {
    QString where; // without "WHERE"
    std::vector<db::Value> params;

    static TabLines of(int tabId, const QString& pcRef);
    // Narrowed to one split: a ref takes that split's lines, the empty ref the lines without a
    // split, none every line that has one.
    TabLines ofSplit(const std::optional<QString>& splitRef) const;
    // The same choice for a line already read: whether ofSplit(splitRef) takes a line whose
    // split ref is `lineRef` (empty for none).
    static bool takes(const std::optional<QString>& splitRef, const QString& lineRef);
};

} // namespace pelora
