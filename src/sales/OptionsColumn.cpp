#include "sales/OptionsColumn.h"

#include "ui/TouchWidgets.h"

#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace pelora {

OptionsColumn::OptionsColumn(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("pnlOptions"));
    setFixedWidth(kWidth);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 0, 0, 0);
    layout->setSpacing(2);
    auto* title = namedLabel(tr("Options"), QStringLiteral("lblOptions"), this);
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);
    for (int i = 0; i < kSlots; ++i) {
        const QString n = QString::number(i + 1);
        auto* box = new QFrame(this);
        box->setObjectName(QStringLiteral("shpOpt") + n);
        box->setFrameShape(QFrame::StyledPanel);
        box->setAutoFillBackground(true);
        auto* button = touchButton(n, QStringLiteral("btnOpt") + n, box);
        button->setMinimumHeight(32);
        auto* label = namedLabel(QString(), QStringLiteral("lblOpt") + n, box);
        label->setAlignment(Qt::AlignCenter);
        QFont small = label->font();
        small.setPointSizeF(small.pointSizeF() * 0.85);
        label->setFont(small);
        auto* boxLayout = new QVBoxLayout(box);
        boxLayout->setContentsMargins(2, 2, 2, 2);
        boxLayout->setSpacing(0);
        boxLayout->addWidget(button);
        boxLayout->addWidget(label);
        box->setFixedHeight(kSlotHeight);
        layout->addWidget(box);
        boxes[static_cast<std::size_t>(i)] = box;
        buttons[static_cast<std::size_t>(i)] = button;
        labels[static_cast<std::size_t>(i)] = label;
        box->hide(); // a slot shows once the current line has a caption for it
    }
    layout->addStretch();
}

QColor OptionsColumn::chosenColour() { return QColor(Qt::yellow); }

void OptionsColumn::showSlots(const OptionSlots::Slots& lineSlots) {
    for (std::size_t i = 0; i < lineSlots.size(); ++i) {
        const OptionSlots::Slot& slot = lineSlots[i];
        QFrame* box = boxes[i];
        box->setVisible(slot.shown());
        if (!slot.shown())
            continue;
        buttons[i]->setText(slot.caption);
        labels[i]->setText(slot.choice);
        QPalette palette = box->palette();
        palette.setColor(QPalette::Window, slot.chosen() ? chosenColour() : palette.color(QPalette::Button));
        box->setPalette(palette);
    }
}

} // namespace pelora
