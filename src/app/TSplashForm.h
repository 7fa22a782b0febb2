#pragma once

#include <QWidget>

class QProgressBar;

namespace pelora {

// The window shown while the till starts: a picture and a progress bar from 0 to 100.
class TSplashForm : public QWidget {
    Q_OBJECT
public:
    explicit TSplashForm(QWidget* parent = nullptr);

    void advance(int step);
    int progress() const;
    // Shows it centred on the screen and paints it at once.
    void showNow();
    void paintNow();

private:
    QProgressBar* progress_;
};

} // namespace pelora
