#include "common/PictureFiles.h"

#include "common/FolderPath.h"
#include "common/Prompter.h"

#include <QFileInfo>

namespace pelora {

std::optional<QString> choosePictureName(Prompter& prompter, const QString& caption, const QString& folder,
                                         const QString& filter) {
    const std::optional<QString> file = prompter.chooseFile(caption, folder, filter);
    if (!file)
        return std::nullopt;
    QString name = QFileInfo(*file).fileName();
    if (name.size() > kPictureNameLength) {
        prompter.warning(QStringLiteral("The file name is longer than %1 characters.").arg(kPictureNameLength));
        return std::nullopt;
    }
    return name;
}

QString pictureNotInFolder(const QString& kind, const QString& fileName, const QString& imageFolder) {
    return QStringLiteral("Could not load the ") + kind + u' ' + fileName + QStringLiteral(".") + kLineBreak +
           QStringLiteral("Make sure that the bitmap is in the the folder ") + imageFolder + QStringLiteral(".");
}

std::optional<QString> choosePictureFolder(Prompter& prompter, const QString& caption, const QString& folder,
                                           int maxLength) {
    const std::optional<QString> file = prompter.chooseFile(caption, folder, kPictureFilter);
    if (!file)
        return std::nullopt;
    QString chosen = folderOfFile(*file);
    if (chosen.size() > maxLength) {
        prompter.warning(QStringLiteral("The folder name is longer than %1 characters.").arg(maxLength));
        return std::nullopt;
    }
    return chosen;
}

} // namespace pelora
