#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace pelora {

class FieldBindings;
class Prompter;
class TabAccounts;

namespace db {
class Connection;
}

// The tab account editor: the details, credit limit and stop, discount and notes of the tab
// the tab map editor's list stands on, edited in that list's row. "Save" writes it (renaming
// the tab's buttons that still carry the old ref) and closes; "Cancel" drops the changes;
// closing otherwise asks "Save changes?". "Re-Balance" counts the tab's receipt balance.
class TTabEditForm : public QDialog {
    Q_OBJECT
public:
    TTabEditForm(TabAccounts& accounts, db::Connection& db, Prompter& prompter, QWidget* parent = nullptr);
    ~TTabEditForm() override;

    // "Save" closed the window (the map and the balance are then shown again).
    bool saved() const { return saved_; }

    void btnSaveClick();
    void btnCancelClick();
    void btnReBalanceClick();
    void reject() override;

    QGroupBox* grpDetails;
    QLineEdit* edtRef;
    QComboBox* cboCat;
    QComboBox* cboDisc;
    QLineEdit* edtBalance;
    QPushButton* btnReBalance;
    QLineEdit* edtCrLimit;
    QCheckBox* chkCrStop;
    QLineEdit* edtMessage;
    QLineEdit* edtName;
    QLineEdit* edtStreet1;
    QLineEdit* edtStreet2;
    QLineEdit* edtSuburb;
    QLineEdit* edtState;
    QLineEdit* edtPostcode;
    QLineEdit* edtHPhone;
    QLineEdit* edtWPhone;
    QLineEdit* edtMPhone;
    QLineEdit* edtEmail;
    QPlainTextEdit* memNotes;
    QPushButton* btnSave;
    QPushButton* btnCancel;

private:
    QLineEdit* text(const QString& objectName, const QString& column, int maxLength);

    TabAccounts& accounts_;
    db::Connection& db_;
    Prompter& prompter_;
    FieldBindings* fields_;
    bool saved_ = false;
    bool closing_ = false;
};

} // namespace pelora
