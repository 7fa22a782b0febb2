#pragma once

#include <QString>
#include <QStringView>

namespace pelora {

// A flag column holds "T" or "F". Tests compare with one letter exactly: null, empty and any
// other text count as the other value.
inline bool isTrue(QStringView flag) { return flag == u"T"; }
inline bool isFalse(QStringView flag) { return flag == u"F"; }
inline QString flagText(bool on) { return on ? QStringLiteral("T") : QStringLiteral("F"); }

} // namespace pelora
