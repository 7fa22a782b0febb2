#include "ui/ChoiceColumn.h"

#include <QPushButton>
#include <QScrollArea>

#include <algorithm>

namespace pelora {

namespace {
constexpr int kLeft = 5;
constexpr int kTop = 5;
constexpr int kStep = 40;
constexpr int kWidth = 100;
constexpr int kHeight = 36; // the whole pitch but a gap: a finger's width
constexpr int kVisible = 8;
constexpr int kScrollBarRoom = 22;
constexpr int kCaptionMargin = 16;
} // namespace

ChoiceColumn::ChoiceColumn(const QString& objectName, QWidget* parent)
    : box_(new QScrollArea(parent)), content_(new QWidget) {
    box_->setObjectName(objectName);
    box_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box_->setWidget(content_);
    box_->setFixedWidth(kLeft * 2 + kWidth + kScrollBarRoom);
}

void ChoiceColumn::rebuild(const std::vector<QString>& captions, const std::vector<QString>& names) {
    for (QPushButton* b : buttons_)
        delete b;
    buttons_.clear();
    // A caption is never cut: a long name ("Manager Comp^") widens every button of the column.
    int width = kWidth;
    for (const QString& caption : captions)
        width = std::max(width, content_->fontMetrics().horizontalAdvance(caption) + kCaptionMargin);
    for (std::size_t i = 0; i < captions.size(); ++i) {
        auto* b = new QPushButton(captions[i], content_);
        b->setObjectName(names.at(i));
        b->setGeometry(kLeft, kTop + static_cast<int>(i) * kStep, width, kHeight);
        b->setAutoDefault(false); // Enter never takes a choice by itself
        b->show();
        buttons_.push_back(b);
    }
    const int rows = std::max(static_cast<int>(buttons_.size()), 1);
    content_->setFixedSize(kLeft * 2 + width, kTop * 2 + rows * kStep - (kStep - kHeight));
    box_->setFixedWidth(content_->width() + kScrollBarRoom);
    box_->setMinimumHeight(std::min(content_->height(), kTop + kVisible * kStep) + 4);
}

} // namespace pelora
