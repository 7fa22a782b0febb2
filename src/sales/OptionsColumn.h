#pragma once

#include <QWidget>

#include <array>

class QFrame;
class QLabel;
class QPushButton;

namespace pelora {

// The "Options" column beside the line lists: ten slots, each a box holding the slot's button
// (captioned with the current line's option caption) and a label with its choice.
class OptionsColumn : public QWidget {
    Q_OBJECT
public:
    static constexpr int kSlots = 10;
    static constexpr int kWidth = 88;

    explicit OptionsColumn(QWidget* parent = nullptr);

    std::array<QFrame*, kSlots> boxes{};
    std::array<QPushButton*, kSlots> buttons{}; // "1" to "10"
    std::array<QLabel*, kSlots> labels{};
};

} // namespace pelora
