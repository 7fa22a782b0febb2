#include "admin/items/ItemEditor.h"

#include "admin/EditorMembers.h"
#include "common/Money.h"
#include "common/Prompter.h"
#include "db/LikePattern.h"

#include <algorithm>

namespace pelora {

namespace {

// Kept for the program's life: the sales screen's caches are rebuilt on every closing of the
// editor once an item has been edited.
bool editingBegun = false;

bool readable(const ItemEditor::NumberField& field, const QString& text) {
    if (text.trimmed().isEmpty())
        return true;
    if (field.money)
        return Money::parseTyped(text).has_value();
    bool ok = false;
    text.trimmed().toDouble(&ok);
    return ok;
}

} // namespace

ItemEditor::ItemEditor(db::Connection& db, Prompter& prompter) : RecordEditor(db, prompter, itemMember()) {
    QObject::connect(&rows(), &db::RowSet::stateChanged, [this] {
        if (isEditing())
            editingBegun = true;
        else
            unreadable_.clear(); // written or dropped: the fields show the stored values again
    });
}

bool ItemEditor::editingEverBegun() { return editingBegun; }

bool ItemEditor::find(const QString& text) {
    if (!leaveEdit())
        return false;
    loadWith(itemSelect(QStringLiteral("UPPER(name) LIKE ? ESCAPE '\\'")), {db::containingPattern(text)});
    return true;
}

bool ItemEditor::showAll() {
    if (!leaveEdit())
        return false;
    loadWith(member().selectSql);
    return true;
}

const std::vector<ItemEditor::NumberField>& ItemEditor::numberFields() {
    static const std::vector<NumberField> fields = [] {
        std::vector<NumberField> all{{QStringLiteral("qty"), QStringLiteral("Qty"), false}};
        for (const char* part : {"Cost", "Price", "Tax"})
            for (int level = 1; level <= 3; ++level)
                all.push_back({QLatin1String(part).toString().toLower() + QString::number(level),
                               QLatin1String(part) + QString::number(level)});
        for (int option = 1; option <= 10; ++option)
            for (const char* part : {"Cost", "Price", "Tax"})
                all.push_back({QStringLiteral("opt%1").arg(option) + QLatin1String(part).toString().toLower(),
                               QStringLiteral("Option %1 ").arg(option) + QLatin1String(part)});
        return all;
    }();
    return fields;
}

void ItemEditor::typed(const QString& column, const QString& text) {
    const auto& fields = numberFields();
    const auto field = std::find_if(fields.begin(), fields.end(), [&](const NumberField& f) { return f.column == column; });
    if (field == fields.end())
        return;
    std::erase(unreadable_, column);
    if (!readable(*field, text))
        unreadable_.push_back(column);
}

std::optional<QString> ItemEditor::refusal() {
    // In the order of the fields, so that the first one to mend is named.
    for (const NumberField& field : numberFields())
        if (std::find(unreadable_.begin(), unreadable_.end(), field.column) != unreadable_.end())
            return field.money ? QStringLiteral("%1 is not an amount of money.").arg(field.label)
                               : QStringLiteral("%1 is not a number.").arg(field.label);
    return std::nullopt;
}

void ItemEditor::write() {
    const std::optional<Rename> rename = writeRenamingButtons(QStringLiteral("li"), QStringLiteral("itemid"));
    if (rename && events_.renamed)
        events_.renamed(rename->oldName, rename->newName, rename->buttons);
}

void ItemEditor::deleted(int /*id*/) {
    if (events_.deleted)
        events_.deleted();
}

bool ItemEditor::writePrice(int row, int level, const QString& text) {
    if (level < 1 || level > 3 || row < 0 || row >= rows().rowCount())
        return false;
    const QString item = nameAt(row);
    if (isEditing()) {
        prompter().warning(QStringLiteral("Save or cancel the changes to %1 before changing prices in the grid.")
                               .arg(rows().value(u"name").asText()));
        return false;
    }
    db::Value price;
    if (!text.trimmed().isEmpty()) {
        const std::optional<Money> amount = Money::parseTyped(text);
        if (!amount) {
            prompter().warning(QStringLiteral("Price%1 of %2 stays as it was: \"%3\" is not an amount of money.")
                                   .arg(QString::number(level), item, text));
            return false;
        }
        price = *amount;
    }
    const db::Query& read = rows();
    const int id = static_cast<int>(read.valueAt(row, read.fieldIndex(u"id")).asInt());
    const long long written =
        connection()
            .run(QStringLiteral("UPDATE item SET price%1 = ? WHERE id = ?").arg(level), {price, id})
            .rowsAffected;
    load();
    if (written == 0) {
        prompter().warning(QStringLiteral("%1 was not found: another till may have deleted it.").arg(item));
        return false;
    }
    pricesWritten_ = true;
    return true;
}

} // namespace pelora
