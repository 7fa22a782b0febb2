#include "tabs/TMapForm.h"

#include "common/PictureFiles.h"
#include "common/Prompter.h"
#include "tabs/MapEditing.h"
#include "ui/TouchWidgets.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace pelora {

TMapForm::TMapForm(db::Connection& db, Prompter& prompter, const QString& imageFolder, QWidget* parent)
    : TRecordEditorForm(std::make_unique<RecordEditor>(db, prompter, mapMember()), prompter, parent),
      prompter_(prompter), imageFolder_(imageFolder) {
    setObjectName(QStringLiteral("MapForm"));
    setWindowTitle(QStringLiteral("MapForm"));
    grpDetails->setTitle(tr("Maps"));
    narrowList(180); // the picture needs the room

    edtName = addTextField(tr("Name:"), QStringLiteral("name"), 20, QStringLiteral("edtName"));
    edtFileName = new QLineEdit(grpDetails);
    edtFileName->setObjectName(QStringLiteral("edtFileName"));
    edtFileName->setMinimumHeight(kTouchHeight - 8);
    bindText(edtFileName, QStringLiteral("filename"), kPictureNameLength);
    btnBrowse = touchButton(tr("Browse"), QStringLiteral("btnBrowse"), grpDetails);
    connect(btnBrowse, &QPushButton::clicked, this, [this] { btnBrowseClick(); });
    auto* file = new QHBoxLayout;
    file->addWidget(edtFileName, 1);
    file->addWidget(btnBrowse);
    static_cast<QFormLayout*>(grpDetails->layout())->addRow(tr("Filename:"), file);

    // The picture at its own size; the area scrolls over a floor plan larger than the window.
    scrMap = new QScrollArea(this);
    scrMap->setObjectName(QStringLiteral("scrMap"));
    scrMap->setWidgetResizable(false);
    imgMap = new QLabel;
    imgMap->setObjectName(QStringLiteral("imgMap"));
    imgMap->resize(0, 0);
    scrMap->setWidget(imgMap);
    QVBoxLayout* details = detailsColumn();
    delete details->takeAt(details->count() - 1); // the room under the group goes to the picture
    details->addWidget(scrMap, 1);
    resize(1000, 720);

    connect(&editor().rows(), &db::RowSet::scrolled, this, [this] { followCurrentMap(); });
}

void TMapForm::followCurrentMap() {
    if (editor().rows().isOpen() && editor().currentId() != shownId_)
        showPicture(true);
}

void TMapForm::showPicture(bool warn) {
    shownId_ = editor().currentId();
    const QString fileName = editor().isEmpty() ? QString() : editor().rows().value(u"filename").asText();
    if (!loadPicture(fileName) && warn)
        prompter_.warning(mapPictureNotFound(imageFolder_ + fileName));
}

bool TMapForm::loadPicture(const QString& fileName) {
    imgMap->clear();
    imgMap->resize(0, 0);
    if (fileName.isEmpty())
        return true;
    QPixmap picture;
    if (!picture.load(imageFolder_ + fileName))
        return false;
    imgMap->setPixmap(picture);
    imgMap->resize(picture.size());
    return true;
}

void TMapForm::btnInsertClick() {
    const bool saving = editor().isEditing();
    TRecordEditorForm::btnInsertClick();
    if (saving && !editor().isEditing())
        showPicture(true); // the saved file name
}

void TMapForm::btnDeleteClick() {
    const bool cancelling = editor().isEditing();
    TRecordEditorForm::btnDeleteClick();
    if (cancelling && !editor().isEditing())
        showPicture(false); // the file name as it was, whether or not it can be read
}

void TMapForm::btnBrowseClick() {
    const std::optional<QString> name = browsePicture(edtFileName, QStringLiteral("filename"), tr("Filename"), imageFolder_);
    if (name && !loadPicture(*name))
        prompter_.information(mapPictureNotLoaded(edtFileName->text(), imageFolder_));
}

} // namespace pelora
