#include "ui/FormOpener.h"

namespace pelora {

QString cannotOpenMessage(const char* className) {
    QString name = QString::fromLatin1(className);
    name = name.mid(name.lastIndexOf(u':') + 1); // without the namespace
    if (name.startsWith(u'T'))
        name.remove(0, 1);
    return QStringLiteral("Cannot open ") + name + u'.';
}

} // namespace pelora
