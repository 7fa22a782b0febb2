#include "ui/ButtonDrag.h"

#include <QMouseEvent>
#include <QPushButton>

#include <algorithm>

namespace pelora {

ButtonDrag::Step ButtonDrag::take(QPushButton* button, QWidget* dragged, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            reset();
            button_ = button;
            pressedAt_ = mouse->globalPosition().toPoint();
            start_ = now_ = dragged->pos();
        }
        return Step::None; // the press stays the button's: without a move it is a touch
    }
    case QEvent::MouseMove: {
        if (button_ != button)
            return Step::None;
        const QPoint by = static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - pressedAt_;
        if (!moving_ && by.manhattanLength() < kThreshold)
            return Step::None;
        moving_ = true;
        button->setDown(false);
        now_ = QPoint(std::max(0, start_.x() + by.x()), std::max(0, start_.y() + by.y()));
        return Step::Moved;
    }
    case QEvent::MouseButtonRelease: {
        if (button_ != button)
            return Step::None;
        const bool moved = moving_;
        button_ = nullptr;
        moving_ = false;
        if (!moved)
            return Step::None; // a touch: the button clicks
        button->setDown(false);
        return Step::Dropped;
    }
    default:
        return Step::None;
    }
}

} // namespace pelora
