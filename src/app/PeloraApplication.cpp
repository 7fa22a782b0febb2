#include "app/PeloraApplication.h"

#include "ui/GeneralError.h"

#include <QFont>
#include <QStyleFactory>

#include <cstdio>

namespace pelora {

PeloraApplication::PeloraApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Pelora"));
    setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont font = QApplication::font();
    font.setPointSize(11);
    setFont(font);
}

bool PeloraApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& failure) {
        if (prompter_)
            reportFailure(*prompter_, failure);
        else
            std::fprintf(stderr, "%s\n", failure.what());
    }
    return false;
}

} // namespace pelora
