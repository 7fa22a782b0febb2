#pragma once

#include <QPixmap>
#include <QString>

#include <optional>
#include <vector>

class QComboBox;

namespace pelora {

namespace db {
class TextTable;
}

// The pictures buttons may show, loaded once when the terminal settings load: one bitmap per
// `image` row from the images folder. A file that fails to load leaves an empty bitmap.
class PictureList {
public:
    struct Picture {
        int imageId = 0;
        int index = 0; // the bitmap's position in the list
        QString fileName;
        QPixmap bitmap;
    };

    // `rows` holds id and filename of each image; `imagePath` is put in front of each name.
    void load(const db::TextTable& rows, const QString& imagePath);
    void clear() { pictures_.clear(); }

    int count() const { return static_cast<int>(pictures_.size()); }
    const Picture& at(int index) const { return pictures_.at(static_cast<std::size_t>(index)); }
    // The picture of an image id, or null when the list has none.
    const Picture* find(int imageId) const;

private:
    std::vector<Picture> pictures_;
};

// The picture list of the editors that place buttons: "No Graphic", then the file name of each
// picture. Off, and empty, when the layout shows no pictures (`glyphs` false).
void offerPictures(QComboBox& box, const PictureList& pictures, bool glyphs);
// Shows a button's picture in that list: "No Graphic" for none or an image the list lacks.
void showPictureChoice(QComboBox& box, const PictureList& pictures, std::optional<int> imageId);
// The image of an entry of that list; none for "No Graphic".
std::optional<int> pictureOfChoice(const PictureList& pictures, int index);

} // namespace pelora
