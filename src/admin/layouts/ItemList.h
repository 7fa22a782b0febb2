#pragma once

#include "admin/layouts/NameList.h"

#include <optional>

namespace pelora {

class ButtonEditor;

// The button editor's list of items (every item but the reserved one, by name, or those a find
// matched) and what "Insert" and "Delete" do to them.
class ItemList : public NameList {
public:
    explicit ItemList(ButtonEditor& editor);

    // "All": every item; a find is forgotten.
    void loadAll();
    // "Find": the items whose name holds the text in any letter case; false (and the operator
    // told) when there is no text.
    bool find(const QString& text);
    // Reads the list again as it was last asked for.
    void reload();
    // "Insert": after "Insert new item?", goes to the item "New Item", made when there is none.
    // Returns the item to edit.
    std::optional<int> insertItem();
    // "Delete": after the question, the item goes with its buttons in every layout.
    void deleteItem();

private:
    ButtonEditor& editor_;
    QString found_; // the text of the find the list shows; empty for all items
};

} // namespace pelora
