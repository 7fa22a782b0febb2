#include "ui/PicturePane.h"

#include <QLabel>
#include <QPixmap>

namespace pelora {

PicturePane::PicturePane(const QString& objectName, const QString& pictureName, QWidget* parent)
    : QScrollArea(parent), picture_(new QLabel) {
    setObjectName(objectName);
    setWidgetResizable(false); // the picture keeps its own size
    picture_->setObjectName(pictureName);
    picture_->resize(0, 0);
    setWidget(picture_);
}

bool PicturePane::load(const QString& file) {
    clear();
    QPixmap read;
    if (!read.load(file))
        return false;
    picture_->setPixmap(read);
    picture_->resize(read.size());
    return true;
}

void PicturePane::clear() {
    picture_->clear();
    picture_->resize(0, 0);
}

} // namespace pelora
