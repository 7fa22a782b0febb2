#include "sales/OneOrAllForm.h"

#include "ui/GeneralError.h"
#include "ui/TouchWidgets.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace pelora {

OneOrAllForm::OneOrAllForm(const QString& name, const QString& group, Prompter& prompter, Action one,
                           Action all, QWidget* parent)
    : QDialog(parent), prompter_(prompter) {
    setObjectName(name);
    setWindowTitle(name);
    setModal(true);
    auto* box = new QGroupBox(group, this);
    box->setObjectName(QStringLiteral("grp") + group);
    btnOne = touchButton(tr("One"), QStringLiteral("btnOne"), box);
    btnAll = touchButton(tr("All"), QStringLiteral("btnAll"), box);
    for (QPushButton* b : {btnOne, btnAll})
        b->setMinimumSize(120, 64);
    auto* row = new QHBoxLayout(box);
    row->addWidget(btnOne);
    row->addWidget(btnAll);
    btnClose = touchButton(tr("Close"), QStringLiteral("btnClose"), this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addWidget(btnClose);

    connect(btnOne, &QPushButton::clicked, this, [this, one = std::move(one)] { run(one); });
    connect(btnAll, &QPushButton::clicked, this, [this, all = std::move(all)] { run(all); });
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
}

void OneOrAllForm::run(const Action& action) {
    bool done = false;
    runReportingFailures(prompter_, [&] { done = action(); });
    if (done)
        accept();
}

} // namespace pelora
