#include "print/CodeString.h"

#include "print/Spooler.h"

namespace pelora {

namespace {

char codeByte(const QString& codes, QStringView piece) {
    bool digits = !piece.isEmpty() && piece.size() <= 9;
    for (QChar c : piece)
        digits = digits && c >= u'0' && c <= u'9';
    if (!digits)
        throw PrintError(QStringLiteral("\"%1\" is not a valid code string.").arg(codes));
    return static_cast<char>(piece.toInt() % 256);
}

} // namespace

QByteArray decodeCodes(const QString& codes) {
    QByteArray bytes;
    if (codes.isEmpty())
        return bytes;
    QStringView rest(codes);
    for (qsizetype hash = rest.indexOf(u'#'); hash >= 0; hash = rest.indexOf(u'#')) {
        if (hash > 0)
            bytes += codeByte(codes, rest.first(hash));
        rest = rest.sliced(hash + 1);
    }
    bytes += codeByte(codes, rest);
    return bytes;
}

QByteArray printerBytes(const QString& text) { return text.toLatin1(); }

} // namespace pelora
