#pragma once

#include "admin/layouts/LinkNameEditor.h"

#include <QDialog>

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace pelora {

class Prompter;

// The link name dialog: the name of one link, edited in place. "Save" writes it (with the
// captions of the buttons that still carry the old name) and closes; a name another link has
// keeps the dialog open. "Cancel" drops the edit; closing with an edit open asks "Save changes?".
class TLinkEditForm : public QDialog {
    Q_OBJECT
public:
    // Throws when the link is gone.
    TLinkEditForm(db::Connection& db, Prompter& prompter, int linkId, QWidget* parent = nullptr);

    // The rename written, if the name changed.
    const std::optional<LinkNameEditor::Rename>& rename() const { return editor_.rename(); }

    void btnSaveClick();
    void btnCancelClick();
    void reject() override;

    QGroupBox* grpEdit;
    QLineEdit* edtName;
    QPushButton* btnSave;
    QPushButton* btnCancel;

private:
    Prompter& prompter_;
    LinkNameEditor editor_;
};

} // namespace pelora
