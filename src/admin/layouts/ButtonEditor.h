#pragma once

#include "sales/ButtonCache.h"
#include "sales/ButtonPlacement.h"

#include <QPoint>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace pelora {

class EditedSalesScreen;
class Prompter;

namespace db {
class Connection;
class Value;
} // namespace db

// The button editor without its window: the grid button touched on the sales screen, and every
// change of it. Each change is one UPDATE of that `li` row; the screen then patches its cached
// copy of the button and draws the page again. Adding and deleting buttons reads the whole
// cache again instead.
class ButtonEditor {
public:
    using Move = ButtonPlacement::Move;

    // The selected button as its `li` row holds it.
    struct Button {
        int id = 0;
        int linkId = 0;     // the page it stands on
        int linkIdLink = 0; // the page it opens (0: an item button)
        int itemId = 0;
        QString caption;
        int left = 0;
        int top = 0;
        int width = 0;
        int height = 0;
        std::optional<int> imageId;
        QString imageLrtb;
        QString linkName; // the name of the page it opens
        int cacheRow = -1;
        std::optional<std::uint32_t> colour; // what the colour dialog starts on
    };

    // A box is never narrower than this, nor lower than the caption and price need.
    static constexpr ButtonPlacement::Bounds kBounds{20, 45};

    ButtonEditor(db::Connection& db, Prompter& prompter, EditedSalesScreen& screen);

    db::Connection& connection() const { return db_; }
    Prompter& prompter() const { return prompter_; }
    EditedSalesScreen& screen() const { return screen_; }

    const std::optional<Button>& selected() const { return selected_; }
    // Reads the touched button; false (nothing selected) when another till has deleted it.
    bool select(int liId, int cacheRow);
    // The colour of the touched button as the screen shows it.
    void setColourPreset(std::optional<std::uint32_t> colour);
    void clearSelection() { selected_.reset(); }
    // After the cache was read again: the selection follows its button's new cache row, or is
    // dropped when the button is gone from the page shown.
    void reselect();

    // Each of these asks for a selection first ("Select a button.") and is false without one.
    bool saveCaption(const QString& caption);
    bool move(Move how, int step);
    // The box dragged to a new place: left and top in one write, never below 0.
    bool dropAt(QPoint boxTopLeft);
    // The colour dialog on the button's colour; the colour chosen is stored.
    bool chooseColour();
    // The button takes the default colour.
    bool clearColour();
    bool setImageLrtb(const QString& letter);
    // A picture, or none ("No Graphic").
    bool setImage(std::optional<int> imageId);
    // "Delete the button?"; Yes deletes it.
    bool deleteButton();
    // The link button: the page the selected link button opens is shown and the selection
    // cleared, which is how the editor walks from page to page.
    bool followLink();

    // New buttons on the page now shown, in its top left corner; the new button is selected.
    void addItemButton(int itemId, const QString& name);
    void addLinkButton(int linkId, const QString& name);

    // Buttons came or went: the cache is read again when the screen keeps one.
    void rebuildCache();

private:
    bool requireSelection();
    void addButton(const db::Value& itemId, int linkIdLink, const QString& caption);
    // One UPDATE of the selected row; the cached copy and the page follow.
    bool write(const std::vector<std::pair<ButtonCache::Column, db::Value>>& changes);
    void remember(ButtonCache::Column column, const db::Value& value);

    db::Connection& db_;
    Prompter& prompter_;
    EditedSalesScreen& screen_;
    std::optional<Button> selected_;
};

} // namespace pelora
