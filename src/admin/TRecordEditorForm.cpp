#include "admin/TRecordEditorForm.h"

#include "common/Flag.h"
#include "common/Money.h"
#include "common/PictureFiles.h"
#include "common/Prompter.h"
#include "ui/GeneralError.h"
#include "ui/THelpForm.h"
#include "ui/TouchWidgets.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace pelora {

TRecordEditorForm::TRecordEditorForm(std::unique_ptr<RecordEditor> editor, Prompter& prompter, QWidget* parent)
    : QDialog(parent), editor_(std::move(editor)), prompter_(prompter) {
    setModal(true);
    resize(640, 420);

    lstRecords = new QListWidget(this);
    lstRecords->setObjectName(QStringLiteral("lstRecords"));
    lstRecords->setFixedWidth(240);
    lstRecords->setStyleSheet(QStringLiteral("QListWidget::item { min-height: %1px; }").arg(kColumnStep));

    auto* navigation = navigationRow(this, btnFirst, btnPrior, btnNext, btnLast);
    btnInsert = touchButton(tr("Insert"), QStringLiteral("btnInsert"), this);
    btnDelete = touchButton(tr("Delete"), QStringLiteral("btnDelete"), this);
    btnHelp = touchButton(tr("Help"), QStringLiteral("btnHelp"), this);
    btnClose = touchButton(tr("Close"), QStringLiteral("btnClose"), this);

    grpDetails = new QGroupBox(tr("Details"), this);
    grpDetails->setObjectName(QStringLiteral("grpDetails"));
    fields_ = new QFormLayout(grpDetails);

    listColumn_ = new QVBoxLayout;
    listColumn_->addWidget(lstRecords, 1);
    listColumn_->addLayout(navigation);
    detailsColumn_ = new QVBoxLayout;
    detailsColumn_->addWidget(grpDetails);
    detailsColumn_->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addLayout(listColumn_);
    top->addLayout(detailsColumn_, 1);
    buttonBar_ = new QHBoxLayout;
    buttonBar_->addWidget(btnInsert);
    buttonBar_->addWidget(btnDelete);
    buttonBar_->addWidget(btnHelp);
    buttonBar_->addStretch(1);
    buttonBar_->addWidget(btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttonBar_);

    connect(btnFirst, &QPushButton::clicked, this, [this] { navigate(RecordEditor::Move::First); });
    connect(btnPrior, &QPushButton::clicked, this, [this] { navigate(RecordEditor::Move::Prior); });
    connect(btnNext, &QPushButton::clicked, this, [this] { navigate(RecordEditor::Move::Next); });
    connect(btnLast, &QPushButton::clicked, this, [this] { navigate(RecordEditor::Move::Last); });
    connect(btnInsert, &QPushButton::clicked, this, [this] { btnInsertClick(); });
    connect(btnDelete, &QPushButton::clicked, this, [this] { btnDeleteClick(); });
    connect(btnHelp, &QPushButton::clicked, this, [this] { btnHelpClick(); });
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(lstRecords, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row != editor_->rows().row())
            act([this, row] { editor_->moveTo(row); });
    });

    db::RowSet& rows = editor_->rows();
    connect(&rows, &db::RowSet::dataChanged, this, [this] { showRows(); });
    connect(&rows, &db::RowSet::scrolled, this, [this] { showFields(); });
    connect(&rows, &db::RowSet::stateChanged, this, [this] { showState(); });
}

TRecordEditorForm::~TRecordEditorForm() = default;

void TRecordEditorForm::open() {
    editor_->load(); // the rows read show at once (dataChanged)
}

void TRecordEditorForm::act(const std::function<void()>& action) {
    runReportingFailures(prompter_, action);
    // Whatever happened, the window shows the rows as they now are.
    showRows();
}

void TRecordEditorForm::edited(const std::function<void()>& setField) {
    runReportingFailures(prompter_, setField);
}

void TRecordEditorForm::btnInsertClick() {
    act([this] {
        const bool inserting = !editor_->isEditing();
        if (editor_->insertOrSave() && inserting)
            focusFirstField();
    });
}

void TRecordEditorForm::btnDeleteClick() {
    act([this] { editor_->deleteOrCancel(); });
}

std::optional<QString> TRecordEditorForm::browsePicture(QLineEdit* field, const QString& column, const QString& caption,
                                                        const QString& imageFolder) {
    // Only the name is kept: the picture is looked for in each terminal's own folder.
    std::optional<QString> name = choosePictureName(prompter_, caption, imageFolder);
    if (!name)
        return std::nullopt;
    edited([this, &column, &name] { editor_->setField(column, *name); });
    field->setText(*name);
    return name;
}

void TRecordEditorForm::narrowList(int width) {
    lstRecords->setFixedWidth(width);
    for (QPushButton* b : {btnFirst, btnPrior, btnNext, btnLast})
        b->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

void TRecordEditorForm::btnHelpClick() { showHelp(this, prompter_, editor_->member().helpLines); }

void TRecordEditorForm::navigate(RecordEditor::Move where) {
    act([this, where] { editor_->move(where); });
}

void TRecordEditorForm::focusFirstField() {
    if (firstField_) {
        firstField_->setFocus();
        if (auto* edit = qobject_cast<QLineEdit*>(firstField_))
            edit->selectAll();
    }
}

void TRecordEditorForm::showRows() {
    if (!editor_->rows().isOpen())
        return; // closing
    {
        const QSignalBlocker quiet(lstRecords);
        lstRecords->clear();
        for (int r = 0; r < editor_->rows().rowCount(); ++r)
            lstRecords->addItem(editor_->nameAt(r));
        if (!editor_->isEmpty())
            lstRecords->setCurrentRow(editor_->rows().row());
    }
    showFields();
    showState();
}

void TRecordEditorForm::showFields() {
    if (!editor_->rows().isOpen())
        return;
    {
        const QSignalBlocker quiet(lstRecords);
        if (!editor_->isEmpty() && lstRecords->currentRow() != editor_->rows().row())
            lstRecords->setCurrentRow(editor_->rows().row());
    }
    for (const auto& show : showers_)
        show();
}

void TRecordEditorForm::showState() {
    if (!editor_->rows().isOpen())
        return;
    const bool editing = editor_->isEditing();
    btnInsert->setText(editing ? tr("Save") : tr("Insert"));
    btnDelete->setText(editing ? tr("Cancel") : tr("Delete"));
    const bool rows = !editor_->isEmpty();
    btnDelete->setEnabled(rows);
    grpDetails->setEnabled(rows);
}

QLineEdit* TRecordEditorForm::addLineEdit(const QString& label, const QString& objectName) {
    auto* edit = new QLineEdit(grpDetails);
    edit->setObjectName(objectName);
    edit->setMinimumHeight(kTouchHeight - 8);
    fields_->addRow(label, edit);
    return edit;
}

QLineEdit* TRecordEditorForm::addTextField(const QString& label, const QString& column, int maxLength,
                                           const QString& objectName) {
    QLineEdit* edit = addLineEdit(label, objectName);
    bindText(edit, column, maxLength);
    return edit;
}

QLineEdit* TRecordEditorForm::addNumberField(const QString& label, const QString& column, const QString& objectName) {
    QLineEdit* edit = addLineEdit(label, objectName);
    bindNumber(edit, column);
    return edit;
}

QCheckBox* TRecordEditorForm::addCheckField(const QString& caption, const QString& column, const QString& objectName) {
    auto* box = new QCheckBox(caption, grpDetails);
    box->setObjectName(objectName);
    box->setMinimumHeight(kTouchHeight - 8);
    fields_->addRow(QString(), box);
    bindCheck(box, column);
    return box;
}

void TRecordEditorForm::bindText(QLineEdit* edit, const QString& column, int maxLength) {
    edit->setMaxLength(maxLength);
    if (!firstField_)
        firstField_ = edit;
    connect(edit, &QLineEdit::textEdited, this, [this, column](const QString& text) {
        edited([this, column, text] { editor_->setField(column, text.isEmpty() ? db::Value() : db::Value(text)); });
    });
    showers_.push_back([this, edit, column] {
        const QString text = editor_->rows().value(column).asText();
        if (edit->text() != text)
            edit->setText(text);
    });
}

void TRecordEditorForm::bindNumber(QLineEdit* edit, const QString& column, bool money) {
    if (!firstField_)
        firstField_ = edit;
    connect(edit, &QLineEdit::textEdited, this, [this, column](const QString& text) {
        bool ok = false;
        const double number = text.trimmed().toDouble(&ok);
        edited([this, column, ok, number] { editor_->setField(column, ok ? db::Value(number) : db::Value()); });
    });
    showers_.push_back([this, edit, column, money] {
        const db::Value& v = editor_->rows().value(column);
        // While the row is in edit, what was typed stays as it is (a half-typed "1e" too).
        if (editor_->isEditing() && edit->isModified())
            return;
        const QString text = v.isNull() ? QString() : money ? moneyText(v.asDouble()) : db::shortestDecimal(v.asDouble());
        if (edit->text() != text)
            edit->setText(text);
        edit->setModified(false);
    });
}

void TRecordEditorForm::bindCheck(QCheckBox* box, const QString& column) {
    connect(box, &QCheckBox::clicked, this, [this, column](bool on) {
        edited([this, column, on] { editor_->setField(column, flagText(on)); });
    });
    showers_.push_back([this, box, column] {
        const QSignalBlocker quiet(box);
        box->setChecked(isTrue(editor_->rows().value(column).asText()));
    });
}

namespace {

bool sameValue(const db::Value& a, const db::Value& b) {
    if (a.isNull() || b.isNull())
        return a.isNull() && b.isNull();
    return a.asText() == b.asText();
}

} // namespace

void TRecordEditorForm::bindCombo(QComboBox* box, const QString& column, const std::vector<Choice>& choices,
                                  bool typedNumber) {
    {
        const QSignalBlocker quiet(box);
        box->clear();
        for (const Choice& c : choices)
            box->addItem(c.caption);
    }
    connect(box, &QComboBox::activated, this, [this, column, choices](int index) {
        if (index < 0 || index >= static_cast<int>(choices.size()))
            return;
        edited([this, column, value = choices[static_cast<std::size_t>(index)].value] { editor_->setField(column, value); });
    });
    if (typedNumber && box->isEditable())
        connect(box->lineEdit(), &QLineEdit::textEdited, this, [this, column](const QString& text) {
            bool ok = false;
            const double number = text.trimmed().toDouble(&ok);
            edited([this, column, ok, number] { editor_->setField(column, ok ? db::Value(number) : db::Value()); });
        });
    showers_.push_back([this, box, column, choices, typedNumber] {
        // While the row is in edit, a typed number stays as it is.
        if (box->isEditable() && editor_->isEditing() && box->lineEdit()->isModified())
            return;
        const QSignalBlocker quiet(box);
        const db::Value& v = editor_->rows().value(column);
        int index = -1;
        for (std::size_t i = 0; i < choices.size() && index < 0; ++i) {
            const db::Value& c = choices[i].value;
            if (sameValue(c, v) || (typedNumber && !v.isNull() && !c.isNull() && c.asDouble() == v.asDouble()))
                index = static_cast<int>(i);
        }
        box->setCurrentIndex(index);
        if (box->isEditable()) {
            box->setEditText(index >= 0 ? choices[static_cast<std::size_t>(index)].caption
                             : v.isNull() ? QString()
                                          : db::shortestDecimal(v.asDouble()));
            box->lineEdit()->setModified(false);
        }
    });
}

void TRecordEditorForm::bindButtons(QButtonGroup* group, const QString& column, const std::vector<db::Value>& values) {
    group->setExclusive(false); // so that none can be down
    const QList<QAbstractButton*> buttons = group->buttons();
    for (int i = 0; i < buttons.size() && i < static_cast<int>(values.size()); ++i) {
        buttons[i]->setCheckable(true);
        connect(buttons[i], &QAbstractButton::clicked, this, [this, column, group, i, value = values[static_cast<std::size_t>(i)]] {
            const QList<QAbstractButton*> all = group->buttons();
            for (int j = 0; j < all.size(); ++j) {
                const QSignalBlocker quiet(all[j]);
                all[j]->setChecked(j == i);
            }
            edited([this, column, value] { editor_->setField(column, value); });
        });
    }
    showers_.push_back([this, group, column, values] {
        const db::Value& v = editor_->rows().value(column);
        const QList<QAbstractButton*> all = group->buttons();
        for (int j = 0; j < all.size(); ++j) {
            const QSignalBlocker quiet(all[j]);
            all[j]->setChecked(j < static_cast<int>(values.size()) && sameValue(values[static_cast<std::size_t>(j)], v));
        }
    });
}

void TRecordEditorForm::reject() {
    if (closed_)
        return QDialog::reject();
    bool mayClose = false;
    runReportingFailures(prompter_, [this, &mayClose] { mayClose = editor_->mayClose(); });
    if (!mayClose) {
        showRows();
        return;
    }
    closed_ = true;
    QDialog::reject();
}

void TRecordEditorForm::done(int result) {
    if (!closed_ && result == QDialog::Rejected)
        return reject();
    QDialog::done(result);
}

} // namespace pelora
