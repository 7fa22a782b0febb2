#include "admin/RecordEditor.h"

#include "common/Placeholders.h"
#include "common/Prompter.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "db/StoredProc.h"

namespace pelora {

namespace {

const QString kSaveChanges = QStringLiteral("Save changes?");

} // namespace

RecordEditor::RecordEditor(db::Connection& db, Prompter& prompter, RecordEditorMember member)
    : prompter_(prompter), member_(std::move(member)), rows_(db, member_.table) {
    rows_.setSql(member_.selectSql);
}

RecordEditor::~RecordEditor() = default;

void RecordEditor::load() {
    if (rows_.isOpen()) {
        rows_.cancel();
        rows_.reopen();
    } else {
        rows_.open();
    }
}

void RecordEditor::loadWith(const QString& selectSql, std::vector<db::Value> params) {
    if (rows_.isOpen())
        rows_.cancel();
    rows_.setSql(selectSql);
    rows_.open(std::move(params));
}

bool RecordEditor::locateNoCase(const QString& column, const QString& text) {
    const int c = rows_.fieldIndex(column);
    if (c < 0)
        return false;
    for (int r = 0; r < rows_.rowCount(); ++r)
        if (rows_.valueAt(r, c).asText().compare(text, Qt::CaseInsensitive) == 0)
            return moveTo(r);
    return false;
}

int RecordEditor::rowOfId(int id) const {
    const int c = rows_.fieldIndex(u"id");
    for (int r = 0; r < rows_.rowCount(); ++r)
        if (rows_.valueAt(r, c).asInt() == id)
            return r;
    return -1;
}

bool RecordEditor::locateId(int id) {
    const int r = rowOfId(id);
    return r >= 0 && moveTo(r);
}

int RecordEditor::currentId() const {
    return rows_.isEmpty() ? 0 : static_cast<int>(rows_.value(u"id").asInt());
}

QString RecordEditor::nameAt(int row) const {
    return rows_.valueAt(row, rows_.fieldIndex(member_.nameColumn)).asText();
}

void RecordEditor::setField(const QString& column, db::Value value) {
    rows_.setField(column, std::move(value));
}

bool RecordEditor::insertOrSave() {
    return isEditing() ? save() : insertRow();
}

int RecordEditor::placeholderRow() const {
    for (int r = 0; r < rows_.rowCount(); ++r)
        if (placeholder::isPlaceholder(nameAt(r), member_.placeholder))
            return r;
    return -1;
}

bool RecordEditor::insertRow() {
    if (isEditing() && !save())
        return false;
    if (const int r = placeholderRow(); r >= 0)
        return moveTo(r);
    const int id = db::StoredProc(connection()).nextId(member_.table);
    QStringList columns{QStringLiteral("id"), member_.nameColumn};
    std::vector<db::Value> values{id, member_.placeholder};
    for (const auto& [column, value] : member_.insertValues) {
        columns << column;
        values.push_back(value);
    }
    const QString marks = QStringLiteral("?, ").repeated(columns.size() - 1) + QStringLiteral("?");
    try {
        connection().run(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                             .arg(member_.table, columns.join(QStringLiteral(", ")), marks),
                         values);
    } catch (const db::DbError& failure) {
        // Another till made the placeholder since the list was read, or a find does not list
        // it: go to that one.
        if (!failure.hasCode(db::DbError::kUniqueKey))
            throw;
        return goToListed([this] { return placeholderRow(); });
    }
    return goToListed([this, id] { return rowOfId(id); });
}

bool RecordEditor::goToListed(const std::function<int()>& rowOf) {
    load();
    int r = rowOf();
    if (r < 0) {
        // A find the row does not match: every row is listed again.
        loadWith(member_.selectSql);
        r = rowOf();
    }
    return r >= 0 && moveTo(r);
}

std::optional<QString> RecordEditor::commonRefusal() const {
    const QString name = rows_.value(member_.nameColumn).asText().trimmed();
    if (name.isEmpty())
        return member_.nameLabel + QStringLiteral(" cannot be blank.");
    for (const RecordEditorMember::NumberRange& range : member_.numberRanges) {
        const db::Value& v = rows_.value(range.column);
        if (v.isNull())
            return range.message;
        const double number = v.asDouble();
        const bool taken = (number >= range.lowest && number <= range.highest) ||
                           (range.alsoTaken != 0 && number == range.alsoTaken);
        if (!taken)
            return range.message;
    }
    return std::nullopt;
}

bool RecordEditor::save() {
    if (!isEditing())
        return true;
    std::optional<QString> refused = commonRefusal();
    if (!refused)
        refused = refusal();
    if (refused) {
        prompter_.warning(*refused);
        return false;
    }
    try {
        write();
    } catch (const db::DbError& failure) {
        std::optional<QString> hidden;
        if (failure.hasCode(db::DbError::kUniqueKey))
            hidden = hiddenNameRefusal();
        prompter_.warning(hidden ? *hidden : member_.writeFailure);
        return false;
    }
    return true;
}

std::optional<QString> RecordEditor::hiddenNameRefusal() const {
    if (member_.hiddenUpTo < 1)
        return std::nullopt;
    // "Make sure Name is Unique." would send the manager looking for a row the list never shows.
    const QString name = rows_.value(member_.nameColumn).asText();
    const db::ResultData owner =
        connection().run(QStringLiteral("SELECT id FROM %1 WHERE %2 = ?").arg(member_.table, member_.nameColumn), {name});
    if (owner.rows.empty() || owner.rows.front().at(0).asInt() > member_.hiddenUpTo)
        return std::nullopt;
    return QStringLiteral("Could not save the changes.") + kLineBreak +
           QStringLiteral("\"%1\" is kept by the system: choose another %2.").arg(name, member_.nameLabel);
}

QString RecordEditor::nameAsRead() const {
    const db::Query& read = rows_;
    return read.Query::valueAt(read.row(), read.fieldIndex(member_.nameColumn)).asText();
}

std::optional<RecordEditor::Rename> RecordEditor::writeRenamingButtons(const QString& buttonTable,
                                                                       const QString& ownerColumn) {
    Rename rename{nameAsRead(), rows_.value(member_.nameColumn).asText()};
    if (rename.newName == rename.oldName) {
        rows_.post();
        return std::nullopt;
    }
    db::Transaction transaction(connection());
    rename.buttons = connection()
                         .run(QStringLiteral("UPDATE %1 SET btncaption = ? WHERE %2 = ? AND btncaption = ?")
                                  .arg(buttonTable, ownerColumn),
                              {rename.newName, currentId(), rename.oldName})
                         .rowsAffected;
    rows_.post();
    transaction.commit();
    return rename;
}

void RecordEditor::cancel() { rows_.cancel(); }

void RecordEditor::deleteOrCancel() {
    if (isEditing())
        cancel();
    else
        deleteRow();
}

void RecordEditor::deleteRow() {
    if (isEmpty()) {
        prompter_.warning(member_.nothingToDelete);
        return;
    }
    if (member_.keptId > 0 && currentId() == member_.keptId) {
        prompter_.warning(member_.mustRemain);
        return;
    }
    if (!confirmDelete())
        return;
    const int id = currentId();
    if (!deleteRecord(id))
        return;
    load();
    deleted(id);
}

bool RecordEditor::confirmDelete() { return prompter_.confirm(member_.deleteQuestion); }

bool RecordEditor::deleteRecord(int id) {
    db::StoredProc proc(connection());
    proc.setName(member_.table + QStringLiteral("_del_one"));
    proc.setParam(0, id);
    proc.execute();
    return true;
}

bool RecordEditor::leaveEdit() {
    if (!isEditing())
        return true;
    if (member_.askOnNavigate && !prompter_.confirm(kSaveChanges)) {
        cancel();
        return true;
    }
    return save();
}

bool RecordEditor::move(Move where) {
    // The edit is written even where there is no row to move to (Next on the last row).
    if (isEmpty() || !leaveEdit())
        return false;
    const int last = rows_.rowCount() - 1;
    switch (where) {
    case Move::First:
        return rows_.moveTo(0);
    case Move::Prior:
        return rows_.moveTo(std::max(0, rows_.row() - 1));
    case Move::Next:
        return rows_.moveTo(std::min(last, rows_.row() + 1));
    case Move::Last:
        return rows_.moveTo(last);
    }
    return false;
}

bool RecordEditor::moveTo(int row) {
    if (row == rows_.row() && !isEmpty())
        return true;
    if (!leaveEdit())
        return false;
    return rows_.moveTo(row);
}

bool RecordEditor::settleEdit() {
    if (!isEditing())
        return true;
    if (prompter_.confirm(kSaveChanges))
        return save();
    cancel();
    return true;
}

bool RecordEditor::mayClose() {
    if (!settleEdit())
        return false;
    rows_.close();
    return true;
}

} // namespace pelora
