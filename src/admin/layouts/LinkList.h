#pragma once

#include "admin/layouts/NameList.h"

#include <optional>

namespace pelora {

class ButtonEditor;

// The button editor's list of links (every link page, by name) and what "Ins", "Del" and "Dup"
// do to the pages. The sales screen under the editor follows each change.
class LinkList : public NameList {
public:
    explicit LinkList(ButtonEditor& editor);

    void load();
    // "Ins": after "Insert new link?", goes to the link "New Link", made when there is none.
    // Returns the link to name.
    std::optional<int> insertLink();
    // "Del": link 1 must remain; any other is deleted with its buttons in every layout, after
    // the question. The screen falls back to link 1 when its page lost every button.
    void deleteLink();
    // "Dup": copies the chosen link's buttons onto the link "Duplicate Link" (made, or emptied
    // after the question). Returns the duplicate when buttons were copied, for naming.
    std::optional<int> duplicateLink();
    // A link was renamed: the buttons that open it may carry the new name.
    void renamed();

    static constexpr int kKeptLink = 1;

private:
    ButtonEditor& editor_;
};

} // namespace pelora
