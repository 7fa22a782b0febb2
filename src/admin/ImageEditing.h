#pragma once

#include "admin/RecordEditorMember.h"

#include <QString>

namespace pelora {

// The pictures that item and tab buttons may show: each a name and a bitmap kept by its file
// name, which every terminal reads from its own image folder. A new picture starts without a
// file; deleting one takes it off the buttons that showed it (`image_del_one`).
RecordEditorMember imageMember();

// A picture's bitmap cannot be read from the image folder (shown, saved or chosen with
// "Browse").
QString bitmapNotLoaded(const QString& fileName, const QString& imageFolder);

} // namespace pelora
