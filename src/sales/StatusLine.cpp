#include "sales/StatusLine.h"

#include "ui/TouchWidgets.h"

#include <QLabel>
#include <QStatusBar>

#include <algorithm>

namespace pelora {

namespace {
constexpr int kWidths[StatusLine::kPanels] = {200, 150, 100, 50};
} // namespace

StatusLine::StatusLine(QStatusBar* bar) : QObject(bar) {
    const int* widths = kWidths;
    for (int i = 0; i < kPanels; ++i) {
        QLabel* panel = namedLabel(QString(), QStringLiteral("stbPanel%1").arg(i + 1), bar);
        panel->setFixedWidth(widths[i]);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        bar->addWidget(panel);
        panels_[static_cast<std::size_t>(i)] = panel;
    }
}

QString StatusLine::text(int panel) const { return this->panel(panel)->text(); }

void StatusLine::setText(int panel, const QString& text) {
    QLabel* label = this->panel(panel);
    label->setText(text);
    // A panel widens for a text that would not fit, so that the change is never cut off.
    const int needed = label->fontMetrics().horizontalAdvance(text) + 2 * label->frameWidth() + 6;
    label->setFixedWidth(std::max(kWidths[panel], needed));
}

} // namespace pelora
