#include "admin/TDiscForm.h"

#include "admin/EditorMembers.h"

namespace pelora {

TDiscForm::TDiscForm(db::Connection& db, Prompter& prompter, QWidget* parent)
    : TRecordEditorForm(std::make_unique<RecordEditor>(db, prompter, discMember()), prompter, parent) {
    setObjectName(QStringLiteral("DiscForm"));
    setWindowTitle(tr("Discounts"));
    addTextField(tr("Name :"), QStringLiteral("name"), 20, QStringLiteral("edtName"));
    addNumberField(tr("Rate :"), QStringLiteral("rate"), QStringLiteral("edtRate"));
    addCheckField(tr("Restricted to Admin"), QStringLiteral("restricted"), QStringLiteral("chkRestricted"));
    addCheckField(tr("Override Stop Discount"), QStringLiteral("stopoveride"), QStringLiteral("chkStopOveride"));
}

} // namespace pelora
