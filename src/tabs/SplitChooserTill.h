#pragma once

#include "db/TextTable.h"
#include "tabs/SplitLines.h"

#include <optional>

namespace pelora {

// What the split chooser asks of the sales screen: the split on the current line, the moves of
// a split's lines between the lists, and the split editor.
class SplitChooserTill {
public:
    virtual ~SplitChooserTill() = default;
    // Puts the split on list 1's current line and remembers it; true when it did.
    virtual bool putSplit(const SplitLines::Split& split) = 0;
    // Takes the split off list 1's lines.
    virtual void clearSplit(const QString& ref) = 0;
    // Moves a split's lines (none: every split line) from list 1 to list 2 or back, and reads
    // both lists again.
    virtual void moveSplitLines(bool toSplitList, const std::optional<QString>& ref) = 0;
    // The split refs on the lines of list 1 or 2.
    virtual db::TextTable splitRefs(int list) = 0;
    // The split editor on every split with `ref` selected: the ref of the split it closed on
    // (empty when there was none, or the editor could not open).
    virtual QString editSplits(const QString& ref) = 0;
};

} // namespace pelora
