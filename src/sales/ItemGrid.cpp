#include "sales/ItemGrid.h"

#include "sales/GridPage.h"
#include "sales/PictureList.h"
#include "ui/GlyphButton.h"

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
        box->show();
        boxes.push_back(box);

        auto* button = new GlyphButton(row.caption, this);
        button->setGeometry(row.button);
        button->setFont(buttonFont);
        if (pictures) {
            if (const PictureList::Picture* p = pictures->find(row.imageId); p && !p->bitmap.isNull())
                button->setPicture(p->bitmap, row.imageLrtb);
        }
        button->setEnabled(!row.stopped);
        connect(button, &QPushButton::clicked, this, [this, button] { Q_EMIT buttonClicked(button); });
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
