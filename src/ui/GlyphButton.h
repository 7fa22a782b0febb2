#pragma once

#include <QColor>
#include <QPixmap>
#include <QPushButton>

namespace pelora {

// A run-time button of the item grid and the tab map: a caption that may wrap, and an optional
// picture left of, right of, above or below it ("L", "R", "T", "B"; anything else is left). The
// caption is shown as it stands: an "&" is a character, not a shortcut.
class GlyphButton : public QPushButton {
    Q_OBJECT
public:
    explicit GlyphButton(const QString& caption, QWidget* parent = nullptr);

    const QString& caption() const { return caption_; }
    void setPicture(const QPixmap& picture, const QString& placement);
    const QPixmap& picture() const { return picture_; }
    QChar placement() const { return placement_; }
    // A marked button is drawn amber inside a dark orange frame, its caption dark: it stands out
    // on any map picture, and its own picture stays as it is.
    void setMarked(bool marked);
    bool isMarked() const { return marked_; }
    // The amber a marked button is filled with, for whatever else shows the same mark.
    static QColor markFill();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
    QPixmap picture_;
    QChar placement_ = u'L';
    bool marked_ = false;
};

} // namespace pelora
