#include "sales/TDeleteLineForm.h"

#include "ui/GeneralError.h"
#include "ui/TouchWidgets.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace pelora {

TDeleteLineForm::TDeleteLineForm(Prompter& prompter, Action one, Action all, QWidget* parent)
    : QDialog(parent), prompter_(prompter) {
    setObjectName(QStringLiteral("DeleteLineForm"));
    setWindowTitle(QStringLiteral("DeleteLineForm"));
    setModal(true);
    auto* group = new QGroupBox(tr("Delete"), this);
    group->setObjectName(QStringLiteral("grpDelete"));
    btnOne = touchButton(tr("One"), QStringLiteral("btnOne"), group);
    btnAll = touchButton(tr("All"), QStringLiteral("btnAll"), group);
    for (QPushButton* b : {btnOne, btnAll})
        b->setMinimumSize(120, 64);
    auto* row = new QHBoxLayout(group);
    row->addWidget(btnOne);
    row->addWidget(btnAll);
    btnClose = touchButton(tr("Close"), QStringLiteral("btnClose"), this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(btnClose);

    connect(btnOne, &QPushButton::clicked, this, [this, one = std::move(one)] { run(one); });
    connect(btnAll, &QPushButton::clicked, this, [this, all = std::move(all)] { run(all); });
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
}

void TDeleteLineForm::run(const Action& action) {
    bool done = false;
    runReportingFailures(prompter_, [&] { done = action(); });
    if (done)
        accept();
}

} // namespace pelora
