#include "admin/devices/TOutputEditForm.h"

#include "admin/FieldBindings.h"
#include "ui/TouchWidgets.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace pelora {

TOutputEditForm::TOutputEditForm(RecordEditor& outputs, Prompter& prompter, QWidget* parent)
    : RowDialog(outputs, prompter, QStringLiteral("OutputEditForm"), parent) {
    edtName = new QLineEdit(grpDetails);
    edtName->setObjectName(QStringLiteral("edtName"));
    edtName->setMinimumHeight(kTouchHeight);
    bindings().bindText(edtName, QStringLiteral("name"), 20);
    fields()->addRow(namedLabel(tr("Name"), QStringLiteral("lblName"), grpDetails), edtName);
    showRow();
    resize(360, sizeHint().height());
}

} // namespace pelora
