#include "ui/GlyphButton.h"

#include <QPalette>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace pelora {

GlyphButton::GlyphButton(const QString& caption, QWidget* parent) : QPushButton(parent), caption_(caption) {
    QString shown = caption;
    shown.replace(u'&', QStringLiteral("&&")); // the caption an assistive reader gets
    setText(shown);
    setFocusPolicy(Qt::NoFocus);
}

void GlyphButton::setPicture(const QPixmap& picture, const QString& placement) {
    picture_ = picture;
    const QChar p = placement.isEmpty() ? QChar(u'L') : placement.front().toUpper();
    placement_ = (p == u'R' || p == u'T' || p == u'B') ? p : QChar(u'L');
    update();
}

QColor GlyphButton::markFill() { return {0xFF, 0xBF, 0x1F}; }

void GlyphButton::setMarked(bool marked) {
    if (marked == marked_)
        return;
    marked_ = marked;
    update();
}

void GlyphButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    QPalette captionColours = palette();
    if (marked_) {
        constexpr int kFrame = 3;
        painter.fillRect(rect(), QColor(0xC0, 0x5A, 0x00));
        painter.fillRect(rect().adjusted(kFrame, kFrame, -kFrame, -kFrame),
                         isDown() ? QColor(0xE6, 0xA2, 0x00) : markFill());
        captionColours.setColor(QPalette::ButtonText, QColor(0x1A, 0x1A, 0x1A));
    } else {
        painter.drawControl(QStyle::CE_PushButtonBevel, option);
    }

    QRect area = rect().adjusted(3, 3, -3, -3);
    if (isDown())
        area.translate(1, 1);
    const int flags = Qt::AlignCenter | Qt::TextWordWrap;
    if (!picture_.isNull()) {
        const QRect textNeeds = fontMetrics().boundingRect(area, flags, caption_);
        const bool vertical = placement_ == u'T' || placement_ == u'B';
        QSize room = vertical ? QSize(area.width(), area.height() - textNeeds.height() - 2)
                              : QSize(area.width() / 2, area.height());
        room = room.expandedTo(QSize(1, 1));
        QPixmap shown = picture_;
        if (shown.width() > room.width() || shown.height() > room.height())
            shown = shown.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        QRect pictureRect(QPoint(), shown.deviceIndependentSize().toSize());
        QRect textRect = area;
        switch (placement_.unicode()) {
        case u'T':
            pictureRect.moveCenter(QPoint(area.center().x(), area.top() + pictureRect.height() / 2));
            textRect.setTop(pictureRect.bottom() + 2);
            break;
        case u'B':
            pictureRect.moveCenter(QPoint(area.center().x(), area.bottom() - pictureRect.height() / 2));
            textRect.setBottom(pictureRect.top() - 2);
            break;
        case u'R':
            pictureRect.moveCenter(QPoint(area.right() - pictureRect.width() / 2, area.center().y()));
            textRect.setRight(pictureRect.left() - 2);
            break;
        default:
            pictureRect.moveCenter(QPoint(area.left() + pictureRect.width() / 2, area.center().y()));
            textRect.setLeft(pictureRect.right() + 2);
            break;
        }
        painter.drawPixmap(pictureRect.topLeft(), shown);
        area = textRect;
    }
    style()->drawItemText(&painter, area, flags, captionColours, isEnabled(), caption_, QPalette::ButtonText);
}

} // namespace pelora
