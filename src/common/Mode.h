#pragma once

#include <QStringView>

namespace pelora {

// A mode is a one-character digit code of a terminal or layout setting ("0", "1", "2", ...).
inline bool modeIs(QStringView mode, char code) {
    return mode.size() == 1 && mode.front() == QLatin1Char(code);
}

// The digit of a mode, or -1 for an empty or malformed mode.
inline int modeNumber(QStringView mode) {
    if (mode.size() != 1)
        return -1;
    const char16_t c = mode.front().unicode();
    return c >= u'0' && c <= u'9' ? c - u'0' : -1;
}

} // namespace pelora
