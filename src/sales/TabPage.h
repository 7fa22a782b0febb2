#pragma once

#include "ui/ButtonDrag.h"

#include <QWidget>

#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class QScrollArea;

namespace pelora {

class GlyphButton;

// The Tab page of the sales screen: the map picture with the tab buttons on it, the tab list
// beside it with the yellow Cancel Move panel under it, and the buttons "<<", ">>", "Find",
// "NonTab" and "Active" along the bottom.
class TabPage : public QWidget {
    Q_OBJECT
public:
    explicit TabPage(QWidget* parent = nullptr);

    QScrollArea* mapArea;
    QWidget* mapCanvas;  // the tab buttons are placed on it
    QLabel* mapPicture;  // the current map's picture, at the canvas's top left
    QListWidget* tabList;
    QWidget* cancelMovePanel;
    QPushButton* btnCancelMove;
    QLabel* lblFirstRow; // index in the tab map cache of the current map's first row
    QPushButton* btnMapPrior;
    QPushButton* btnMapNext;
    QPushButton* btnTabFind;
    QPushButton* btnNonTab;
    QPushButton* btnActive;

    // One button per tab of the current map, in the order of the tab list.
    std::vector<GlyphButton*> tabButtons;

    // The Cancel Move panel is 40 high while a move is pending and 0 otherwise.
    void setCancelMoveShown(bool shown);
    bool cancelMoveShown() const;
    // Frees every tab button.
    void clearTabButtons();
    // Puts a new tab button after the others.
    void addTabButton(GlyphButton* button);
    // The position of a tab button among them, or -1.
    int indexOf(const GlyphButton* button) const;
    // Marks the tab buttons and list entries of the tabs that are occupied (have open lines):
    // one flag per tab list entry, in its order.
    void markOccupied(const std::vector<bool>& occupied);
    // While the tab map editor is open a tab button can be dragged (ButtonDrag); the drop is
    // reported instead of a click.
    void setDragging(bool on);
    // Shows the map picture at the canvas's top left; a null one clears it (0 x 0).
    void setMapPicture(const QPixmap& picture);
    // Sizes the canvas to hold the picture and every tab button.
    void fitCanvas();

Q_SIGNALS:
    // A tab button was dragged on the map; it now stands at this top left corner of the canvas.
    void tabButtonDropped(GlyphButton* button, QPoint topLeft);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool dragging_ = false;
    ButtonDrag drag_;
};

} // namespace pelora
