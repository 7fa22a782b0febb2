#include "sales/PictureList.h"

#include "app/TerminalData.h"
#include "db/TextTable.h"

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

} // namespace pelora
