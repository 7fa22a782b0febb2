#include "admin/devices/TDeviceEditForm.h"

#include "admin/FieldBindings.h"
#include "ui/TouchWidgets.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>

namespace pelora {

TDeviceEditForm::TDeviceEditForm(RecordEditor& devices, Prompter& prompter, const QStringList& printers,
                                 QWidget* parent)
    : RowDialog(devices, prompter, QStringLiteral("DeviceEditForm"), parent) {
    cboName = new QComboBox(grpDetails);
    cboName->setObjectName(QStringLiteral("cboName"));
    cboName->setMinimumHeight(kTouchHeight);
    bindings().bindOfferedText(cboName, QStringLiteral("name"), printers, 50);
    cboCat = new QComboBox(grpDetails);
    cboCat->setObjectName(QStringLiteral("cboCat"));
    cboCat->setMinimumHeight(kTouchHeight);
    std::vector<FieldBindings::Choice> categories;
    for (const char* cat : {"P", "D", "L"})
        categories.push_back({QString::fromLatin1(cat), QString::fromLatin1(cat)});
    bindings().bindCombo(cboCat, QStringLiteral("cat"), categories);
    fields()->addRow(namedLabel(tr("Name"), QStringLiteral("lblName"), grpDetails), cboName);
    fields()->addRow(namedLabel(tr("Cat"), QStringLiteral("lblCat"), grpDetails), cboCat);
    showRow();
    resize(420, sizeHint().height());
}

} // namespace pelora
