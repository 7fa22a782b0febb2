#pragma once

#include "db/RowSet.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace pelora {

class Prompter;

namespace db {
class StoredProc;
class TextTable;
} // namespace db

// The splits as the split editor keeps them: a live list of `split` rows in ref order, and the
// rules for writing one. A split's ref is the marker on the open lines of every tab and till,
// and its message goes out with those lines, so a new ref or message is carried to the lines
// in the same transaction that writes the split: a refused write leaves lines and split as
// they were.
class SplitRecords {
public:
    // The row "Insert" makes (or goes to, when it is there).
    static const QString kPlaceholder;
    // The ref that stands for the lines without a split.
    static const QString kReserved;

    SplitRecords(db::Connection& db, db::StoredProc& proc, Prompter& prompter);

    db::RowSet& rows() { return rows_; }
    const db::RowSet& rows() const { return rows_; }
    // The current split's ref, as typed while it is edited; empty when the list is empty.
    QString currentRef() const;

    // Called after open lines took a new ref or message, so that line lists on screen are read
    // again.
    void setLinesChanged(std::function<void()> linesChanged) { linesChanged_ = std::move(linesChanged); }

    // Every split, by ref; the split with `selectRef` is current when it is listed.
    void showAll(const QString& selectRef = {});
    // The splits whose ref contains the text, in any letter case, by ref.
    void find(const QString& text);

    // The choices of the "Cat:" list: one empty entry, then the distinct categories in order.
    QStringList categories() const;
    // The discount picker's rows: id, name, rate by id; restricted ones only when `all`.
    db::TextTable discounts(bool all) const;
    enum DiscountColumn { DiscId, DiscName, DiscRate };

    // Writes the edited split. Refused (the record stays in edit, nothing written) for the
    // reserved or a blank ref, for a ref an account tab has unless the operator agrees, and
    // when the database rejects the row (a ref another split has). True when there was no edit.
    bool save();
    // "Insert": every split listed, and the placeholder row current, made when there is none.
    // False when it could not be made.
    bool insert();
    // "Delete": asks, then deletes the current split through the server and reads the list
    // again. True when it was deleted.
    bool remove();
    // "Copy to Tab": saves an edit first, asks, and adds an account tab with the split's ref and
    // details. The ref when the tab was added.
    std::optional<QString> copyToTab();

    // Whether an account tab (not the NonTab or the stocktake tab) has this ref, in any letter
    // case.
    bool accountTabHas(const QString& ref) const;

private:
    QString edited(QStringView column) const;
    QString stored(QStringView column) const;
    long long updateLines(const QString& assignment, const db::Value& value, const QString& ref);
    void restoreEdit(const std::vector<db::Value>& typed);
    void openAt(const QString& where, std::vector<db::Value> params);

    db::Connection& db_;
    db::StoredProc& proc_;
    Prompter& prompter_;
    db::RowSet rows_;
    std::function<void()> linesChanged_;
};

} // namespace pelora
