#include "admin/TMopForm.h"

#include "admin/EditorMembers.h"

namespace pelora {

TMopForm::TMopForm(db::Connection& db, Prompter& prompter, QWidget* parent)
    : TRecordEditorForm(std::make_unique<RecordEditor>(db, prompter, mopMember()), prompter, parent) {
    setObjectName(QStringLiteral("MopForm"));
    setWindowTitle(tr("Payment Methods"));
    addTextField(tr("Name :"), QStringLiteral("name"), 10, QStringLiteral("edtName"));
}

} // namespace pelora
