#pragma once

#include "admin/RecordEditor.h"

namespace pelora {

// The staff editor's rows. The login takes the first staff member whose PIN was typed, so two
// staff with one PIN would put the wrong name on every line: a PIN another row has (compared
// as the login compares, in any letter case) is refused.
class StaffEditor : public RecordEditor {
public:
    StaffEditor(db::Connection& db, Prompter& prompter);

protected:
    std::optional<QString> refusal() override;
};

} // namespace pelora
