#pragma once

#include "sales/OneOrAllForm.h"

namespace pelora {

// "Delete": "One" deletes the current line, "All" every line of the list in use.
class TDeleteLineForm : public OneOrAllForm {
    Q_OBJECT
public:
    TDeleteLineForm(Prompter& prompter, Action one, Action all, QWidget* parent = nullptr)
        : OneOrAllForm(QStringLiteral("DeleteLineForm"), tr("Delete"), prompter, std::move(one), std::move(all),
                       parent) {}
};

} // namespace pelora
