#include "admin/items/OptionChoices.h"

#include "common/Money.h"
#include "common/Placeholders.h"
#include "common/Prompter.h"
#include "db/StoredProc.h"

#include <array>
#include <utility>

namespace pelora {

OptionChoices::OptionChoices(db::Connection& db, Prompter& prompter) : prompter_(prompter), rows_(db) {
    rows_.setSql(QStringLiteral("SELECT id, itemid, button, choice, cost, price, tax FROM opt"
                                " WHERE itemid = ? AND button = ? ORDER BY id"));
}

void OptionChoices::load(int itemId, int option) {
    itemId_ = itemId;
    option_ = option;
    rows_.open({itemId, option});
}

void OptionChoices::reload() {
    if (rows_.isOpen())
        rows_.reopen();
    else
        load(itemId_, option_);
}

int OptionChoices::currentId() const { return isEmpty() ? 0 : static_cast<int>(rows_.value(u"id").asInt()); }

bool OptionChoices::locateId(int id) { return rows_.isOpen() && rows_.locate(u"id", id); }

int OptionChoices::insertChoice() {
    const int id = db::StoredProc(rows_.connection()).nextId(QStringLiteral("opt"));
    rows_.connection().run(QStringLiteral("INSERT INTO opt (id, itemid, button, choice, cost, price, tax)"
                                          " VALUES (?, ?, ?, ?, 0, 0, 0)"),
                           {id, itemId_, option_, placeholder::kChoice});
    reload();
    locateId(id);
    return id;
}

void OptionChoices::deleteChoice() {
    if (isEmpty()) {
        prompter_.warning(QStringLiteral("There are no choices to delete."));
        return;
    }
    if (!prompter_.confirm(QStringLiteral("Delete Choice?")))
        return;
    db::StoredProc proc(rows_.connection());
    proc.setName(QStringLiteral("opt_del_one"));
    proc.setParam(0, currentId());
    proc.execute();
    reload();
}

std::optional<double> OptionChoices::readAmount(const QString& text) {
    if (text.isEmpty() || text == u"0")
        return 0.0;
    const std::optional<Money> amount = Money::parseTyped(text);
    if (!amount)
        return std::nullopt;
    return amount->toDouble();
}

bool OptionChoices::update(int id, const QString& choice, const QString& cost, const QString& price,
                           const QString& tax) {
    if (choice.trimmed().isEmpty()) {
        prompter_.warning(QStringLiteral("The Choice is blank."));
        return false;
    }
    // Read in this order, so that the first one named is the price.
    const std::array<std::pair<const QString*, QLatin1String>, 3> typed{
        {{&price, QLatin1String("price")}, {&cost, QLatin1String("cost")}, {&tax, QLatin1String("tax")}}};
    std::array<double, 3> amounts{};
    for (std::size_t i = 0; i < typed.size(); ++i) {
        const std::optional<double> amount = readAmount(*typed[i].first);
        if (!amount) {
            prompter_.error(QStringLiteral("The %1 value is invalid.").arg(typed[i].second));
            return false;
        }
        amounts[i] = *amount;
    }
    db::StoredProc proc(rows_.connection());
    proc.setName(QStringLiteral("opt_choice_price_update"));
    proc.setParam(0, id);
    proc.setParam(1, choice);
    proc.setParam(2, amounts[1]); // cost
    proc.setParam(3, amounts[0]); // price
    proc.setParam(4, amounts[2]); // tax
    proc.execute();
    return true;
}

} // namespace pelora
