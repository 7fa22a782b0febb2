#include "admin/StaffEditor.h"

#include "admin/EditorMembers.h"
#include "app/StaffList.h"
#include "common/Prompter.h"

namespace pelora {

StaffEditor::StaffEditor(db::Connection& db, Prompter& prompter) : RecordEditor(db, prompter, staffMember()) {}

std::optional<QString> StaffEditor::refusal() {
    const QString pin = rows().value(u"pword").asText();
    const QString ownId = QString::number(currentId());
    db::TextTable others;
    const db::TextTable staff = loadStaffList(connection());
    for (const db::TextTable::TextRow& row : staff.rows())
        if (row.at(StaffId) != ownId)
            others.append(row);
    if (const std::optional<QString> owner = staffRefForPassword(others, pin))
        return QStringLiteral("The PIN is already used by %1.").arg(*owner) + kLineBreak +
               QStringLiteral("The PIN must be unique for every staff member.");
    return std::nullopt;
}

} // namespace pelora
