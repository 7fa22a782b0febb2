#include "ui/PlacementEditor.h"

#include "ui/TouchWidgets.h"

#include <QGridLayout>
#include <QLabel>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace pelora {

CaptionGroup::CaptionGroup(QWidget* window) : QGroupBox(tr("Button"), window) {
    setObjectName(QStringLiteral("grpButton"));
    edtCaption = new QLineEdit(this);
    edtCaption->setObjectName(QStringLiteral("edtCaption"));
    edtCaption->setMaxLength(20);
    btnSave = touchButton(tr("Save"), QStringLiteral("btnSave"), this);
    btnDelBtn = touchButton(tr("Del Btn"), QStringLiteral("btnDelBtn"), this);
    btnHelp = touchButton(tr("Help"), QStringLiteral("btnHelp"), this);
    btnClose = touchButton(tr("Close"), QStringLiteral("btnClose"), this);
    connect(btnClose, &QPushButton::clicked, window, &QWidget::close);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->addWidget(namedLabel(tr("Change Caption To"), QStringLiteral("lblCaption"), this), 0, 0, 1, 2);
    grid->addWidget(edtCaption, 0, 2, 1, 2);
    grid->addWidget(btnSave, 1, 0);
    grid->addWidget(btnDelBtn, 1, 1);
    grid->addWidget(btnHelp, 1, 2);
    grid->addWidget(btnClose, 1, 3);
}

FindGroup::FindGroup(QWidget* parent) : QGroupBox(tr("Find Item"), parent) {
    setObjectName(QStringLiteral("grpFind"));
    edtFind = new QLineEdit(this);
    edtFind->setObjectName(QStringLiteral("edtFind"));
    edtFind->setMaxLength(20);
    btnFind = touchButton(tr("Find"), QStringLiteral("btnFind"), this);
    btnAll = touchButton(tr("All"), QStringLiteral("btnAll"), this);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 2, 4, 2);
    row->addWidget(edtFind, 1);
    row->addWidget(btnFind);
    row->addWidget(btnAll);
}

QComboBox* pictureSideList(QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QStringLiteral("cboImageLrtb"));
    box->addItems({QStringLiteral("L"), QStringLiteral("R"), QStringLiteral("T"), QStringLiteral("B")});
    box->setCurrentIndex(-1);
    return box;
}

void layOutPlacementEditor(QWidget& window, std::initializer_list<QWidget*> groups, QWidget* lists, int height) {
    constexpr int kWidth = 340;
    constexpr int kNarrowestButton = 40;
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(2);
    for (QWidget* group : groups)
        layout->addWidget(group);
    layout->addWidget(lists, 1);
    for (QPushButton* b : window.findChildren<QPushButton*>())
        b->setMinimumWidth(kNarrowestButton);
    window.resize(kWidth, height);
}

void showAtTopRight(QWidget& tool, const QWidget& over) {
    const QPoint topRight = over.mapToGlobal(QPoint(over.width(), 0));
    tool.move(std::max(0, topRight.x() - tool.width()), topRight.y());
    tool.show();
}

} // namespace pelora
