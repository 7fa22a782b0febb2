#pragma once

#include <QObject>
#include <QString>

#include <array>

class QLabel;
class QStatusBar;

namespace pelora {

// The four panels of the sales screen's status bar, 200, 150, 100 and 50 wide (wider for a text
// that would not fit): who is logged in on which terminal, the layout, the change of the last
// sale, and a spare one.
class StatusLine : public QObject {
    Q_OBJECT
public:
    static constexpr int kPanels = 4;
    static constexpr const char* kLoggedOut = "Logged Out";

    explicit StatusLine(QStatusBar* bar);

    QString text(int panel) const;
    void setText(int panel, const QString& text);
    QLabel* panel(int panel) const { return panels_.at(static_cast<std::size_t>(panel)); }

private:
    std::array<QLabel*, kPanels> panels_{};
};

} // namespace pelora
