#pragma once

#include "sales/OptionSlots.h"

#include <QWidget>

#include <array>

class QColor;
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
    static constexpr int kSlotHeight = 54; // ten of them fit beside the lists

    explicit OptionsColumn(QWidget* parent = nullptr);

    // Shows a line's slots: those with a caption, the box yellow while the slot is chosen and
    // its label with the choice. No line (all captions empty) hides them all.
    void showSlots(const OptionSlots::Slots& lineSlots);
    static QColor chosenColour();

    std::array<QFrame*, kSlots> boxes{};
    std::array<QPushButton*, kSlots> buttons{}; // "1" to "10"
    std::array<QLabel*, kSlots> labels{};
};

} // namespace pelora
