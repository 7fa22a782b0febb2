#include "tabs/TMapForm.h"

#include "common/Prompter.h"
#include "tabs/MapEditing.h"
#include "ui/PicturePane.h"

#include <QGroupBox>

namespace pelora {

TMapForm::TMapForm(db::Connection& db, Prompter& prompter, const QString& imageFolder, QWidget* parent)
    : TRecordEditorForm(std::make_unique<RecordEditor>(db, prompter, mapMember()), prompter, parent) {
    setObjectName(QStringLiteral("MapForm"));
    setWindowTitle(QStringLiteral("MapForm"));
    grpDetails->setTitle(tr("Maps"));
    narrowList(180); // the picture needs the room

    edtName = addTextField(tr("Name:"), QStringLiteral("name"), 20, QStringLiteral("edtName"));
    PictureRules rules;
    rules.column = QStringLiteral("filename");
    rules.imageFolder = imageFolder;
    rules.browseCaption = tr("Filename");
    // A map without a picture is a plain floor.
    rules.emptyIsNone = true;
    rules.unreadable = [&prompter, imageFolder](const QString& fileName) {
        prompter.warning(mapPictureNotFound(imageFolder + fileName));
    };
    rules.notInFolder = [&prompter, imageFolder](const QString& fileName) {
        prompter.information(mapPictureNotLoaded(fileName, imageFolder));
    };
    // The floor plan scrolls when it is larger than the window.
    const PictureField picture = addPictureField(tr("Filename:"), std::move(rules), QStringLiteral("scrMap"),
                                                 QStringLiteral("imgMap"));
    edtFileName = picture.fileName;
    btnBrowse = picture.browse;
    scrMap = picture.pane;
    imgMap = picture.pane->picture();
    resize(1000, 720);
}

} // namespace pelora
