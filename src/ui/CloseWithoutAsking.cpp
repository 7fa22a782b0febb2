#include "ui/CloseWithoutAsking.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>

namespace pelora {

namespace {

// `asked` is the window asked to close on the last round: one still open refused (a choice
// that must be made first), and it is ended all the same.
void closeRound(QWidget& mainWindow, const QPointer<QWidget>& asked) {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) {
        mainWindow.close();
        return;
    }
    // The next round is due before this one asks: closing a window may ask a question of its
    // own ("Save changes?"), which the next round then closes in turn.
    QTimer::singleShot(0, &mainWindow, [window = QPointer<QWidget>(&mainWindow), closing = QPointer<QWidget>(modal)] {
        if (window)
            closeRound(*window, closing);
    });
    if (modal == asked)
        modal->hide();
    else if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
    else
        modal->close();
}

} // namespace

void closeWithoutAsking(QWidget& mainWindow) { closeRound(mainWindow, nullptr); }

} // namespace pelora
