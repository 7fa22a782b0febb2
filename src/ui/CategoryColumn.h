#pragma once

#include <QString>

#include <functional>
#include <vector>

class QScrollArea;
class QWidget;

namespace pelora {

class GlyphButton;

namespace db {
class TextTable;
}

// The scroll box of category buttons on the left of the tab and split pickers: one small
// button per category (the first column of each row), in the button column of the pickers.
class CategoryColumn {
public:
    CategoryColumn(int buttonWidth, QWidget* parent);

    QScrollArea* box() const { return box_; }
    const std::vector<GlyphButton*>& buttons() const { return buttons_; }

    // Frees the buttons there are and puts one per category in their place; pressing one hands
    // its category to `pressed`.
    void rebuild(const db::TextTable& categories, const std::function<void(const QString&)>& pressed);

private:
    int buttonWidth_;
    QScrollArea* box_;
    QWidget* content_;
    std::vector<GlyphButton*> buttons_;
};

} // namespace pelora
