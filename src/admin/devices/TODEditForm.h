#pragma once

#include "admin/devices/RowDialog.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace pelora {

class OdRows;
class Spooler;

// The output-device row dialog: the terminal, the codes, the header, body and footer settings
// of the row its list stands on. "Submit" refuses a code string the printing could not decode,
// naming the field. "Test Print" sends a sample paper through the row as it is typed, to the
// row's device, so a printer is set up without a sale.
class TODEditForm : public RowDialog {
    Q_OBJECT
public:
    TODEditForm(OdRows& rows, Prompter& prompter, Spooler& spooler, QWidget* parent = nullptr);

    void btnTestPrintClick();

    QLineEdit* edtPCRef;
    QLineEdit* edtBeginCode1;
    QLineEdit* edtBeginCode2;
    QLineEdit* edtEndCode1;
    QLineEdit* edtEndCode2;
    QLineEdit* edtEjectLines;
    QPlainTextEdit* memHText;
    QLineEdit* edtHFont;
    QLineEdit* edtHCpl;
    QComboBox* cboHAlign;
    QLineEdit* edtBFont;
    QLineEdit* edtBCpl;
    QPlainTextEdit* memFText;
    QLineEdit* edtFFont;
    QLineEdit* edtFCpl;
    QComboBox* cboFAlign;
    QPushButton* btnTestPrint;

private:
    QLineEdit* text(const QString& label, const QString& column, int maxLength, const QString& objectName);
    QLineEdit* number(const QString& label, const QString& column, const QString& objectName);
    QPlainTextEdit* longText(const QString& label, const QString& column, const QString& objectName);
    QComboBox* align(const QString& label, const QString& column, const QString& objectName);

    OdRows& rows_;
    Spooler& spooler_;
};

} // namespace pelora
