#pragma once

#include "sales/LineDiscounts.h"
#include "ui/ChoiceColumn.h"

#include <QDialog>

#include <vector>

class QPushButton;

namespace pelora {

class DiscountTill;
class Prompter;

// The discount chooser: a button per discount offered ("^" marks one that also takes the lines
// of items that refuse discounts). A touch puts that discount on the line or lines the scope
// dialog named; "Reset" gives them their tab's or split's discount; "Close" changes nothing.
class TDiscChoiceForm : public QDialog {
    Q_OBJECT
public:
    struct Target {
        int list = 0;           // the list the lines are on
        bool admin = false;     // opened from the admin console: restricted discounts too
        LineDiscounts::Scope scope = LineDiscounts::Scope::One;
    };

    TDiscChoiceForm(DiscountTill& till, Prompter& prompter, const Target& target, QWidget* parent = nullptr);

    void buttontag(QPushButton* button);
    void btnResetClick();

    const Target& target() const { return target_; }
    const std::vector<QPushButton*>& discButtons() const { return column_.buttons(); }
    QPushButton* discButton(const QString& caption) const;

    QPushButton* btnReset;
    QPushButton* btnClose;

private:
    DiscountTill& till_;
    Prompter& prompter_;
    Target target_;
    ChoiceColumn column_;
    std::vector<DiscountOffer> offers_;
};

} // namespace pelora
