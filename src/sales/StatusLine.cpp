#include "sales/StatusLine.h"

#include "ui/TouchWidgets.h"

#include <QLabel>
#include <QStatusBar>

namespace pelora {

StatusLine::StatusLine(QStatusBar* bar) : QObject(bar) {
    const int widths[kPanels] = {200, 150, 100, 50};
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

void StatusLine::setText(int panel, const QString& text) { this->panel(panel)->setText(text); }

} // namespace pelora
