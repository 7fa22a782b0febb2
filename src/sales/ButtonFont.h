#pragma once

#include <QFont>

namespace pelora {

// The font of the item buttons: the layout's size in points (the screen's own size when 0) and
// a family that can write the layout's character set, for the sets a Latin font lacks.
QFont itemButtonFont(const QFont& base, int charsetCode, int pointSize);

} // namespace pelora
