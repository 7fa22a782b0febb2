#pragma once

#include "sales/OneOrAllForm.h"

namespace pelora {

class DiscountTill;

// "Discount": "One" works on the current line of the list, "All" on every line of it. Each
// opens the discount chooser; this window stays out of sight meanwhile and closes after it.
class TDiscLineForm : public OneOrAllForm {
    Q_OBJECT
public:
    // `list` is the list the lines are on; `admin` is set when the console opens it.
    TDiscLineForm(DiscountTill& till, Prompter& prompter, int list, bool admin, QWidget* parent = nullptr);

private:
    bool openChooser(bool all);

    DiscountTill& till_;
    Prompter& prompter_;
    int list_;
    bool admin_;
};

} // namespace pelora
