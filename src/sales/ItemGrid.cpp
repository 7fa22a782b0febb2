#include "sales/ItemGrid.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace pelora {

ItemGrid::ItemGrid(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("pnlItems"));
}

void ItemGrid::setAside() {
    auto keep = [this](auto& list) {
        for (QWidget* w : list) {
            w->hide();
            aside_.push_back(w);
        }
        list.clear();
    };
    keep(boxes);
    keep(buttons);
    keep(labels);
}

void ItemGrid::freeSetAside() {
    for (QWidget* w : aside_)
        delete w;
    aside_.clear();
}

int ItemGrid::setAsideCount() const { return static_cast<int>(aside_.size()); }

void ItemGrid::setBackground(const QPixmap& picture) {
    background_ = picture;
    resize(size().expandedTo(picture.size())); // the whole picture can be scrolled to
    update();
}

void ItemGrid::paintEvent(QPaintEvent*) {
    if (background_.isNull())
        return;
    QPainter p(this);
    p.drawPixmap(0, 0, background_);
}

} // namespace pelora
