#pragma once

#include "admin/RecordEditorMember.h"

#include <QString>

namespace pelora {

// The maps: the floor plans the tab buttons are placed on, each a unique name and a picture
// file kept by name. Map 1 must remain; deleting another takes its tab buttons with it and
// moves the terminals that opened on it to map 1 (`map_del_one`).
RecordEditorMember mapMember();

// The current map's picture cannot be read (`path`: the image folder followed directly by the
// file name).
QString mapPictureNotFound(const QString& path);
// A picture chosen with "Browse" cannot be read from the image folder (it was chosen elsewhere,
// or is no picture).
QString mapPictureNotLoaded(const QString& fileName, const QString& imageFolder);

} // namespace pelora
