#pragma once

#include <QFileInfo>
#include <QString>

namespace pelora {

// The folder that holds a chosen file, written as the configuration keeps folders (the database
// folder, a terminal's image folder): this platform's absolute path with a final "/", so that a
// file name joins it with nothing between.
inline QString folderOfFile(const QString& file) {
    return QFileInfo(file).absolutePath() + u'/';
}

} // namespace pelora
