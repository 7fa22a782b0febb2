#pragma once

#include <QString>

#include <optional>

namespace pelora {

class Prompter;

// Pictures (map floor plans, layout backgrounds, split pictures) are kept by file name only, in
// columns of 20 characters, and read from each terminal's image folder followed directly by
// the name.
constexpr int kPictureNameLength = 20;

// The file dialog's filter for the JPEG and bitmap pictures, in either letter case.
inline const QString kPictureFilter = QStringLiteral("JPEG and Bitmap files (*.jpg *.jpeg *.bmp *.JPG *.JPEG *.BMP)");
// The filter of the bitmaps buttons show, in either letter case.
inline const QString kBitmapFilter = QStringLiteral("Bitmap files (*.bmp *.BMP)");

// "Browse": the operator picks a picture, starting in `folder`; its name without the folder is
// given. Nothing is given when the dialog is cancelled, or when the name is longer than the
// column holds: the operator is warned, since a name cut short would name another file.
std::optional<QString> choosePictureName(Prompter& prompter, const QString& caption, const QString& folder,
                                         const QString& filter = kPictureFilter);

// A picture kept by name cannot be read from the image folder: "Could not load the <kind> "
// (an "image", a "bitmap"), the name, and where it should lie.
QString pictureNotInFolder(const QString& kind, const QString& fileName, const QString& imageFolder);

// "Browse" for a terminal's image folder: the operator picks one of its pictures, starting in
// `folder`; the folder holding it is given, with a final "/". Nothing is given when the dialog is
// cancelled, or when the folder is longer than `maxLength`: the operator is warned, since a
// folder cut short would be another folder.
std::optional<QString> choosePictureFolder(Prompter& prompter, const QString& caption, const QString& folder,
                                           int maxLength);

} // namespace pelora
