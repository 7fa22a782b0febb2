#pragma once

#include "sales/ButtonPlacement.h"

#include <QGroupBox>

class QComboBox;
class QLabel;
class QPushButton;

namespace pelora {

// The "Movements" group of the editors that place buttons: four arrows, narrower and wider,
// lower and higher, the step list and the read-only position ("left,top"), width and height.
// A touch on an arrow asks for the move with the step as the list now means it; the list shows
// that step again.
class MovementsGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit MovementsGroup(QWidget* parent = nullptr);

    // The step the list means, written back to it (an empty or unreadable list shows "10").
    int step();
    // Shows where the selected button stands; none selected empties the boxes.
    void showBox(const ButtonPlacement::Box& box);
    void clearBox();

    QPushButton* btnLeft;
    QPushButton* btnRight;
    QPushButton* btnUp;
    QPushButton* btnDown;
    QPushButton* btnNarrower;
    QPushButton* btnWider;
    QPushButton* btnLower;
    QPushButton* btnHigher;
    QComboBox* cboStep;
    QLabel* lblPosition;
    QLabel* lblWidth;
    QLabel* lblHeight;

Q_SIGNALS:
    void moveAsked(ButtonPlacement::Move how, int step);
};

} // namespace pelora
