#pragma once

#include <QWidget>

#include <functional>

namespace pelora::test {

// Runs `act` on the next modal window that opens, from inside its event loop: a test reads
// the window and closes it, so that the code that opened it goes on.
void whenModalOpens(std::function<void(QWidget*)> act);
// The same for the next modal window of a class (by its object name, "KeyBoardForm"), for a
// window that opens another as soon as it is up.
void whenModalOpens(const QString& objectName, std::function<void(QWidget*)> act);
// The same, handing `act` the window as its own class.
template <typename Window>
void whenOpens(const QString& objectName, std::function<void(Window&)> act) {
    whenModalOpens(objectName, [act = std::move(act)](QWidget* w) { act(*static_cast<Window*>(w)); });
}

} // namespace pelora::test
