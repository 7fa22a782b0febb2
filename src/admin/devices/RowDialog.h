#pragma once

#include <QDialog>

class QFormLayout;
class QGroupBox;
class QHBoxLayout;
class QPushButton;

namespace pelora {

class FieldBindings;
class Prompter;
class RecordEditor;

// A dialog of the output and device window that edits the row its list stands on: group
// "Details" with the fields bound to the row's columns, "Submit" and "Close". "Submit" writes
// the row and closes; a refused or failed write keeps the dialog open with everything typed.
// Closing without "Submit" drops the edit.
class RowDialog : public QDialog {
    Q_OBJECT
public:
    RowDialog(RecordEditor& editor, Prompter& prompter, const QString& objectName, QWidget* parent);

    // "Submit" wrote the row.
    bool submitted() const { return submitted_; }

    void btnSubmitClick();
    void reject() override;

    QGroupBox* grpDetails;
    QPushButton* btnSubmit;
    QPushButton* btnClose;

protected:
    // The fields, top to bottom, and the bar of buttons under them.
    QFormLayout* fields() const { return fields_; }
    QHBoxLayout* buttonBar() const { return buttonBar_; }
    FieldBindings& bindings() const { return *bindings_; }
    RecordEditor& editor() const { return editor_; }
    Prompter& prompter() const { return prompter_; }
    // Every field shows the row; called once the fields are bound.
    void showRow();

private:
    RecordEditor& editor_;
    Prompter& prompter_;
    FieldBindings* bindings_;
    QFormLayout* fields_;
    QHBoxLayout* buttonBar_;
    bool submitted_ = false;
};

} // namespace pelora
