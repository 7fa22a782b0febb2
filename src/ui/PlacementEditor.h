#pragma once

#include <QGroupBox>

#include <initializer_list>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace pelora {

// The parts of the editors that place buttons on the live screen (the grid's, the tab map's).

// The "Button" group of the editors that place buttons on the live screen: "Change Caption To"
// with its box (20 characters), "Save", "Del Btn", "Help", and "Close", which closes the
// editor's window (a touch screen may show it without a title bar).
class CaptionGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit CaptionGroup(QWidget* window);

    QLineEdit* edtCaption;
    QPushButton* btnSave;
    QPushButton* btnDelBtn;
    QPushButton* btnHelp;
    QPushButton* btnClose;
};

// The "Find Item" group of those editors: a search box, "Find" and "All".
class FindGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit FindGroup(QWidget* parent);

    QLineEdit* edtFind;
    QPushButton* btnFind;
    QPushButton* btnAll;
};

// The side list of a button's picture: "L", "R", "T", "B", none chosen.
QComboBox* pictureSideList(QWidget* parent);

// Lays out such an editor's tool window: its groups top to bottom, its lists taking the rest,
// narrow enough to leave most of the screen it edits in sight.
void layOutPlacementEditor(QWidget& window, std::initializer_list<QWidget*> groups, QWidget* lists, int height);

// Shows a tool window in the top right corner of the window it edits.
void showAtTopRight(QWidget& tool, const QWidget& over);

} // namespace pelora
