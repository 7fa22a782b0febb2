#include "tabs/TabAccounts.h"

#include "admin/EditorMembers.h"
#include "common/Money.h"
#include "common/Placeholders.h"
#include "common/Prompter.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "db/LikePattern.h"
#include "db/StoredProc.h"

namespace pelora {

namespace {

RecordEditorMember tabMember() {
    RecordEditorMember m;
    m.table = QStringLiteral("tab");
    m.selectSql = tabSelect({});
    m.nameColumn = QStringLiteral("ref");
    m.nameLabel = QStringLiteral("\"Ref\"");
    m.placeholder = placeholder::kTab;
    m.hiddenUpTo = 2; // the NonTab and the stocktake tab
    m.nothingToDelete = QStringLiteral("There are no maps to delete.");
    m.deleteQuestion = QStringLiteral("Delete the tab record?");
    m.writeFailure = uniqueWarning(QStringLiteral("Ref"));
    m.helpLines = {
        QStringLiteral("To add a button to the map, double click the desired Tab in the grid below."),
        QStringLiteral("New buttons are added in the top left corner of the screen - beware of existing buttons hiding "
                       "new buttons from view."),
        QStringLiteral("The key to modifing buttons is to click the one you want edit, then make the changes.")};
    return m;
}

} // namespace

QString tabSelect(const QString& condition) {
    return QStringLiteral("SELECT id, ref, cat, balance, crlimit, crstop, crmessage, discid, name, street1, street2,"
                          " suburb, state, postcode, hphone, wphone, mphone, email, notes FROM tab WHERE id > 2") +
           (condition.isEmpty() ? QString() : QStringLiteral(" AND ") + condition) +
           QStringLiteral(" ORDER BY ref, id");
}

TabAccounts::TabAccounts(db::Connection& db, Prompter& prompter) : RecordEditor(db, prompter, tabMember()) {}

bool TabAccounts::find(const QString& text) {
    if (text.isEmpty()) {
        prompter().information(QStringLiteral("Enter a Tab Ref to search for.") + kLineBreak +
                               QStringLiteral("You can enter part of the name."));
        return false;
    }
    if (!leaveEdit())
        return false;
    loadWith(tabSelect(QStringLiteral("UPPER(ref) LIKE ? ESCAPE '\\'")), {db::containingPattern(text)});
    return true;
}

bool TabAccounts::showAll() {
    if (!leaveEdit())
        return false;
    loadWith(member().selectSql);
    return true;
}

void TabAccounts::write() {
    const std::optional<Rename> rename = writeRenamingButtons(QStringLiteral("tm"), QStringLiteral("tabid"));
    if (rename && renamed)
        renamed(rename->oldName, rename->newName, rename->buttons);
}

TabAccounts::Held TabAccounts::held(int tabId) const {
    const db::ResultData found =
        connection().run(QStringLiteral("SELECT (SELECT COUNT(*) FROM tabline1 WHERE tabid = t.id)"
                                        " + (SELECT COUNT(*) FROM tabline2 WHERE tabid = t.id),"
                                        " COALESCE(t.tendered, 0) FROM tab t WHERE t.id = ?"),
                         {tabId});
    Held h;
    if (!found.rows.empty()) {
        h.lines = found.rows.front()[0].asInt();
        h.tendered = found.rows.front()[1].asDouble();
    }
    return h;
}

bool TabAccounts::refuseHeld(int tabId) {
    const Held h = held(tabId);
    if (!h.any())
        return false;
    const QString ref = rows().value(u"ref").asText();
    QString what;
    if (h.lines > 0)
        what = h.lines == 1 ? QStringLiteral("1 open line") : QStringLiteral("%1 open lines").arg(h.lines);
    if (h.tendered != 0)
        what += (what.isEmpty() ? QString() : QStringLiteral(" and ")) + QStringLiteral("a pre-tendered amount of ") +
                moneyText(h.tendered);
    prompter().warning(ref + QStringLiteral(" holds ") + what + QStringLiteral(" and cannot be deleted.") + kLineBreak +
                       QStringLiteral("Pay or move them first."));
    return true;
}

bool TabAccounts::confirmDelete() {
    const int id = currentId();
    if (id <= 2) {
        prompter().warning(QStringLiteral("This Tab must remain."));
        return false;
    }
    if (refuseHeld(id) || !prompter().confirm(member().deleteQuestion))
        return false;
    const double balance = rows().value(u"balance").asDouble();
    return balance == 0 ||
           prompter().confirm(rows().value(u"ref").asText() + QStringLiteral(" has a non-zero balance.") + kLineBreak +
                              QStringLiteral("Are you sure you want to delete?"));
}

bool TabAccounts::deleteRecord(int id) {
    try {
        return RecordEditor::deleteRecord(id);
    } catch (const db::DbError& failure) {
        // Another till put a line on the tab while the operator was answering.
        if (!failure.hasCode(db::DbError::kUserException) || !refuseHeld(id))
            throw;
        return false;
    }
}

void TabAccounts::deleted(int id) {
    if (deletedTab)
        deletedTab(id);
}

} // namespace pelora
