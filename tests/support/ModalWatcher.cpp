#include "ModalWatcher.h"

#include <QApplication>
#include <QTimer>

namespace pelora::test {

void whenModalOpens(std::function<void(QWidget*)> act) { whenModalOpens(QString(), std::move(act)); }

void whenModalOpens(const QString& objectName, std::function<void(QWidget*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, objectName, act = std::move(act)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || (!objectName.isEmpty() && modal->objectName() != objectName))
            return;
        timer->stop();
        timer->deleteLater();
        act(modal);
    });
    timer->start();
}

} // namespace pelora::test
