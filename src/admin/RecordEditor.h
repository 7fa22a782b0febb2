#pragma once

#include "admin/RecordEditorMember.h"
#include "db/RowSet.h"

#include <functional>
#include <optional>

namespace pelora {

class Prompter;

// The one record editor of the back office, without its window: the rows of a member's table,
// the edit of the current row and the rules every editor keeps. "Insert" finds the placeholder
// (in any letter case) before it makes a new row; while a row is being edited "Insert" saves
// and "Delete" cancels; a failed write keeps the edit open with the member's warning; leaving
// an edited row writes it first (or asks, for the members that ask); closing asks
// "Save changes?". A member with rules of its own extends it (`refusal`).
class RecordEditor {
public:
    enum class Move { First, Prior, Next, Last };

    RecordEditor(db::Connection& db, Prompter& prompter, RecordEditorMember member);
    virtual ~RecordEditor();
    RecordEditor(const RecordEditor&) = delete;
    RecordEditor& operator=(const RecordEditor&) = delete;

    const RecordEditorMember& member() const { return member_; }
    db::RowSet& rows() { return rows_; }
    const db::RowSet& rows() const { return rows_; }
    db::Connection& connection() const { return rows_.connection(); }
    Prompter& prompter() const { return prompter_; }

    // Reads the member's rows again, staying on the same row where it still exists.
    void load();
    // Lists other rows of the member's table (a find): the statement and its parameters stay
    // for every later load.
    void loadWith(const QString& selectSql, std::vector<db::Value> params = {});
    // Goes to the first row whose column equals the text in any letter case; false when none.
    bool locateNoCase(const QString& column, const QString& text);
    bool locateId(int id);
    int currentId() const;
    bool isEmpty() const { return rows_.isEmpty(); }
    bool isEditing() const { return rows_.isEditing(); }
    // The list's caption of a row.
    QString nameAt(int row) const;

    // A typed value: the current row goes into edit.
    void setField(const QString& column, db::Value value);

    // "Insert" (or "Save" while editing). True when the editor now stands on a row to type in.
    bool insertOrSave();
    // Goes to the placeholder row among the rows listed (a find may hide one), making it when
    // there is none; a new row is always listed. True when it stands on it.
    bool insertRow();
    // Writes the edit; on a refusal or a failed write the operator is told, the edit stays
    // open and false is returned.
    bool save();
    // "Delete" (or "Cancel" while editing).
    void deleteOrCancel();
    void cancel();
    // Deletes the current row after the member's refusals and question.
    void deleteRow();

    // Navigation; the edit is written first (or the member asks). False when the editor stays.
    bool move(Move where);
    bool moveTo(int row);
    // An edit is written or dropped as the operator answers "Save changes?"; false when the
    // write failed and the edit stays open.
    bool settleEdit();
    // The window is closing: an edit is settled as above; false keeps the window open.
    bool mayClose();

protected:
    // Writes the edited row; a member that writes more with it (the buttons of a renamed item)
    // does so in one transaction. Throws DbError on a failed write, the edit still open.
    virtual void write() { rows_.post(); }
    // Writes the edited row, and when its name changed, the captions of its buttons that still
    // read the old name (`btncaption` of the `buttonTable` rows whose `ownerColumn` is the row's
    // id) in the same transaction: a caption set otherwise was set so on purpose, and a refused
    // write changes neither. The rename, or none when the name stayed.
    struct Rename {
        QString oldName;
        QString newName;
        long long buttons = 0; // captions that followed
    };
    std::optional<Rename> writeRenamingButtons(const QString& buttonTable, const QString& ownerColumn);
    // The current row's name as it was read, before the edit.
    QString nameAsRead() const;
    // A member's refusal of the edited row before it is written: the warning, or nothing.
    virtual std::optional<QString> refusal() { return std::nullopt; }
    // The operator agrees to delete the current row: the member's question; a member with
    // rules of its own refuses or asks more.
    virtual bool confirmDelete();
    // Deletes the row through the member's procedure; false when the database refused and
    // nothing was deleted (the member has told the operator).
    virtual bool deleteRecord(int id);
    // The current row was deleted (its id) and the rows read again.
    virtual void deleted(int /*id*/) {}
    // Before the rows are left for others (a move, a find): an edit is written or dropped as
    // the member's rule says. False when the editor stays (a write that failed).
    bool leaveEdit();

    // The warning for a name one of the system's hidden rows holds, or none.
    std::optional<QString> hiddenNameRefusal() const;

private:
    std::optional<QString> commonRefusal() const;
    int placeholderRow() const;
    int rowOfId(int id) const;
    // Reads the rows again and goes to the row `rowOf` finds, listing every row when the rows
    // shown (a find) do not hold it.
    bool goToListed(const std::function<int()>& rowOf);

    Prompter& prompter_;
    RecordEditorMember member_;
    db::RowSet rows_;
};

} // namespace pelora
