#include "ui/MovementsGroup.h"

#include "ui/TouchWidgets.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace pelora {

namespace {

constexpr int kArrowHeight = 36;

QPushButton* arrow(const QString& caption, const QString& tip, const QString& objectName, QWidget* parent) {
    QPushButton* b = touchButton(caption, objectName, parent);
    b->setMinimumHeight(kArrowHeight);
    b->setToolTip(tip);
    b->setAccessibleName(tip);
    return b;
}

} // namespace

MovementsGroup::MovementsGroup(QWidget* parent) : QGroupBox(tr("Movements"), parent) {
    setObjectName(QStringLiteral("grpMovements"));
    btnLeft = arrow(QStringLiteral("\u2190"), tr("Left"), QStringLiteral("btnLeft"), this);
    btnRight = arrow(QStringLiteral("\u2192"), tr("Right"), QStringLiteral("btnRight"), this);
    btnUp = arrow(QStringLiteral("\u2191"), tr("Up"), QStringLiteral("btnUp"), this);
    btnDown = arrow(QStringLiteral("\u2193"), tr("Down"), QStringLiteral("btnDown"), this);
    btnNarrower = arrow(QStringLiteral("\u2192\u2190"), tr("Narrower"), QStringLiteral("btnNarrower"), this);
    btnWider = arrow(QStringLiteral("\u2190\u2192"), tr("Wider"), QStringLiteral("btnWider"), this);
    btnLower = arrow(QStringLiteral("\u2193\u2191"), tr("Lower"), QStringLiteral("btnLower"), this);
    btnHigher = arrow(QStringLiteral("\u2191\u2193"), tr("Higher"), QStringLiteral("btnHigher"), this);
    cboStep = new QComboBox(this);
    cboStep->setObjectName(QStringLiteral("cboStep"));
    cboStep->setEditable(true);
    cboStep->setInsertPolicy(QComboBox::NoInsert);
    cboStep->addItems(ButtonPlacement::steps());
    cboStep->setCurrentText(QString::number(ButtonPlacement::kDefaultStep));
    lblPosition = namedLabel(QString(), QStringLiteral("lblPosition"), this);
    lblWidth = namedLabel(QString(), QStringLiteral("lblWidth"), this);
    lblHeight = namedLabel(QString(), QStringLiteral("lblHeight"), this);
    lblPosition->setToolTip(tr("Left,Top"));
    for (QLabel* l : {lblPosition, lblWidth, lblHeight})
        l->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->setSpacing(2);
    using Move = ButtonPlacement::Move;
    const std::pair<QPushButton*, Move> order[] = {
        {btnLeft, Move::Left},         {btnRight, Move::Right}, {btnUp, Move::Up},       {btnDown, Move::Down},
        {btnNarrower, Move::Narrower}, {btnWider, Move::Wider}, {btnLower, Move::Lower}, {btnHigher, Move::Higher}};
    for (int i = 0; i < 8; ++i) {
        const auto [button, how] = order[i];
        grid->addWidget(button, i / 4, (i % 4) * 2, 1, 2);
        connect(button, &QPushButton::clicked, this, [this, how] { Q_EMIT moveAsked(how, step()); });
    }
    grid->addWidget(namedLabel(tr("Step"), QStringLiteral("lblStep"), this), 2, 0);
    grid->addWidget(cboStep, 2, 1, 1, 2);
    grid->addWidget(lblPosition, 2, 3, 1, 5);
    grid->addWidget(namedLabel(tr("Width"), QStringLiteral("lblWidthCaption"), this), 3, 0, 1, 2);
    grid->addWidget(lblWidth, 3, 2, 1, 2);
    grid->addWidget(namedLabel(tr("Height"), QStringLiteral("lblHeightCaption"), this), 3, 4, 1, 2);
    grid->addWidget(lblHeight, 3, 6, 1, 2);
    // A typed step is read when the typing is done, so that "50" can be typed through "5".
    connect(cboStep, &QComboBox::activated, this, [this] { step(); });
    connect(cboStep->lineEdit(), &QLineEdit::editingFinished, this, [this] { step(); });
}

int MovementsGroup::step() {
    const int step = ButtonPlacement::stepOf(cboStep->currentText());
    const QString shown = QString::number(step);
    if (cboStep->currentText() != shown)
        cboStep->setCurrentText(shown);
    return step;
}

void MovementsGroup::showBox(const ButtonPlacement::Box& box) {
    lblPosition->setText(QStringLiteral("%1,%2").arg(box.left).arg(box.top));
    lblWidth->setText(QString::number(box.width));
    lblHeight->setText(QString::number(box.height));
}

void MovementsGroup::clearBox() {
    lblPosition->clear();
    lblWidth->clear();
    lblHeight->clear();
}

} // namespace pelora
