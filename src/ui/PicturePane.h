#pragma once

#include <QScrollArea>

class QLabel;

namespace pelora {

// A picture at its own size in a scrolling area, which scrolls over a picture larger than
// itself (a floor plan, a split's picture, a button's bitmap).
class PicturePane : public QScrollArea {
    Q_OBJECT
public:
    // `objectName` names the area, `pictureName` the picture inside it.
    PicturePane(const QString& objectName, const QString& pictureName, QWidget* parent = nullptr);

    QLabel* picture() const { return picture_; }
    // Shows the picture of a file; false when it cannot be read, the area then left empty.
    bool load(const QString& file);
    // No picture (size 0 x 0).
    void clear();

private:
    QLabel* picture_;
};

} // namespace pelora
