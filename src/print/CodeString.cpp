#include "print/CodeString.h"

#include "print/Spooler.h"

#include <functional>

namespace pelora {

namespace {

constexpr qsizetype kMostDigits = 9; // more would not fit the integer a piece is read into

// Why a piece between the "#"s is no byte value, or an empty text.
QString pieceFault(QStringView piece) {
    if (piece.isEmpty())
        return QStringLiteral("it ends in \"#\"");
    for (QChar c : piece)
        if (c < u'0' || c > u'9')
            return QStringLiteral("\"%1\" is not a number").arg(piece);
    if (piece.size() > kMostDigits)
        return QStringLiteral("\"%1\" has more than %2 digits").arg(piece).arg(kMostDigits);
    return {};
}

// Walks the pieces of a code string: `take` gets each one in order, and stops the walk with
// the fault of a piece that is no byte value.
QString walkPieces(const QString& codes, const std::function<void(QStringView)>& take) {
    if (codes.isEmpty())
        return {};
    QStringView rest(codes);
    const auto piece = [&take](QStringView p) {
        QString fault = pieceFault(p);
        if (fault.isEmpty())
            take(p);
        return fault;
    };
    for (qsizetype hash = rest.indexOf(u'#'); hash >= 0; hash = rest.indexOf(u'#')) {
        if (hash > 0)
            if (QString fault = piece(rest.first(hash)); !fault.isEmpty())
                return fault;
        rest = rest.sliced(hash + 1);
    }
    return piece(rest);
}

} // namespace

QByteArray decodeCodes(const QString& codes) {
    QByteArray bytes;
    const QString fault =
        walkPieces(codes, [&bytes](QStringView piece) { bytes += static_cast<char>(piece.toInt() % 256); });
    if (!fault.isEmpty())
        throw PrintError(QStringLiteral("\"%1\" is not a valid code string: %2.").arg(codes, fault));
    return bytes;
}

QString codeStringFault(const QString& codes) {
    return walkPieces(codes, [](QStringView) {});
}

QByteArray printerBytes(const QString& text) { return text.toLatin1(); }

} // namespace pelora
