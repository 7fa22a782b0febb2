#pragma once

class QWidget;

namespace pelora {

// Ends the program as "Close" does, without its question (the till was told to stop: SIGTERM,
// SIGINT): every window waiting modally is closed as its "Close" or Escape would close it, one
// after another as each hands back to the code that opened it, and then the main window.
void closeWithoutAsking(QWidget& mainWindow);

} // namespace pelora
