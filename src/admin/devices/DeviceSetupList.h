#pragma once

#include "admin/RecordEditor.h"

#include <memory>

namespace pelora {

// The outputs or the devices of the output and device window, each a list of names. "Insert"
// asks first, then goes to the placeholder ("New Output", "New Device") or makes it. The
// system outputs (ids 2 to 100), which the print paths find by name, are neither renamed nor
// deleted; output 1 is never listed. A row still in use (by an `od` row, or an item for an
// output) is not deleted: the database refuses and the operator is told why.
class DeviceSetupList : public RecordEditor {
public:
    static std::unique_ptr<DeviceSetupList> outputs(db::Connection& db, Prompter& prompter);
    static std::unique_ptr<DeviceSetupList> devices(db::Connection& db, Prompter& prompter);

    // "Insert": true when the list now stands on the placeholder, to be edited.
    bool insert();
    // "Edit": false (the operator told) for a row that is not to be changed.
    bool mayEdit();
    // "Delete".
    void remove();

protected:
    std::optional<QString> refusal() override;
    bool confirmDelete() override;
    bool deleteRecord(int id) override;

private:
    struct Rules {
        QString insertQuestion;
        int lastSystemId = 0; // rows up to this id are the system's (0: none)
        QString notChanged;   // an edit of a system row
        QString notDeleted;   // a delete of a system row
        QString empty;        // "Delete" on an empty list
        QString inUse;        // the database refused the delete
    };
    DeviceSetupList(db::Connection& db, Prompter& prompter, RecordEditorMember member, Rules rules);
    bool isSystem() const;

    Rules rules_;
};

} // namespace pelora
