#include "sales/ItemGrid.h"

#include "sales/GridPage.h"
#include "sales/PictureList.h"
#include "ui/GlyphButton.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

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
    drag_.reset(); // a page drawn again in the middle of a drag ends it
}

void ItemGrid::freeSetAside() {
    for (QWidget* w : aside_)
        delete w;
    aside_.clear();
}

void ItemGrid::build(const GridPage& page, const QFont& buttonFont, const PictureList* pictures) {
    for (const GridPage::Button& row : page.buttons) {
        auto* box = new QFrame(this);
        box->setGeometry(row.box);
        box->setFrameShape(QFrame::Panel);
        box->setFrameShadow(QFrame::Raised);
        box->setAutoFillBackground(true);
        QPalette boxPalette = box->palette();
        if (row.colour) {
            const std::uint32_t c = *row.colour; // red in the low byte
            boxPalette.setColor(QPalette::Window, QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF));
        } else {
            boxPalette.setColor(QPalette::Window, boxPalette.color(QPalette::Button));
        }
        box->setPalette(boxPalette);
        box->installEventFilter(this); // the whole face answers a touch, not the caption alone
        box->show();
        boxes.push_back(box);

        auto* button = new GlyphButton(row.caption, this);
        button->setGeometry(row.button);
        button->setFont(buttonFont);
        if (pictures) {
            if (const PictureList::Picture* p = pictures->find(row.imageId); p && !p->bitmap.isNull())
                button->setPicture(p->bitmap, row.imageLrtb);
        }
        // A stopped item's button cannot be sold, but the button editor can still select it.
        button->setEnabled(!row.stopped || editing_);
        connect(button, &QPushButton::clicked, this, [this, button] { Q_EMIT buttonClicked(button); });
        button->installEventFilter(this); // idle unless the page is being edited
        button->show();
        buttons.push_back(button);

        auto* label = new QLabel(row.labelText, this);
        label->setGeometry(row.label);
        label->setAlignment(Qt::AlignCenter);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        label->show();
        labels.push_back(label);
    }
    fitCanvas();
}

void ItemGrid::fitCanvas() {
    QSize size = background_.size();
    for (QFrame* box : boxes)
        size = size.expandedTo(QSize(box->geometry().right() + 1, box->geometry().bottom() + 1));
    resize(size);
}

void ItemGrid::setEditing(bool on) {
    editing_ = on;
    drag_.reset();
}

void ItemGrid::placeBox(std::size_t index, QPoint topLeft) {
    const QPoint by = topLeft - boxes.at(index)->pos();
    for (QWidget* w : {static_cast<QWidget*>(boxes.at(index)), static_cast<QWidget*>(buttons.at(index)),
                       static_cast<QWidget*>(labels.at(index))}) {
        w->move(w->pos() + by);
        w->raise();
    }
}

bool ItemGrid::eventFilter(QObject* watched, QEvent* event) {
    if (const auto box = std::find(boxes.begin(), boxes.end(), watched); box != boxes.end())
        return forwardToButton(static_cast<std::size_t>(box - boxes.begin()), event);
    if (!editing_)
        return false;
    auto* button = qobject_cast<QPushButton*>(watched);
    const auto found = std::find(buttons.begin(), buttons.end(), button);
    if (found == buttons.end())
        return false;
    const auto index = static_cast<std::size_t>(found - buttons.begin());
    switch (drag_.take(button, boxes[index], event)) {
    case ButtonDrag::Step::Moved:
        placeBox(index, drag_.topLeft());
        return true;
    case ButtonDrag::Step::Dropped:
        Q_EMIT buttonDropped(button, drag_.topLeft());
        return true;
    default:
        return false;
    }
}

bool ItemGrid::forwardToButton(std::size_t index, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        break;
    default:
        return false;
    }
    // A touch on the picture, the price strip or the frame is a touch of the button: the
    // button gets it where it is nearest, so that it presses, clicks (or drags in the button
    // editor) as if touched itself.
    QPushButton* button = buttons.at(index);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint at = button->mapFrom(this, boxes.at(index)->mapTo(this, mouse->position().toPoint()));
    const QPoint inside(std::clamp(at.x(), 0, std::max(0, button->width() - 1)),
                        std::clamp(at.y(), 0, std::max(0, button->height() - 1)));
    QMouseEvent forwarded(mouse->type(), QPointF(inside), mouse->globalPosition(), mouse->button(), mouse->buttons(),
                          mouse->modifiers(), mouse->pointingDevice());
    QCoreApplication::sendEvent(button, &forwarded);
    return true;
}

int ItemGrid::setAsideCount() const { return static_cast<int>(aside_.size()); }

void ItemGrid::setBackground(const QPixmap& picture) {
    background_ = picture;
    fitCanvas(); // the whole picture and every box can be scrolled to
    update();
}

void ItemGrid::paintEvent(QPaintEvent*) {
    if (background_.isNull())
        return;
    QPainter p(this);
    p.drawPixmap(0, 0, background_);
}

} // namespace pelora
