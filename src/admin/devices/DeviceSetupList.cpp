#include "admin/devices/DeviceSetupList.h"

#include "admin/EditorMembers.h"
#include "common/Placeholders.h"
#include "common/Prompter.h"
#include "db/DbError.h"

namespace pelora {

DeviceSetupList::DeviceSetupList(db::Connection& db, Prompter& prompter, RecordEditorMember member, Rules rules)
    : RecordEditor(db, prompter, std::move(member)), rules_(std::move(rules)) {}

namespace {

constexpr int kLastSystemOutput = 100; // outputs 2 to 100 are the system's

// A list of names kept unique, with its placeholder and question.
RecordEditorMember nameMember(const QString& table, const QString& selectSql, const QString& placeholder,
                              const QString& deleteQuestion, int hiddenUpTo) {
    RecordEditorMember m;
    m.table = table;
    m.selectSql = selectSql;
    m.nameColumn = QStringLiteral("name");
    m.nameLabel = QStringLiteral("Name");
    m.placeholder = placeholder;
    m.deleteQuestion = deleteQuestion;
    m.writeFailure = uniqueWarning(QStringLiteral("Name"));
    m.hiddenUpTo = hiddenUpTo;
    return m;
}

} // namespace

std::unique_ptr<DeviceSetupList> DeviceSetupList::outputs(db::Connection& db, Prompter& prompter) {
    Rules rules;
    rules.insertQuestion = QStringLiteral("Insert new Output?");
    rules.lastSystemId = kLastSystemOutput;
    rules.notChanged = QStringLiteral("\"Check/Docket/Drawer/Z\" should not be changed.");
    rules.notDeleted = QStringLiteral("\"Check/Docket/Drawer/Z must not be deleted.");
    rules.inUse = QStringLiteral("Could not delete Output.") + kLineBreak +
                  QStringLiteral("Make sure Output is not in the OD or Item tables.");
    return std::unique_ptr<DeviceSetupList>(new DeviceSetupList(
        db, prompter,
        nameMember(QStringLiteral("output"), QStringLiteral("SELECT id, name FROM output WHERE id > 1 ORDER BY id"),
                   placeholder::kOutput, QStringLiteral("Delete Output?"), 1), // output 1, "None"
        std::move(rules)));
}

std::unique_ptr<DeviceSetupList> DeviceSetupList::devices(db::Connection& db, Prompter& prompter) {
    Rules rules;
    rules.insertQuestion = QStringLiteral("Insert new Device?");
    rules.empty = QStringLiteral("Device table is empty.");
    rules.inUse = QStringLiteral("Could not delete Device.") + kLineBreak +
                  QStringLiteral("Make sure Device is not in the OD table.");
    return std::unique_ptr<DeviceSetupList>(new DeviceSetupList(
        db, prompter,
        nameMember(QStringLiteral("device"), QStringLiteral("SELECT id, name, cat FROM device ORDER BY id"),
                   placeholder::kDevice, QStringLiteral("Delete Device?"), 0),
        std::move(rules)));
}

bool DeviceSetupList::isSystem() const { return currentId() > 1 && currentId() <= rules_.lastSystemId; }

bool DeviceSetupList::insert() {
    if (!prompter().confirm(rules_.insertQuestion))
        return false;
    return insertRow();
}

bool DeviceSetupList::mayEdit() {
    if (isEmpty())
        return false;
    if (isSystem()) {
        prompter().information(rules_.notChanged);
        return false;
    }
    return true;
}

std::optional<QString> DeviceSetupList::refusal() {
    // A system output keeps its name whatever window the edit came from.
    if (isSystem())
        return rules_.notChanged;
    return std::nullopt;
}

void DeviceSetupList::remove() {
    if (isEmpty()) {
        if (!rules_.empty.isEmpty())
            prompter().information(rules_.empty);
        return;
    }
    deleteRow();
}

bool DeviceSetupList::confirmDelete() {
    if (isSystem()) {
        prompter().information(rules_.notDeleted);
        return false;
    }
    return RecordEditor::confirmDelete();
}

bool DeviceSetupList::deleteRecord(int id) {
    try {
        return RecordEditor::deleteRecord(id);
    } catch (const db::DbError&) {
        prompter().warning(rules_.inUse);
        return false;
    }
}

} // namespace pelora
