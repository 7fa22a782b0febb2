#pragma once

#include "admin/RecordEditor.h"

#include <functional>

namespace pelora {

// The account tabs (ids above 2) the tab map editor lists and the tab account editor edits.
// Renaming a tab renames, in the same transaction, its buttons still captioned with the old
// ref, so that a refused write (a ref another tab has) changes neither. A tab that holds open
// lines on any till, or a pre-tendered amount, is never deleted: the operator is told how many
// lines hold it; otherwise its buttons go with it.
class TabAccounts : public RecordEditor {
public:
    TabAccounts(db::Connection& db, Prompter& prompter);

    // "Find": the tabs whose ref contains the text in any letter case (an empty text is
    // refused with the hint). "All": every tab again.
    bool find(const QString& text);
    bool showAll();

    // What a tab still holds: its open lines on every till (both lists) and its pre-tendered
    // amount.
    struct Held {
        long long lines = 0;
        double tendered = 0;
        bool any() const { return lines > 0 || tendered != 0; }
    };
    Held held(int tabId) const;

    // A write renamed the tab: `buttons` of its buttons took the new ref as their caption.
    std::function<void(const QString& oldRef, const QString& newRef, long long buttons)> renamed;
    // A tab was deleted, with its buttons on every map.
    std::function<void(int tabId)> deletedTab;

protected:
    void write() override;
    bool confirmDelete() override;
    bool deleteRecord(int id) override;
    void deleted(int id) override;

private:
    // The warning that the tab cannot go, or false when it holds nothing.
    bool refuseHeld(int tabId);
};

// The tab rows as the editor lists them, narrowed by a further condition when one is given.
QString tabSelect(const QString& condition);

} // namespace pelora
