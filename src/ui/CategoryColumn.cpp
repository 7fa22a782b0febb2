#include "ui/CategoryColumn.h"

#include "db/TextTable.h"
#include "ui/GlyphButton.h"
#include "ui/TouchWidgets.h"

#include <QPushButton>
#include <QScrollArea>

namespace pelora {

CategoryColumn::CategoryColumn(int buttonWidth, QWidget* parent)
    : buttonWidth_(buttonWidth), box_(new QScrollArea(parent)), content_(new QWidget) {
    box_->setObjectName(QStringLiteral("scrCategories"));
    box_->setFixedWidth(buttonColumnSize(0, buttonWidth).width() + 25);
    content_->setObjectName(QStringLiteral("pnlCategories"));
    box_->setWidget(content_);
    box_->setWidgetResizable(false);
}

void CategoryColumn::rebuild(const db::TextTable& categories, const std::function<void(const QString&)>& pressed) {
    for (GlyphButton* b : buttons_) {
        b->hide();
        b->setParent(nullptr);
        b->deleteLater(); // a category button's own click may be what rebuilds them
    }
    buttons_.clear();
    for (int r = 0; r < categories.rowCount(); ++r) {
        const QString category = categories.at(r, 0);
        auto* b = new GlyphButton(category, content_);
        b->setObjectName(QStringLiteral("btnCategory"));
        placeInButtonColumn(b, r, buttonWidth_);
        b->show();
        QObject::connect(b, &QPushButton::clicked, box_, [pressed, category] { pressed(category); });
        buttons_.push_back(b);
    }
    content_->resize(buttonColumnSize(categories.rowCount(), buttonWidth_));
}

} // namespace pelora
