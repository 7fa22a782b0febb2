#pragma once

#include <QString>

#include <vector>

class QPushButton;
class QScrollArea;
class QWidget;

namespace pelora {

// The scroll box of choice buttons that the choosers show (payment methods, discounts, option
// choices): one button per choice, 5 from the left and one every 40 from the top, each 100 wide
// (or as wide as the longest caption needs) and 36 high, so that a finger finds it. The box shows up to eight buttons and scrolls
// for more.
class ChoiceColumn {
public:
    ChoiceColumn(const QString& objectName, QWidget* parent);

    QScrollArea* box() const { return box_; }
    const std::vector<QPushButton*>& buttons() const { return buttons_; }

    // Frees the buttons there are and puts one per caption in their place, named by `names`.
    void rebuild(const std::vector<QString>& captions, const std::vector<QString>& names);

private:
    QScrollArea* box_;
    QWidget* content_;
    std::vector<QPushButton*> buttons_;
};

} // namespace pelora
