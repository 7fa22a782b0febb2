#include "admin/items/TOptEditForm.h"

#include "admin/items/OptionChoices.h"
#include "common/Money.h"
#include "ui/GeneralError.h"
#include "ui/TouchWidgets.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pelora {

namespace {

QLineEdit* field(QFormLayout* form, const QString& label, const QString& objectName, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(objectName);
    edit->setMinimumHeight(kTouchHeight - 8);
    form->addRow(label, edit);
    return edit;
}

} // namespace

TOptEditForm::TOptEditForm(OptionChoices& choices, Prompter& prompter, QWidget* parent)
    : QDialog(parent), choices_(choices), prompter_(prompter) {
    setObjectName(QStringLiteral("OptForm"));
    setWindowTitle(tr("Option Choice"));
    setModal(true);
    resize(420, 300);

    grpEditDetails = new QGroupBox(tr("Edit Details"), this);
    grpEditDetails->setObjectName(QStringLiteral("grpEditDetails"));
    auto* form = new QFormLayout(grpEditDetails);
    edtChoice = field(form, tr("Choice :"), QStringLiteral("edtChoice"), grpEditDetails);
    edtChoice->setMaxLength(20);
    edtCost = field(form, tr("Cost:"), QStringLiteral("edtCost"), grpEditDetails);
    edtPrice = field(form, tr("Price :"), QStringLiteral("edtPrice"), grpEditDetails);
    edtTax = field(form, tr("Tax :"), QStringLiteral("edtTax"), grpEditDetails);

    btnUpdate = touchButton(tr("Update"), QStringLiteral("btnUpdate"), this);
    btnCancel = touchButton(tr("Cancel"), QStringLiteral("btnCancel"), this);
    QHBoxLayout* bar = closingButtonRow({btnUpdate, btnCancel});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grpEditDetails);
    layout->addLayout(bar);

    connect(btnUpdate, &QPushButton::clicked, this, [this] { btnUpdateClick(); });
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TOptEditForm::fill() {
    const db::Query& rows = choices_.rows();
    id_ = choices_.currentId();
    edtChoice->setText(rows.value(u"choice").asText());
    edtCost->setText(moneyText(rows.value(u"cost").asDouble()));
    edtPrice->setText(moneyText(rows.value(u"price").asDouble()));
    edtTax->setText(moneyText(rows.value(u"tax").asDouble()));
    edtChoice->setFocus();
    edtChoice->selectAll();
}

void TOptEditForm::btnUpdateClick() {
    bool stored = false;
    runReportingFailures(prompter_, [this, &stored] {
        stored = choices_.update(id_, edtChoice->text(), edtCost->text(), edtPrice->text(), edtTax->text());
    });
    if (stored)
        accept();
}

} // namespace pelora
