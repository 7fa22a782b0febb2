#include "ui/CloseWithoutAsking.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>

namespace pelora {

void closeWithoutAsking(QWidget& mainWindow) {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
        // The code that opened it goes on first; it may open another window before it is done.
        QTimer::singleShot(0, &mainWindow, [window = QPointer<QWidget>(&mainWindow)] {
            if (window)
                closeWithoutAsking(*window);
        });
        return;
    }
    mainWindow.close();
}

} // namespace pelora
