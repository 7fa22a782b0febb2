#include "admin/layouts/TLayoutChoiceForm.h"

#include "admin/layouts/LayoutEditing.h"
#include "common/Prompter.h"
#include "ui/GeneralError.h"
#include "ui/TouchWidgets.h"

#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace pelora {

namespace {

// Each layout's button: 40 below the one before, tall enough for a finger.
constexpr int kLeft = 5;
constexpr int kTop = 5;
constexpr int kStep = 40;
constexpr int kWidth = 220;
constexpr int kHeight = 36;

} // namespace

TLayoutChoiceForm::TLayoutChoiceForm(db::Connection& db, Prompter& prompter, const QString& pcRef, QWidget* parent)
    : QDialog(parent), db_(db), prompter_(prompter), pcRef_(pcRef) {
    setObjectName(QStringLiteral("LayoutChoiceForm"));
    setWindowTitle(tr("Layout"));
    setModal(true);

    scrLayouts = new QScrollArea(this);
    scrLayouts->setObjectName(QStringLiteral("scrLayouts"));
    auto* canvas = new QWidget(scrLayouts);
    const auto layouts = layoutsByName(db_);
    int top = kTop;
    for (const auto& [id, name] : layouts) {
        auto* button = new QPushButton(name, canvas);
        button->setObjectName(QStringLiteral("btnLayout%1").arg(id));
        button->setGeometry(kLeft, top, kWidth, kHeight);
        connect(button, &QPushButton::clicked, this, [this, layoutId = id] { chooseLayout(layoutId); });
        layoutButtons.push_back(button);
        top += kStep;
    }
    canvas->setFixedSize(kLeft * 2 + kWidth, top);
    scrLayouts->setWidget(canvas);
    scrLayouts->setWidgetResizable(false);

    btnClose = touchButton(tr("Close"), QStringLiteral("btnClose"), this);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scrLayouts, 1);
    layout->addWidget(btnClose);
    resize(kLeft * 2 + kWidth + 40, std::min(480, top + 110));
}

void TLayoutChoiceForm::chooseLayout(int layoutId) {
    if (layoutId < 1) {
        prompter_.warning(QStringLiteral("The selected Layout is invalid."));
        return;
    }
    runReportingFailures(prompter_, [this, layoutId] { switched_ = switchTerminalLayout(db_, pcRef_, layoutId); });
    accept();
}

} // namespace pelora
