#include "admin/layouts/TLinkEditForm.h"

#include "ui/GeneralError.h"
#include "ui/TouchWidgets.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <stdexcept>

namespace pelora {

TLinkEditForm::TLinkEditForm(db::Connection& db, Prompter& prompter, int linkId, QWidget* parent)
    : QDialog(parent), prompter_(prompter), editor_(db, prompter, linkId) {
    if (editor_.isEmpty())
        throw std::runtime_error("the link is gone");
    setObjectName(QStringLiteral("LinkEditForm"));
    setWindowTitle(tr("Link"));
    setModal(true);

    grpEdit = new QGroupBox(tr("Edit"), this);
    grpEdit->setObjectName(QStringLiteral("grpEdit"));
    edtName = new QLineEdit(editor_.rows().value(u"name").asText(), grpEdit);
    edtName->setObjectName(QStringLiteral("edtName"));
    edtName->setMaxLength(20);
    edtName->setMinimumHeight(kTouchHeight);
    auto* fields = new QFormLayout(grpEdit);
    fields->addRow(namedLabel(tr("Name :"), QStringLiteral("lblName"), grpEdit), edtName);

    btnSave = touchButton(tr("Save"), QStringLiteral("btnSave"), this);
    btnCancel = touchButton(tr("Cancel"), QStringLiteral("btnCancel"), this);
    QHBoxLayout* bar = closingButtonRow({btnSave, btnCancel});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grpEdit);
    layout->addLayout(bar);
    resize(360, sizeHint().height());

    connect(edtName, &QLineEdit::textEdited, this, [this](const QString& text) {
        runReportingFailures(prompter_, [this, &text] { editor_.setField(QStringLiteral("name"), text); });
    });
    connect(btnSave, &QPushButton::clicked, this, [this] { btnSaveClick(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { btnCancelClick(); });
}

void TLinkEditForm::btnSaveClick() {
    bool saved = false;
    runReportingFailures(prompter_, [this, &saved] { saved = editor_.save(); });
    if (saved)
        accept();
}

void TLinkEditForm::btnCancelClick() {
    editor_.cancel();
    QDialog::reject();
}

void TLinkEditForm::reject() {
    bool mayClose = false;
    runReportingFailures(prompter_, [this, &mayClose] { mayClose = editor_.mayClose(); });
    if (mayClose)
        QDialog::reject();
}

} // namespace pelora
