#include "admin/layouts/LinkNameEditor.h"

#include "admin/EditorMembers.h"
#include "db/Connection.h"

namespace pelora {

LinkNameEditor::LinkNameEditor(db::Connection& db, Prompter& prompter, int linkId)
    : RecordEditor(db, prompter, linkMember()) {
    loadWith(member().selectSql, {linkId});
}

void LinkNameEditor::write() {
    db::Connection& db = connection();
    const int id = currentId();
    const QString newName = rows().value(u"name").asText();
    db::Transaction transaction(db);
    const db::ResultData stored = db.run(QStringLiteral("SELECT name FROM link WHERE id = ?"), {id});
    const QString oldName = stored.rows.empty() ? QString() : stored.rows.front().front().asText();
    rows().post();
    if (newName != oldName)
        db.run(QStringLiteral("UPDATE li SET btncaption = ? WHERE linkidlink = ? AND btncaption = ?"),
               {newName, id, oldName});
    transaction.commit();
    if (newName != oldName)
        rename_ = Rename{oldName, newName};
}

} // namespace pelora
