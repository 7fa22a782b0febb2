#include "app/TSplashForm.h"

#include <QApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

namespace pelora {

namespace {

constexpr int kWidth = 480;
constexpr int kPictureHeight = 280;

QPixmap splashPicture() {
    QPixmap picture(kWidth, kPictureHeight);
    QPainter p(&picture);
    QLinearGradient sky(0, 0, 0, kPictureHeight);
    sky.setColorAt(0, QColor(0x1d, 0x2b, 0x3a));
    sky.setColorAt(1, QColor(0x0b, 0x11, 0x18));
    p.fillRect(picture.rect(), sky);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe0, 0x9f, 0x3e));
    p.drawEllipse(QPoint(kWidth / 2, 96), 34, 34); // a coaster
    p.setBrush(QColor(0x1d, 0x2b, 0x3a));
    p.drawEllipse(QPoint(kWidth / 2, 96), 22, 22);
    p.setPen(Qt::white);
    QFont title = p.font();
    title.setPointSize(34);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRect(0, 140, kWidth, 60), Qt::AlignCenter, QStringLiteral("Pelora"));
    QFont line = p.font();
    line.setPointSize(11);
    line.setBold(false);
    p.setFont(line);
    p.setPen(QColor(0xc8, 0xd0, 0xd8));
    p.drawText(QRect(0, 200, kWidth, 30), Qt::AlignCenter,
               QCoreApplication::translate("TSplashForm", "Starting the till..."));
    return picture;
}

} // namespace

// An ordinary window without a frame, so that the password box and the messages of the start-up
// come up over it.
TSplashForm::TSplashForm(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("SplashForm"));
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("imgSplash"));
    picture->setPixmap(splashPicture());
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("pbrSplash"));
    progress_->setRange(0, 100);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(picture);
    layout->addWidget(progress_);
    setFixedSize(kWidth, kPictureHeight + 14);
}

void TSplashForm::advance(int step) {
    progress_->setValue(std::min(100, progress_->value() + step));
    paintNow();
}

int TSplashForm::progress() const { return progress_->value(); }

void TSplashForm::showNow() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    show();
    paintNow();
}

void TSplashForm::paintNow() {
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace pelora
