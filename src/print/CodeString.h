#pragma once

#include <QByteArray>
#include <QString>

namespace pelora {

// The bytes of a code string: decimal byte values separated by "#", with or without a leading
// "#" ("#27#112#0" and "27#112#0" are both ESC p NUL). Each number becomes one byte, modulo 256.
// An empty string gives no bytes. Throws PrintError when a piece is empty or not all digits
// (a string ending in "#" included).
QByteArray decodeCodes(const QString& codes);

// Why a code string cannot be decoded ("it ends in \"#\"", "\"x1\" is not a number"), or an
// empty text when it can.
QString codeStringFault(const QString& codes);

// The bytes a printer receives for a text: one byte per character (Latin-1), "?" for a
// character that has none.
QByteArray printerBytes(const QString& text);

} // namespace pelora
