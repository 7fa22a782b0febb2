#include "tabs/SplitLines.h"

#include "common/Prompter.h"
#include "db/RowSet.h"
#include "sales/LineDiscounts.h"
#include "sales/LineLists.h"

namespace pelora::SplitLines {

namespace {

void setSplit(LineLists& lines, const QString& ref, const QString& msg, const QString& discName, double discRate) {
    db::RowSet& line = lines.list(LineLists::kMain);
    line.setField(u"splitref", ref);
    line.setField(u"splitmsg", msg);
    line.setField(u"discname", discName);
    line.setField(u"discrate", discRate);
    lines.recalc(LineLists::kMain);
    lines.save(LineLists::kMain);
}

} // namespace

bool put(const Context& c, const Split& split) {
    if (!c.lines.hasLines(LineLists::kMain)) {
        c.prompter.information(QStringLiteral("First add an item."));
        return false;
    }
    const db::RowSet& line = c.lines.list(LineLists::kMain);
    if (!line.value(u"splitref").asText().isEmpty() &&
        !c.prompter.confirm(QStringLiteral("Already split! Change the split reference?")))
        return false;
    const LineDiscounts::Standing tab = LineDiscounts::tabDiscount(c.proc, c.tabId);
    const LineDiscounts::NameRate chosen =
        LineDiscounts::forSplit(tab.nameRate, tab.stopOverride, {split.discName, split.discRate},
                                split.discStopOverride, line.value(u"stopdisc").asText());
    setSplit(c.lines, split.ref, split.msg, chosen.name, chosen.rate);
    return true;
}

bool clear(const Context& c, const QString& ref) {
    if (ref.isEmpty()) {
        c.prompter.information(QStringLiteral("First add a split."));
        return false;
    }
    if (!c.lines.hasLines(LineLists::kMain))
        return true; // the lines are gone meanwhile: nothing carries the split here any more
    c.lines.changeEach(LineLists::kMain, [&](db::RowSet& line) {
        if (line.value(u"splitref").asText() == ref)
            setSplit(c.lines, QString(), QString(), QStringLiteral("No Discount"), 0);
    });
    return true;
}

void move(const Context& c, bool toSplitList, const std::optional<QString>& ref, bool unitMoves) {
    // When another till has changed the split's lines meanwhile nothing moves, and the lists
    // show what the database holds.
    c.lines.moveSplit(toSplitList ? LineLists::kMain : LineLists::kSplit, ref, unitMoves, c.proc);
}

} // namespace pelora::SplitLines
