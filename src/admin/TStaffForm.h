#pragma once

#include "admin/TRecordEditorForm.h"

namespace pelora {

// The staff editor: who logs in, with which PIN.
class TStaffForm : public TRecordEditorForm {
    Q_OBJECT
public:
    TStaffForm(db::Connection& db, Prompter& prompter, QWidget* parent = nullptr);
};

} // namespace pelora
