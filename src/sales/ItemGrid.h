#pragma once

#include "ui/ButtonDrag.h"

#include <QPixmap>
#include <QWidget>

#include <vector>

class QFrame;
class QLabel;
class QPushButton;

namespace pelora {

class PictureList;
struct GridPage;

// The canvas of the Item page on which one link page's boxes, buttons and labels stand, over
// the layout's background picture. A rebuild sets the objects of the page shown aside rather
// than freeing them, so that the button whose click caused the rebuild outlives its click;
// they are freed by the status-line handler one event later.
class ItemGrid : public QWidget {
    Q_OBJECT
public:
    explicit ItemGrid(QWidget* parent = nullptr);

    // The page now shown, in creation order; a button's position is its index.
    std::vector<QFrame*> boxes;
    std::vector<QPushButton*> buttons;
    std::vector<QLabel*> labels;

    // Hides the page now shown and keeps its objects for freeing; the lists start empty.
    void setAside();
    // Frees every object set aside.
    void freeSetAside();
    int setAsideCount() const;

    // Creates the page's boxes, buttons and labels in the order of its rows. Pictures come from
    // the list when it is given (the layout shows pictures).
    void build(const GridPage& page, const QFont& buttonFont, const PictureList* pictures);

    // While the button editor is open a button can be dragged (ButtonDrag): its box, button and
    // label follow the finger, and the drop is reported instead of a click.
    void setEditing(bool on);
    bool isEditing() const { return editing_; }

    void setBackground(const QPixmap& picture);
    const QPixmap& background() const { return background_; }

Q_SIGNALS:
    // A button of the page shown was pressed.
    void buttonClicked(QPushButton* button);
    // A button of the page shown was dragged; its box now stands at this top left corner.
    void buttonDropped(QPushButton* button, QPoint boxTopLeft);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fitCanvas();
    // Moves the box, button and label of the button at `index` so the box stands at `topLeft`.
    void placeBox(std::size_t index, QPoint topLeft);
    // A mouse event on the box of the button at `index` (its frame, picture or price strip),
    // handed to the button as a touch of its own; true when it was one.
    bool forwardToButton(std::size_t index, QEvent* event);

    bool editing_ = false;
    ButtonDrag drag_;

    std::vector<QWidget*> aside_;
    QPixmap background_;
};

} // namespace pelora
