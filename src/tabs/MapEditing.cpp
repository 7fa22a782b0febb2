#include "tabs/MapEditing.h"

#include "admin/EditorMembers.h"
#include "common/PictureFiles.h"
#include "common/Placeholders.h"

namespace pelora {

RecordEditorMember mapMember() {
    RecordEditorMember m;
    m.table = QStringLiteral("map");
    m.selectSql = QStringLiteral("SELECT id, name, filename FROM map ORDER BY id");
    m.nameColumn = QStringLiteral("name");
    m.nameLabel = QStringLiteral("Name");
    m.placeholder = placeholder::kMap;
    m.nothingToDelete = QStringLiteral("There are no maps to delete.");
    m.deleteQuestion = QStringLiteral("Delete the map record?");
    m.writeFailure = uniqueWarning(QStringLiteral("Name"));
    m.keptId = 1;
    m.mustRemain = QStringLiteral("This Map must remain.");
    m.helpLines = {QStringLiteral("Maps are the background images used in the Tab Form."),
                   QStringLiteral("Keep the images as small as possible to minimise a performance hit."),
                   QStringLiteral("Remember that the path to these images is stored in the PC Form."),
                   QStringLiteral("File names - including the .jpg extension - must not exceed 20 characters.")};
    return m;
}

QString mapPictureNotFound(const QString& path) {
    return QStringLiteral("File ") + path + QStringLiteral(" not found. Check the image path in PC.");
}

QString mapPictureNotLoaded(const QString& fileName, const QString& imageFolder) {
    return pictureNotInFolder(QStringLiteral("image"), fileName, imageFolder);
}

} // namespace pelora
