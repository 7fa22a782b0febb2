#pragma once

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

    void setBackground(const QPixmap& picture);
    const QPixmap& background() const { return background_; }

Q_SIGNALS:
    // A button of the page shown was pressed.
    void buttonClicked(QPushButton* button);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void fitCanvas();

    std::vector<QWidget*> aside_;
    QPixmap background_;
};

} // namespace pelora
