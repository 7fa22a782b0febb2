#include "sales/PictureList.h"

#include "app/TerminalData.h"
#include "db/TextTable.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace pelora {

void PictureList::load(const db::TextTable& rows, const QString& imagePath) {
    pictures_.clear();
    pictures_.reserve(static_cast<std::size_t>(rows.rowCount()));
    for (int r = 0; r < rows.rowCount(); ++r) {
        Picture p;
        p.imageId = rows.at(r, PictureId).toInt();
        p.index = r;
        p.fileName = rows.at(r, PictureFileName);
        if (!p.fileName.isEmpty())
            p.bitmap.load(imagePath + p.fileName);
        pictures_.push_back(std::move(p));
    }
}

const PictureList::Picture* PictureList::find(int imageId) const {
    for (const Picture& p : pictures_)
        if (p.imageId == imageId)
            return &p;
    return nullptr;
}

void offerPictures(QComboBox& box, const PictureList& pictures, bool glyphs) {
    const QSignalBlocker quiet(&box);
    box.clear();
    box.setEnabled(glyphs);
    if (!glyphs)
        return;
    box.addItem(QObject::tr("No Graphic"));
    for (int i = 0; i < pictures.count(); ++i)
        box.addItem(pictures.at(i).fileName);
    box.setCurrentIndex(-1);
}

void showPictureChoice(QComboBox& box, const PictureList& pictures, std::optional<int> imageId) {
    if (!box.isEnabled())
        return;
    const QSignalBlocker quiet(&box);
    const PictureList::Picture* picture = imageId ? pictures.find(*imageId) : nullptr;
    box.setCurrentIndex(picture ? picture->index + 1 : 0);
}

std::optional<int> pictureOfChoice(const PictureList& pictures, int index) {
    if (index <= 0 || index > pictures.count())
        return std::nullopt;
    return pictures.at(index - 1).imageId;
}

} // namespace pelora
