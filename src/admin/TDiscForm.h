#pragma once

#include "admin/TRecordEditorForm.h"

namespace pelora {

// The discount editor: name, rate, and who may give it.
class TDiscForm : public TRecordEditorForm {
    Q_OBJECT
public:
    TDiscForm(db::Connection& db, Prompter& prompter, QWidget* parent = nullptr);
};

} // namespace pelora
