#pragma once

#include "sales/OneOrAllForm.h"

namespace pelora {

// "Move": "One" moves the current line, "All" every line of the list in use, once the operator
// has picked the tab they go to.
class TTabMoveForm : public OneOrAllForm {
    Q_OBJECT
public:
    TTabMoveForm(Prompter& prompter, Action one, Action all, QWidget* parent = nullptr)
        : OneOrAllForm(QStringLiteral("TabMoveForm"), tr("Move"), prompter, std::move(one), std::move(all),
                       parent) {}
};

} // namespace pelora
