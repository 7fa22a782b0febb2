#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QScrollArea;

namespace pelora {

// A split's picture at its natural size in a scroll box, and "Close".
class TSplitImageForm : public QDialog {
    Q_OBJECT
public:
    // Throws when the file cannot be read as a picture.
    explicit TSplitImageForm(const QString& file, QWidget* parent = nullptr);

    QScrollArea* scrImage;
    QLabel* imgSplit;
    QPushButton* btnClose;
};

} // namespace pelora
