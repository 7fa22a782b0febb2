#include "sales/OptionSlots.h"

#include "common/Flag.h"
#include "common/Placeholders.h"
#include "db/Query.h"
#include "db/TextTable.h"
#include "sales/LineLists.h"
#include "sales/LineRecord.h"

namespace pelora::OptionSlots {

namespace {

enum CacheColumn { CacheId, CacheItemId, CacheSlot, CacheChoice, CacheCost, CachePrice, CacheTax };

// A stored amount as money: empty (null) is 0, more than four decimals round.
Money amount(const QString& text) { return Money::parse(text).value_or(Money()); }

Choice choiceOf(const QString& text, const QString& cost, const QString& price, const QString& tax) {
    return Choice{text, price, amount(cost), amount(price), amount(tax)};
}

db::RowSet& mainList(LineLists& lines) { return lines.list(LineLists::kMain); }

void setSlot(LineLists& lines, int n, const QString& choice, Money cost, Money price, Money tax) {
    db::RowSet& line = mainList(lines);
    line.setField(LineRecord::optionColumn(n, u"choice"), choice);
    line.setField(LineRecord::optionColumn(n, u"cost"), cost);
    line.setField(LineRecord::optionColumn(n, u"price"), price);
    line.setField(LineRecord::optionColumn(n, u"tax"), tax);
}

void recalcAndSave(LineLists& lines) {
    lines.recalc(LineLists::kMain);
    lines.save(LineLists::kMain);
}

} // namespace

Slots slotsOf(const db::Query& line) {
    Slots lineSlots;
    if (!line.isOpen() || line.isEmpty())
        return lineSlots;
    for (int n = 1; n <= LineMath::kOptionSlots; ++n) {
        Slot& s = lineSlots[static_cast<std::size_t>(n - 1)];
        s.caption = line.value(LineRecord::optionColumn(n, u"caption")).asText();
        s.prompt = line.value(LineRecord::optionColumn(n, u"prompt")).asText();
        s.forced = line.value(LineRecord::optionColumn(n, u"forced")).asText();
        s.choice = line.value(LineRecord::optionColumn(n, u"choice")).asText();
    }
    return lineSlots;
}

bool isProcessed(const db::Query& line) { return isTrue(line.value(u"processed").asText()); }

QString Choice::listText() const {
    if (priceText.isEmpty())
        return choice;
    return choice + QStringLiteral(" (") + price.toString() + u')';
}

std::vector<Choice> choices(db::Connection& db, const db::TextTable* cache, int itemId, int n) {
    std::vector<Choice> found;
    if (cache) {
        const QString item = QString::number(itemId);
        const QString slot = QString::number(n);
        for (const db::TextTable::TextRow& r : cache->rows())
            if (r.at(CacheItemId) == item && r.at(CacheSlot) == slot)
                found.push_back(choiceOf(r.at(CacheChoice), r.at(CacheCost), r.at(CachePrice), r.at(CacheTax)));
        return found;
    }
    db::Query rows(db);
    rows.setSql(QStringLiteral("SELECT id, itemid, button, choice, cost, price, tax FROM opt WHERE itemid = ? AND button = ?"
                               " AND ") +
                placeholder::leftOut(QStringLiteral("choice")) + QStringLiteral(" ORDER BY id"));
    rows.open({itemId, n, placeholder::comparedAs(placeholder::kChoice)});
    for (int r = 0; rows.moveTo(r); ++r)
        found.push_back(choiceOf(rows.value(u"choice").asText(), rows.value(u"cost").asText(),
                                 rows.value(u"price").asText(), rows.value(u"tax").asText()));
    return found;
}

void toggle(LineLists& lines, int n) {
    const Slot slot = slotsOf(mainList(lines))[static_cast<std::size_t>(n - 1)];
    mainList(lines).setField(LineRecord::optionColumn(n, u"choice"),
                             slot.chosen() ? QString() : QStringLiteral("T"));
    recalcAndSave(lines);
}

void choose(LineLists& lines, int n, const Choice* choice) {
    if (choice)
        setSlot(lines, n, choice->choice, choice->cost, choice->price, choice->tax);
    else
        setSlot(lines, n, QString(), Money(), Money(), Money());
    recalcAndSave(lines);
}

void clear(LineLists& lines, int n) {
    mainList(lines).setField(LineRecord::optionColumn(n, u"choice"), QString());
    recalcAndSave(lines);
}

void setMessage(LineLists& lines, const QString& message) {
    mainList(lines).setField(u"optmsg", message);
    lines.save(LineLists::kMain);
}

} // namespace pelora::OptionSlots
