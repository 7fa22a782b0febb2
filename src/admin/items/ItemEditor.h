#pragma once

#include "admin/RecordEditor.h"

#include <functional>
#include <vector>

namespace pelora {

// The item editor's rows: the sellable items with their three price levels, ten options, codes
// and output. Renaming an item renames, in the same transaction, those of its buttons still
// captioned with the old name, so that a failed write (a name another item has) changes
// neither. A number typed that cannot be read keeps the item from being written. The price grid
// writes one price of any listed item at once.
class ItemEditor : public RecordEditor {
public:
    ItemEditor(db::Connection& db, Prompter& prompter);

    // "Find": the items whose name contains the text in any letter case. "All": every item.
    // An edit open on the current item is saved or dropped first ("Save changes?"); false when
    // the editor stays where it is.
    bool find(const QString& text);
    bool showAll();

    // A number field's columns and the name a refusal calls each by.
    struct NumberField {
        QString column;
        QString label;
        bool money = true; // else the stock count, any decimal number
    };
    static const std::vector<NumberField>& numberFields();
    // The text typed into a number field as it stands: while it cannot be read as its column
    // takes it (blank is allowed: no value), the item is not written.
    void typed(const QString& column, const QString& text);

    // The price grid: Price1 to Price3 (`level`) of the listed item in `row`, typed. Written at
    // once and the rows read again; text that is not an amount of money is refused with a
    // warning and nothing changes, and so while the current item is being edited.
    bool writePrice(int row, int level, const QString& text);
    // A price was written through the grid since the editor opened.
    bool pricesWritten() const { return pricesWritten_; }

    // Editing of an item has begun since the program started, even an edit then cancelled.
    static bool editingEverBegun();

    // What the window passes on to the sales screen.
    struct Events {
        // A rename was written; `buttons` of the item's buttons took the new caption.
        std::function<void(const QString& oldName, const QString& newName, long long buttons)> renamed;
        std::function<void()> deleted;
    };
    void setEvents(Events events) { events_ = std::move(events); }

protected:
    void write() override;
    std::optional<QString> refusal() override;
    void deleted(int id) override;

private:

    std::vector<QString> unreadable_; // columns whose typed text cannot be read
    bool pricesWritten_ = false;
    Events events_;
};

} // namespace pelora
