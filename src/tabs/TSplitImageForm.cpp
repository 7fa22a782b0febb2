#include "tabs/TSplitImageForm.h"

#include "ui/TouchWidgets.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <stdexcept>

namespace pelora {

TSplitImageForm::TSplitImageForm(const QString& file, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("SplitImageForm"));
    setWindowTitle(QStringLiteral("SplitImageForm"));
    setModal(true);
    resize(640, 480);

    QPixmap picture;
    if (!picture.load(file))
        throw std::runtime_error("The picture cannot be read: " + file.toStdString());

    scrImage = new QScrollArea(this);
    scrImage->setObjectName(QStringLiteral("scrImage"));
    imgSplit = new QLabel;
    imgSplit->setObjectName(QStringLiteral("imgSplit"));
    imgSplit->setPixmap(picture);
    imgSplit->resize(picture.size());
    scrImage->setWidget(imgSplit);
    scrImage->setWidgetResizable(false);

    btnClose = touchButton(tr("Close"), QStringLiteral("btnClose"), this);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scrImage, 1);
    layout->addWidget(btnClose, 0, Qt::AlignRight);
}

} // namespace pelora
