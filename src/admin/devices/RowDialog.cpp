#include "admin/devices/RowDialog.h"

#include "admin/FieldBindings.h"
#include "admin/RecordEditor.h"
#include "ui/GeneralError.h"
#include "ui/TouchWidgets.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <stdexcept>

namespace pelora {

RowDialog::RowDialog(RecordEditor& editor, Prompter& prompter, const QString& objectName, QWidget* parent)
    : QDialog(parent), editor_(editor), prompter_(prompter), bindings_(new FieldBindings(editor, prompter, this)) {
    if (editor_.isEmpty())
        throw std::runtime_error("there is no row to edit");
    setObjectName(objectName);
    setWindowTitle(objectName);
    setModal(true);

    grpDetails = new QGroupBox(tr("Details"), this);
    grpDetails->setObjectName(QStringLiteral("grpDetails"));
    fields_ = new QFormLayout(grpDetails);
    btnSubmit = touchButton(tr("Submit"), QStringLiteral("btnSubmit"), this);
    btnClose = touchButton(tr("Close"), QStringLiteral("btnClose"), this);
    buttonBar_ = closingButtonRow({btnSubmit, btnClose});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grpDetails, 1);
    layout->addLayout(buttonBar_);

    connect(btnSubmit, &QPushButton::clicked, this, [this] { btnSubmitClick(); });
    connect(btnClose, &QPushButton::clicked, this, [this] { reject(); });
}

void RowDialog::showRow() { bindings_->showAll(); }

void RowDialog::btnSubmitClick() {
    bool saved = false;
    runReportingFailures(prompter_, [this, &saved] { saved = editor_.save(); });
    if (!saved)
        return;
    submitted_ = true;
    accept();
}

void RowDialog::reject() {
    runReportingFailures(prompter_, [this] { editor_.cancel(); });
    QDialog::reject();
}

} // namespace pelora
