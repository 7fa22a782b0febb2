#pragma once

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
    // Shows the map picture at the canvas's top left; a null one clears it (0 x 0).
    void setMapPicture(const QPixmap& picture);
    // Sizes the canvas to hold the picture and every tab button.
    void fitCanvas();
};

} // namespace pelora
