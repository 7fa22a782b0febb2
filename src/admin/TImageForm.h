#pragma once

#include "admin/TRecordEditorForm.h"

#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;

namespace pelora {

// The picture list: the bitmaps item and tab buttons may show, each a name and a file kept by
// its name, with the bitmap shown at its own size in a scrolling area. The sales screen reads
// the pictures when it loads its settings.
class TImageForm : public TRecordEditorForm {
    Q_OBJECT
public:
    // `imageFolder` is this terminal's picture folder: the bitmaps are read from it and
    // "Browse" opens in it.
    TImageForm(db::Connection& db, Prompter& prompter, const QString& imageFolder, QWidget* parent = nullptr);

    QLineEdit* edtName;
    QLineEdit* edtFileName;
    QPushButton* btnBrowse;
    QScrollArea* scrImage;
    QLabel* imgImage;
};

} // namespace pelora
