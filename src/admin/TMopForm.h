#pragma once

#include "admin/TRecordEditorForm.h"

namespace pelora {

// The payment-method editor: the names the payment chooser offers.
class TMopForm : public TRecordEditorForm {
    Q_OBJECT
public:
    TMopForm(db::Connection& db, Prompter& prompter, QWidget* parent = nullptr);
};

} // namespace pelora
