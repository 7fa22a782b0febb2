#include "sales/ButtonPlacement.h"

#include <algorithm>

namespace pelora::ButtonPlacement {

QStringList steps() {
    return {QStringLiteral("1"),  QStringLiteral("2"),  QStringLiteral("5"),  QStringLiteral("10"),
            QStringLiteral("20"), QStringLiteral("50"), QStringLiteral("100")};
}

int stepOf(const QString& chosen) {
    bool ok = false;
    const int step = chosen.trimmed().toInt(&ok);
    if (!ok)
        return kDefaultStep;
    return std::clamp(step, 1, 100);
}

Box moved(const Box& box, Move how, int step, const Bounds& bounds) {
    Box b = box;
    switch (how) {
    case Move::Left: b.left = std::max(0, b.left - step); break;
    case Move::Right: b.left += step; break;
    case Move::Up: b.top = std::max(0, b.top - step); break;
    case Move::Down: b.top += step; break;
    case Move::Narrower: b.width = std::max(bounds.minWidth, b.width - step); break;
    case Move::Wider: b.width += step; break;
    case Move::Lower: b.height = std::max(bounds.minHeight, b.height - step); break;
    case Move::Higher: b.height += step; break;
    }
    return b;
}

QPoint dropped(QPoint topLeft) { return {std::max(0, topLeft.x()), std::max(0, topLeft.y())}; }

} // namespace pelora::ButtonPlacement
