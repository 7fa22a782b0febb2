#pragma once

#include "app/EventLog.h"

#include <QString>

namespace pelora {

class LineLists;
class Prompter;

namespace db {
class Connection;
class StoredProc;
} // namespace db

// Deleting open lines, from the sales screen or from the admin console. The sales screen never
// deletes a line that has been sent to its output; the console may, and with stock counting on
// it then returns the line's stock. Both take list 2 first while it holds lines. Each deleted
// line leaves an entry in the exception log, in the transaction that deletes it, saying whether
// it had been sent; the stocktake tab's count lines are no sale and leave none.
class LineDeleter {
public:
    enum class Source { Sales, Admin };

    struct Context {
        LineLists& lists;
        db::StoredProc& proc;
        Prompter& prompter;
        QString pcRef;
        QString splitMode;
        QString countMode;
        int tabId = 0;
        eventlog::Actor actor{}; // who deletes, for the exception log
    };

    // What the window does next.
    struct Outcome {
        bool done = false;        // a line was deleted (or the deletion ran): the dialog closes
        bool stockChanged = false; // stock went back: the item grid is rebuilt
    };

    static Source sourceOf(const QString& mark);

    // "One": the current line of the list in use.
    static Outcome deleteOne(const Context& context, Source source);
    // "All": every line of the list in use on the current tab (the sales screen keeps the
    // processed ones). The lists are read again afterwards by the caller.
    static Outcome deleteAll(const Context& context, Source source);

    // Deletes the lines of list `n` of a tab through the database's procedures; the NonTab's and
    // the stocktake tab's lines only for this terminal. `keepProcessed` keeps the lines that
    // have been sent (count lines are never sent, so the stocktake tab loses them all).
    static void deleteTabLines(db::StoredProc& proc, int n, int tabId, const QString& pcRef, bool keepProcessed);
    // The exception log's entries for the lines deleteTabLines is about to delete; nothing for
    // the stocktake tab. `detail` follows the line's "Sent" or "Not sent".
    static void logTabLines(db::Connection& db, const eventlog::Actor& actor, int n, int tabId, const QString& pcRef,
                            bool keepProcessed, const QString& detail = {});
    // The same for one line, by id, and only while it is still unsent when `unsentOnly`.
    static void logLine(db::Connection& db, const eventlog::Actor& actor, int n, const db::Value& lineId,
                        bool unsentOnly, const QString& detail = {});
};

} // namespace pelora
