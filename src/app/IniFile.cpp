#include "app/IniFile.h"

#include "app/Scramble.h"

#include <QByteArrayList>
#include <QFile>
#include <QSaveFile>

namespace pelora {

namespace {

constexpr char kHexMarker = '\x1f';

QByteArray encodePasswordLine(const QString& password) {
    const QByteArray scrambled = ScrambleText(password.toUtf8());
    const bool unsafe = scrambled.contains('\r') || scrambled.contains('\n') ||
                        scrambled.startsWith(kHexMarker);
    if (!unsafe)
        return scrambled;
    return QByteArray(1, kHexMarker).append(scrambled.toHex());
}

QString decodePasswordLine(const QByteArray& line) {
    QByteArray scrambled = line;
    if (line.startsWith(kHexMarker))
        scrambled = QByteArray::fromHex(line.mid(1));
    return QString::fromUtf8(UnscrambleText(scrambled));
}

} // namespace

std::optional<IniSettings> IniFile::read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;

    QByteArrayList lines = content.split('\n');
    for (QByteArray& line : lines)
        if (line.endsWith('\r'))
            line.chop(1);
    auto line = [&](int n) { return n <= lines.size() ? lines[n - 1] : QByteArray(); };

    IniSettings s;
    s.password = decodePasswordLine(line(2));
    s.pcRef = QString::fromUtf8(line(4));
    s.dbPath = QString::fromUtf8(line(6));
    return s;
}

bool IniFile::write(const IniSettings& settings, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArrayList lines = {"[app_pelora]", encodePasswordLine(settings.password),
                                  "[PCRef]",      settings.pcRef.toUtf8(),
                                  "[DBPath]",     settings.dbPath.toUtf8()};
    for (const QByteArray& line : lines)
        file.write(line + "\r\n");
    return file.commit();
}

QString IniFile::databasePath(const QString& dbPath) {
    return dbPath + QStringLiteral("pelora.gdb");
}

} // namespace pelora
