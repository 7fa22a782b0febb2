#pragma once

#include "admin/RecordEditor.h"

#include <optional>

namespace pelora {

// The name of one link, as the link name dialog edits it. A new name is written together with
// the captions of the buttons that open the link and still carry its old name, in one
// transaction: a name another link has (the write fails) changes neither.
class LinkNameEditor : public RecordEditor {
public:
    LinkNameEditor(db::Connection& db, Prompter& prompter, int linkId);

    struct Rename {
        QString oldName;
        QString newName;
    };
    // The rename the last save wrote, if the name changed.
    const std::optional<Rename>& rename() const { return rename_; }

protected:
    void write() override;

private:
    std::optional<Rename> rename_;
};

} // namespace pelora
