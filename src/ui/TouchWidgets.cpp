#include "ui/TouchWidgets.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace pelora {

QPushButton* touchButton(const QString& caption, const QString& objectName, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setMinimumHeight(kTouchHeight);
    button->setFocusPolicy(Qt::NoFocus); // touching a button leaves the focus where it was
    return button;
}

QLabel* namedLabel(const QString& text, const QString& objectName, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    return label;
}

void setCaptionRed(QAbstractButton* button, bool red) {
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText,
                     red ? QColor(Qt::red) : button->style()->standardPalette().color(QPalette::ButtonText));
    button->setPalette(palette);
}

bool captionIsRed(const QAbstractButton* button) {
    return button->palette().color(QPalette::ButtonText) == QColor(Qt::red);
}

} // namespace pelora
