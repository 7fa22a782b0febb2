#include "app/ConnectionCheck.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Pelora"));
    QTextStream out(stdout);
    return pelora::checkConnection(out);
}
