#pragma once

#include "db/Value.h"

#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

namespace pelora {

// What one master-data editor edits and says: its table and the rows it lists, the placeholder
// a new row starts as, its messages and its help. The editor takes a new id from
// `<table>id_gen` and deletes through `<table>_del_one`.
struct RecordEditorMember {
    QString table;       // "mop"
    QString selectSql;   // the rows the list shows, with `id` and every field of the window
    QString nameColumn;  // the list's one column, which also holds the placeholder
    QString nameLabel;   // "Name" in "Name cannot be blank."
    QString placeholder; // "New MOP": the name a new row starts with
    // Columns a new row is given besides `id` and the name ("rate" 0 for a discount).
    std::vector<std::pair<QString, db::Value>> insertValues;

    QString nothingToDelete; // "There are no mops to delete."
    QString deleteQuestion;  // "Delete the mop record?"
    QString writeFailure;    // shown when a write fails (a duplicate name)
    int keptId = 0;          // a row that must remain (0: none)
    // The system's own rows the editor never lists: ids 1 to this (0: none), such as the
    // account method "Account". A name one of them holds is refused as theirs, not as taken.
    int hiddenUpTo = 0;
    QString mustRemain;      // "This Staff record must remain."

    // A number the row cannot be written without, and its bounds.
    struct NumberRange {
        QString column;
        double lowest = 0;
        double highest = 0;
        QString message;      // "Rate must be a number from 0 to 100, or 101 to delete the lines."
        double alsoTaken = 0; // a value outside the bounds with a meaning of its own (0: none)
    };
    std::vector<NumberRange> numberRanges;

    // The item and layout editors ask "Save changes?" before leaving an edited row; the others
    // write it.
    bool askOnNavigate = false;
    QStringList helpLines;
};

} // namespace pelora
