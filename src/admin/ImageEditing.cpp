#include "admin/ImageEditing.h"

#include "common/PictureFiles.h"
#include "common/Placeholders.h"

namespace pelora {

RecordEditorMember imageMember() {
    RecordEditorMember m;
    m.table = QStringLiteral("image");
    m.selectSql = QStringLiteral("SELECT id, name, filename FROM image ORDER BY id");
    m.nameColumn = QStringLiteral("name");
    m.nameLabel = QStringLiteral("Name");
    m.placeholder = placeholder::kImage;
    m.insertValues = {{QStringLiteral("filename"), QString()}};
    m.nothingToDelete = QStringLiteral("There are no Image records to delete.");
    m.deleteQuestion = QStringLiteral("Delete the Image record?");
    // Two pictures may share a name: a write fails only when the database cannot take it.
    m.writeFailure = QStringLiteral("Could not save the changes.");
    m.helpLines = {
        QStringLiteral("To add images (Glyphs) to the Item and Tab buttons, you must first add the bitmaps to this form."),
        QStringLiteral("Keep the images as small as possible to minimise a performance hit."),
        QStringLiteral("Remember that the path to these images is stored in the PC Form."),
        QStringLiteral("Browse to the desired image and click save to keep the image."),
        QStringLiteral("File names - including the .bmp extension - must not exceed 20 characters.")};
    return m;
}

QString bitmapNotLoaded(const QString& fileName, const QString& imageFolder) {
    return pictureNotInFolder(QStringLiteral("bitmap"), fileName, imageFolder);
}

} // namespace pelora
