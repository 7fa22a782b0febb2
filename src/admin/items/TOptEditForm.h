#pragma once

#include <QDialog>

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace pelora {

class OptionChoices;
class Prompter;

// The choice editor: one option choice's text and its cost, price and tax adjustments.
// "Update" stores them when they can be read and closes; "Cancel" closes. A failure to store
// them is reported and the window stays open with what was typed.
class TOptEditForm : public QDialog {
    Q_OBJECT
public:
    TOptEditForm(OptionChoices& choices, Prompter& prompter, QWidget* parent = nullptr);

    // Fills the fields from the current choice of the list.
    void fill();
    int choiceId() const { return id_; }

    void btnUpdateClick();

    QGroupBox* grpEditDetails;
    QLineEdit* edtChoice;
    QLineEdit* edtCost;
    QLineEdit* edtPrice;
    QLineEdit* edtTax;
    QPushButton* btnUpdate;
    QPushButton* btnCancel;

private:
    OptionChoices& choices_;
    Prompter& prompter_;
    int id_ = 0;
};

} // namespace pelora
