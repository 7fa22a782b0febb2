#include "admin/devices/TODEditForm.h"

#include "admin/FieldBindings.h"
#include "admin/devices/OdRows.h"
#include "ui/GeneralError.h"
#include "ui/TouchWidgets.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace pelora {

namespace {

constexpr int kCodeLength = 25; // `od`.`begincode1` and the other codes
constexpr int kFontLength = 10;
constexpr int kLargestSmallint = 32767;

} // namespace

TODEditForm::TODEditForm(OdRows& rows, Prompter& prompter, Spooler& spooler, QWidget* parent)
    : RowDialog(rows, prompter, QStringLiteral("ODEditForm"), parent), rows_(rows), spooler_(spooler) {
    edtPCRef = text(tr("PCRef:"), QStringLiteral("pcref"), 20, QStringLiteral("edtPCRef"));
    const std::vector<OdRows::CodeField>& codes = OdRows::codeFields();
    QLineEdit** codeEdits[] = {&edtBeginCode1, &edtBeginCode2, &edtEndCode1, &edtEndCode2};
    for (std::size_t i = 0; i < codes.size(); ++i)
        *codeEdits[i] = text(codes[i].caption, codes[i].column, kCodeLength, QStringLiteral("edt") + codes[i].caption);
    edtEjectLines = number(tr("EjectLines"), QStringLiteral("ejectlines"), QStringLiteral("edtEjectLines"));
    memHText = longText(tr("Header Text:"), QStringLiteral("htext"), QStringLiteral("memHText"));
    edtHFont = text(tr("Header Font:"), QStringLiteral("hfont"), kFontLength, QStringLiteral("edtHFont"));
    edtHCpl = number(tr("Header CPL:"), QStringLiteral("hcpl"), QStringLiteral("edtHCpl"));
    cboHAlign = align(tr("Header Align:"), QStringLiteral("halign"), QStringLiteral("cboHAlign"));
    edtBFont = text(tr("Body Font:"), QStringLiteral("bfont"), kFontLength, QStringLiteral("edtBFont"));
    edtBCpl = number(tr("Body CPL:"), QStringLiteral("bcpl"), QStringLiteral("edtBCpl"));
    memFText = longText(tr("Footer Text:"), QStringLiteral("ftext"), QStringLiteral("memFText"));
    edtFFont = text(tr("Footer Font:"), QStringLiteral("ffont"), kFontLength, QStringLiteral("edtFFont"));
    edtFCpl = number(tr("Footer CPL:"), QStringLiteral("fcpl"), QStringLiteral("edtFCpl"));
    cboFAlign = align(tr("Footer Align:"), QStringLiteral("falign"), QStringLiteral("cboFAlign"));

    btnTestPrint = touchButton(tr("Test Print"), QStringLiteral("btnTestPrint"), this);
    buttonBar()->insertWidget(1, btnTestPrint); // after the stretch, before "Submit"
    connect(btnTestPrint, &QPushButton::clicked, this, [this] { btnTestPrintClick(); });
    showRow();
    resize(520, 720);
}

QLineEdit* TODEditForm::text(const QString& label, const QString& column, int maxLength, const QString& objectName) {
    auto* edit = new QLineEdit(grpDetails);
    edit->setObjectName(objectName);
    bindings().bindText(edit, column, maxLength);
    fields()->addRow(label, edit);
    return edit;
}

QLineEdit* TODEditForm::number(const QString& label, const QString& column, const QString& objectName) {
    auto* edit = new QLineEdit(grpDetails);
    edit->setObjectName(objectName);
    // Whole numbers only: anything else would be written as no number at all.
    edit->setValidator(new QIntValidator(0, kLargestSmallint, edit));
    bindings().bindNumber(edit, column);
    fields()->addRow(label, edit);
    return edit;
}

QPlainTextEdit* TODEditForm::longText(const QString& label, const QString& column, const QString& objectName) {
    auto* edit = new QPlainTextEdit(grpDetails);
    edit->setObjectName(objectName);
    edit->setMaximumHeight(56); // three lines: the dialog fits a 768-high screen
    bindings().bindLongText(edit, column);
    fields()->addRow(label, edit);
    return edit;
}

QComboBox* TODEditForm::align(const QString& label, const QString& column, const QString& objectName) {
    auto* box = new QComboBox(grpDetails);
    box->setObjectName(objectName);
    std::vector<FieldBindings::Choice> sides;
    for (const char* side : {"L", "C", "R"})
        sides.push_back({QString::fromLatin1(side), QString::fromLatin1(side)});
    bindings().bindCombo(box, column, sides);
    fields()->addRow(label, box);
    return box;
}

void TODEditForm::btnTestPrintClick() {
    QString printer;
    runReportingFailures(prompter(), [this, &printer] { printer = rows_.testPrint(spooler_); });
    if (!printer.isEmpty())
        prompter().information(tr("Test Print sent to %1.").arg(printer));
}

} // namespace pelora
