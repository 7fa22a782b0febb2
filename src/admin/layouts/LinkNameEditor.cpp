#include "admin/layouts/LinkNameEditor.h"

#include "common/Prompter.h"
#include "db/Connection.h"

namespace pelora {

namespace {

RecordEditorMember linkMember() {
    RecordEditorMember m;
    m.table = QStringLiteral("link");
    m.selectSql = QStringLiteral("SELECT id, name FROM link WHERE id = ?");
    m.nameColumn = QStringLiteral("name");
    m.nameLabel = QStringLiteral("Name");
    m.placeholder = QStringLiteral("New Link");
    m.writeFailure = QStringLiteral("Could not save the changes.") + kLineBreak + QStringLiteral("Make sure Name is Unique.");
    m.keptId = 1;
    m.mustRemain = QStringLiteral("This link must remain.");
    return m;
}

} // namespace

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
