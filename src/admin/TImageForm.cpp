#include "admin/TImageForm.h"

#include "admin/ImageEditing.h"
#include "common/Prompter.h"
#include "ui/PicturePane.h"

namespace pelora {

TImageForm::TImageForm(db::Connection& db, Prompter& prompter, const QString& imageFolder, QWidget* parent)
    : TRecordEditorForm(std::make_unique<RecordEditor>(db, prompter, imageMember()), prompter, parent) {
    setObjectName(QStringLiteral("ImageForm"));
    setWindowTitle(QStringLiteral("ImageForm"));
    narrowList(180); // the bitmap needs the room

    edtName = addTextField(tr("Name:"), QStringLiteral("name"), 20, QStringLiteral("edtName"));
    PictureRules rules;
    rules.column = QStringLiteral("filename");
    rules.imageFolder = imageFolder;
    rules.browseCaption = tr("Bitmap FileName");
    rules.filter = kBitmapFilter;
    // A picture is its bitmap: a row without one is told, as a missing file is.
    rules.emptyIsNone = false;
    rules.unreadable = [&prompter, imageFolder](const QString& fileName) {
        prompter.information(bitmapNotLoaded(fileName, imageFolder));
    };
    rules.notInFolder = rules.unreadable;
    const PictureField picture = addPictureField(tr("Bitmap FileName:"), std::move(rules), QStringLiteral("scrImage"),
                                                 QStringLiteral("imgImage"));
    edtFileName = picture.fileName;
    btnBrowse = picture.browse;
    scrImage = picture.pane;
    imgImage = picture.pane->picture();
    resize(820, 560);
}

} // namespace pelora
