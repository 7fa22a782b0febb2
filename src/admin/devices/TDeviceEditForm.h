#pragma once

#include "admin/devices/RowDialog.h"

#include <QStringList>

class QComboBox;

namespace pelora {

// The device dialog: the name of the device its list stands on, offered from the printers the
// spooler knows but typed freely (a printer not installed yet), and its category.
class TDeviceEditForm : public RowDialog {
    Q_OBJECT
public:
    TDeviceEditForm(RecordEditor& devices, Prompter& prompter, const QStringList& printers,
                    QWidget* parent = nullptr);

    QComboBox* cboName;
    QComboBox* cboCat;
};

} // namespace pelora
