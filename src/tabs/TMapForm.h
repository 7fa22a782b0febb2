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

    void btnInsertClick() override;
    void btnDeleteClick() override;
    void btnBrowseClick();

    QLineEdit* edtName;
    QLineEdit* edtFileName;
    QPushButton* btnBrowse;
    QScrollArea* scrMap;
    QLabel* imgMap;

private:
    // Another map became current: its picture shows.
    void followCurrentMap();
    // Shows the current map's picture; with `warn`, a file that cannot be read is reported.
    void showPicture(bool warn);
    // Clears the picture and loads the file from the image folder (none for an empty name);
    // false when it cannot be read.
    bool loadPicture(const QString& fileName);

    Prompter& prompter_;
    QString imageFolder_;
    int shownId_ = -1; // the map whose picture shows
};

} // namespace pelora
