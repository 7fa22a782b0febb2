#include "sales/ButtonFont.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QList>
#include <QStringList>

namespace pelora {

namespace {

QFontDatabase::WritingSystem writingSystem(int charsetCode) {
    switch (charsetCode) {
    case 2: return QFontDatabase::Symbol;
    case 128: return QFontDatabase::Japanese;
    case 129:
    case 130: return QFontDatabase::Korean;
    case 134: return QFontDatabase::SimplifiedChinese;
    case 136: return QFontDatabase::TraditionalChinese;
    case 161: return QFontDatabase::Greek;
    case 163: return QFontDatabase::Vietnamese;
    case 177: return QFontDatabase::Hebrew;
    case 178: return QFontDatabase::Arabic;
    case 204: return QFontDatabase::Cyrillic;
    case 222: return QFontDatabase::Thai;
    default: return QFontDatabase::Latin; // Default, Ansi, OEM, Baltic, East European, Turkish
    }
}

} // namespace

QFont itemButtonFont(const QFont& base, int charsetCode, int pointSize) {
    QFont font = base;
    if (pointSize > 0)
        font.setPointSize(pointSize);
    const QFontDatabase::WritingSystem system = writingSystem(charsetCode);
    if (system == QFontDatabase::Latin)
        return font;
    const QString family = QFontInfo(font).family();
    if (QFontDatabase::writingSystems(family).contains(system))
        return font;
    const QStringList able = QFontDatabase::families(system);
    if (!able.isEmpty())
        font.setFamily(able.first());
    return font;
}

} // namespace pelora
