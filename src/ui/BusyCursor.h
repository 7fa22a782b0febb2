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

} // namespace pelora
