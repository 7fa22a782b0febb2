#include "ui/FormOpener.h"

namespace pelora {

QString formName(const char* className) {
    QString name = QString::fromLatin1(className);
    name = name.mid(name.lastIndexOf(u':') + 1); // without the namespace
    if (name.startsWith(u'T'))
        name.remove(0, 1);
    return name;
}

QString cannotOpenMessage(const char* className) { return QStringLiteral("Cannot open ") + formName(className) + u'.'; }

} // namespace pelora
