#include "admin/TStaffForm.h"

#include "admin/StaffEditor.h"

namespace pelora {

TStaffForm::TStaffForm(db::Connection& db, Prompter& prompter, QWidget* parent)
    : TRecordEditorForm(std::make_unique<StaffEditor>(db, prompter), prompter, parent) {
    setObjectName(QStringLiteral("StaffForm"));
    setWindowTitle(tr("Staff"));
    addTextField(tr("Ref :"), QStringLiteral("ref"), 20, QStringLiteral("edtRef"));
    addTextField(tr("PIN:"), QStringLiteral("pword"), 10, QStringLiteral("edtPword"));
    addTextField(tr("First Name:"), QStringLiteral("fname"), 20, QStringLiteral("edtFName"));
    addTextField(tr("Last Name:"), QStringLiteral("lname"), 20, QStringLiteral("edtLName"));
}

} // namespace pelora
