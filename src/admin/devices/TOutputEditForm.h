#pragma once

#include "admin/devices/RowDialog.h"

class QLineEdit;

namespace pelora {

// The output name dialog: the name of the output its list stands on.
class TOutputEditForm : public RowDialog {
    Q_OBJECT
public:
    TOutputEditForm(RecordEditor& outputs, Prompter& prompter, QWidget* parent = nullptr);

    QLineEdit* edtName;
};

} // namespace pelora
