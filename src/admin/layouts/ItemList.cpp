#include "admin/layouts/ItemList.h"

#include "admin/layouts/ButtonEditor.h"
#include "admin/layouts/EditedSalesScreen.h"
#include "common/Placeholders.h"
#include "common/Prompter.h"
#include "db/LikePattern.h"

namespace pelora {

ItemList::ItemList(ButtonEditor& editor) : NameList(editor.connection()), editor_(editor) {}

void ItemList::loadAll() {
    found_.clear();
    reload();
}

bool ItemList::find(const QString& text) {
    if (text.isEmpty()) {
        editor_.prompter().information(QStringLiteral("Enter an item to search for.") + kLineBreak +
                                       QStringLiteral("You can enter part of the name."));
        return false;
    }
    found_ = text;
    reload();
    return true;
}

void ItemList::reload() {
    if (found_.isEmpty())
        read(QStringLiteral("SELECT id, name FROM item WHERE id > 1 ORDER BY name"));
    else
        read(QStringLiteral("SELECT id, name FROM item WHERE id > 1 AND UPPER(name) LIKE ? ESCAPE '\\' ORDER BY name"),
             {db::containingPattern(found_)});
}

std::optional<int> ItemList::insertItem() {
    if (!editor_.prompter().confirm(QStringLiteral("Insert new item?")))
        return std::nullopt;
    const int id = findOrMake(QStringLiteral("item"), placeholder::kItem);
    reload();
    if (!locateId(id)) {
        loadAll(); // a find that hides the new item gives way to every item
        locateId(id);
    }
    return id;
}

void ItemList::deleteItem() {
    if (isEmpty() || !editor_.prompter().confirm(QStringLiteral("Delete the item record from every layout?")))
        return;
    deleteCurrent(QStringLiteral("item"));
    reload();
    editor_.rebuildCache();
    editor_.screen().redrawLink();
    editor_.reselect();
}

} // namespace pelora
