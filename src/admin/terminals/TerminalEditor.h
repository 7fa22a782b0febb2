#pragma once

#include "admin/layouts/LayoutEditing.h"
#include "admin/RecordEditor.h"

#include <QString>
#include <vector>

namespace pelora {

// The terminals: one `pc` row per till, found by the PCRef of its pelora.ini. Terminal 1 must
// remain: a till whose PCRef has no row runs with its settings.
RecordEditorMember pcMember();

// The terminal's settings chosen from a group of captions, each storing one character, in the
// order of the window.
const std::vector<LayoutModeChoice>& terminalModeChoices();

// The terminal editor's rows. Deleting the row of the till the editor runs on first says what
// that does to this till; a refresh rate typed that is not a whole number of seconds keeps the
// row from being written. A new terminal, saved with its PCRef for the first time, is offered
// a copy of this till's outputs and devices, written with it: a till without its `od` rows
// cannot send its orders.
class TerminalEditor : public RecordEditor {
public:
    // `pcRef` is the PCRef this till runs as.
    TerminalEditor(db::Connection& db, Prompter& prompter, const QString& pcRef);

    const QString& pcRef() const { return pcRef_; }
    // Goes to this till's own row (its PCRef in any letter case); false when it has none.
    bool locateOwnRow();
    // The text typed into "Refresh Rate" as it stands: while it is not a whole number of
    // seconds (blank is allowed: no rate), the row is not written.
    void typedRefreshRate(const QString& text);

    // The question asked before this till's own row is deleted.
    static QString ownRowQuestion(const QString& pcRef);
    // The offer made when a new terminal is first saved.
    static QString copyDevicesQuestion(const QString& pcRef, const QString& newRef);

protected:
    std::optional<QString> refusal() override;
    bool confirmDelete() override;
    void write() override;

private:
    QString pcRef_;
    bool rateUnreadable_ = false;
};

} // namespace pelora
