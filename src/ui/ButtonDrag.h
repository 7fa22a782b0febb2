#pragma once

#include <QPoint>

class QEvent;
class QPushButton;
class QWidget;

namespace pelora {

// A finger drag of the run-time buttons that an editor open beside the sales screen places (the
// item grid's, the tab map's). A press that moves 10 pixels or more drags: what the button
// carries follows the finger, never left of or above the canvas's top left (0,0), and the
// release drops it there instead of clicking. A press without movement stays a touch, and the
// button clicks as usual.
class ButtonDrag {
public:
    // How far a press must move before it drags rather than touches.
    static constexpr int kThreshold = 10;

    enum class Step {
        None,    // the event is the button's own
        Moved,   // what is dragged should now stand at topLeft()
        Dropped, // it was let go at topLeft()
    };
    // Takes a mouse event that `button` is about to get; `dragged` is what it carries along (the
    // button itself, or the box it stands in), read where it stands at the press. On Moved and
    // Dropped the event is the drag's: the button must not get it.
    Step take(QPushButton* button, QWidget* dragged, QEvent* event);
    QPoint topLeft() const { return now_; }
    // Forgets a drag under way (the buttons were drawn again, or the editor closed).
    void reset() { *this = ButtonDrag(); }

private:
    QPushButton* button_ = nullptr;
    QPoint pressedAt_; // global position of the press
    QPoint start_;
    QPoint now_;
    bool moving_ = false;
};

} // namespace pelora
