#pragma once

#include "admin/TRecordEditorForm.h"

#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;

namespace pelora {

// The map editor: each map's name and picture file, with the picture shown at its own size in
// a scrolling area. The sales screen reads the maps when it loads its settings.
class TMapForm : public TRecordEditorForm {
    Q_OBJECT
public:
    // `imageFolder` is this terminal's picture folder: the pictures are read from it and
    // "Browse" opens in it.
    TMapForm(db::Connection& db, Prompter& prompter, const QString& imageFolder, QWidget* parent = nullptr);

    QLineEdit* edtName;
    QLineEdit* edtFileName;
    QPushButton* btnBrowse;
    QScrollArea* scrMap;
    QLabel* imgMap;
};

} // namespace pelora
