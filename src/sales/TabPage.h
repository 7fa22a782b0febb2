#pragma once

#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;
class QScrollArea;

namespace pelora {

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

    // The Cancel Move panel is 40 high while a move is pending and 0 otherwise.
    void setCancelMoveShown(bool shown);
};

} // namespace pelora
