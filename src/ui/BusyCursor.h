#pragma once

#include <QApplication>
#include <QCursor>

namespace pelora {

// Shows the hourglass while it lives and restores the cursor on every way out of the scope.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// While a message or a modal window waits for the operator the normal cursor shows, even in
// the middle of an operation under the hourglass; the hourglass comes back afterwards.
class NormalCursor {
public:
    NormalCursor() {
        while (QApplication::overrideCursor()) {
            QApplication::restoreOverrideCursor();
            ++hourglasses_;
        }
    }
    ~NormalCursor() {
        for (int i = 0; i < hourglasses_; ++i)
            QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    }
    NormalCursor(const NormalCursor&) = delete;
    NormalCursor& operator=(const NormalCursor&) = delete;

private:
    int hourglasses_ = 0;
};

} // namespace pelora
