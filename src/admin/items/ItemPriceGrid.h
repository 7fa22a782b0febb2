#pragma once

#include <QWidget>

#include <optional>

class QLabel;
class QTableWidget;

namespace pelora {

class ItemEditor;
class Prompter;

// Every listed item's name and its three prices side by side, a price changed in place and
// written at once, so that the night's prices are set without opening each item. While an
// item is being edited in the form the grid only shows, until that edit is saved or cancelled.
class ItemPriceGrid : public QWidget {
    Q_OBJECT
public:
    ItemPriceGrid(ItemEditor& items, Prompter& prompter, QWidget* parent = nullptr);

    // Shows the listed items' prices as they now are.
    void refresh();
    // "Prices" shows the grid (filled at once) or hides it (no longer filled on every change).
    void setShown(bool shown);
    // A price typed into the cell of a listed item (row) and level 1 to 3.
    void priceTyped(int row, int level, const QString& text);

    QTableWidget* grid;
    QLabel* lblEditing;

private:
    ItemEditor& items_;
    Prompter& prompter_;
    struct Typed {
        int row;
        int level;
        QString text;
    };
    std::optional<Typed> typed_; // a cell's text, until its editor closes
    bool filling_ = false;
    bool shown_ = false;
};

} // namespace pelora
