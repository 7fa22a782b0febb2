#pragma once

#include "sales/ButtonPlacement.h"
#include "sales/SalesCaches.h"

#include <QPoint>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

namespace pelora {

class EditedTabMap;
class Prompter;

namespace db {
class Connection;
class Value;
} // namespace db

// The tab map editor without its window: the tab button touched on the Tab page, and every
// change of it. Each change is one UPDATE of that `tm` row; the screen then patches its cached
// copy and draws the buttons again. Adding and deleting buttons read the tab map again.
class TabMapEditor {
public:
    // The selected button as its `tm` row holds it.
    struct Button {
        int tabId = 0;
        int mapId = 0;
        int cacheRow = -1;
        QString caption;
        ButtonPlacement::Box box;
        std::optional<int> imageId;
        QString imageLrtb;
    };

    // A tab button is never narrower than 20 nor lower than 10.
    static constexpr ButtonPlacement::Bounds kBounds{20, 10};
    // A new button stands in the map's top left corner, 100 x 100.
    static constexpr int kNewSize = 100;

    TabMapEditor(db::Connection& db, Prompter& prompter, EditedTabMap& screen);

    const std::optional<Button>& selected() const { return selected_; }
    // Reads the touched tab's button on the map shown; false (nothing selected) when another
    // till has deleted it.
    bool select(int tabId);
    void clearSelection() { selected_.reset(); }
    // After the tab map was read again: the selection follows its button to its new cache row.
    void reselect();

    // Each of these asks for a selection first ("Select a button.") and is false without one.
    bool saveCaption(const QString& caption);
    bool move(ButtonPlacement::Move how, int step);
    // The button dragged to a new place: left and top in one write, never below 0.
    bool dropAt(QPoint topLeft);
    bool setImageLrtb(const QString& letter);
    // A picture, or none ("No Graphic").
    bool setImage(std::optional<int> imageId);
    // "Delete the button?"; Yes deletes it from the map shown.
    bool deleteButton();

    // Puts the tab's button on the map shown and selects it; "Button already on this map." when
    // the tab has one there.
    bool addButton(int tabId, const QString& ref);

    // Buttons came or went, or a tab was renamed: the tab map is read again and shown.
    void reloadAndShow();

private:
    bool requireSelection(bool needsMap = false);
    // One UPDATE of the selected row; the cached copy and the buttons follow.
    bool write(const std::vector<std::pair<TabMapColumn, db::Value>>& changes);
    void remember(TabMapColumn column, const db::Value& value);

    db::Connection& db_;
    Prompter& prompter_;
    EditedTabMap& screen_;
    std::optional<Button> selected_;
};

} // namespace pelora
