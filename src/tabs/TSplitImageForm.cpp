#include "tabs/TSplitImageForm.h"

#include "ui/PicturePane.h"
#include "ui/TouchWidgets.h"

#include <QPushButton>
#include <QVBoxLayout>

#include <stdexcept>

namespace pelora {

TSplitImageForm::TSplitImageForm(const QString& file, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("SplitImageForm"));
    setWindowTitle(QStringLiteral("SplitImageForm"));
    setModal(true);
    resize(640, 480);

    auto* pane = new PicturePane(QStringLiteral("scrImage"), QStringLiteral("imgSplit"), this);
    if (!pane->load(file))
        throw std::runtime_error("The picture cannot be read: " + file.toStdString());
    scrImage = pane;
    imgSplit = pane->picture();

    btnClose = touchButton(tr("Close"), QStringLiteral("btnClose"), this);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scrImage, 1);
    layout->addWidget(btnClose, 0, Qt::AlignRight);
}

} // namespace pelora
