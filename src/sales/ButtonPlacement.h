#pragma once

#include <QPoint>
#include <QStringList>

namespace pelora {

// Where a button an editor places stands: the grid's buttons and the tab buttons on a map are
// both moved by arrows with a step, sized with bounds, and dropped where a finger lets go.
namespace ButtonPlacement {

struct Box {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

enum class Move { Left, Right, Up, Down, Narrower, Wider, Lower, Higher };

// The smallest box a kind of button may shrink to; there is no largest.
struct Bounds {
    int minWidth = 0;
    int minHeight = 0;
};

constexpr int kDefaultStep = 10;
// The steps offered, and the step a choice means (nothing readable: 10; kept within 1..100).
QStringList steps();
int stepOf(const QString& chosen);

// The box after one arrow: left and top never below 0, width and height never below the bounds.
Box moved(const Box& box, Move how, int step, const Bounds& bounds);
// A box dropped by a finger: never left of or above the top left corner.
QPoint dropped(QPoint topLeft);

} // namespace ButtonPlacement

} // namespace pelora
