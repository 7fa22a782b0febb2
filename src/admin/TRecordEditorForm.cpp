#include "admin/TRecordEditorForm.h"

#include "admin/FieldBindings.h"

#include "common/Flag.h"
#include "common/Money.h"
#include "common/PictureFiles.h"
#include "common/Prompter.h"
#include "ui/GeneralError.h"
#include "ui/PicturePane.h"
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
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace pelora {

TRecordEditorForm::TRecordEditorForm(std::unique_ptr<RecordEditor> editor, Prompter& prompter, QWidget* parent)
    : QDialog(parent), editor_(std::move(editor)), prompter_(prompter),
      fields_(new FieldBindings(*editor_, prompter, this)) {
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
    form_ = new QFormLayout(grpDetails);

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

void TRecordEditorForm::edited(const std::function<void()>& setField) { fields_->edited(setField); }

void TRecordEditorForm::btnInsertClick() {
    const bool saving = editor_->isEditing();
    act([this] {
        const bool inserting = !editor_->isEditing();
        if (editor_->insertOrSave() && inserting)
            focusFirstField();
    });
    if (saving && !editor_->isEditing())
        showPicture(true); // the file name saved
}

void TRecordEditorForm::btnDeleteClick() {
    const bool cancelling = editor_->isEditing();
    act([this] { editor_->deleteOrCancel(); });
    if (cancelling && !editor_->isEditing())
        showPicture(false); // the file name as it was, whether or not it can be read
}

std::optional<QString> TRecordEditorForm::browsePicture(QLineEdit* field, const QString& column, const QString& caption,
                                                        const QString& imageFolder, const QString& filter) {
    // Only the name is kept: the picture is looked for in each terminal's own folder.
    std::optional<QString> name = choosePictureName(prompter_, caption, imageFolder, filter);
    if (!name)
        return std::nullopt;
    edited([this, &column, &name] { editor_->setField(column, *name); });
    field->setText(*name);
    return name;
}

TRecordEditorForm::PictureField TRecordEditorForm::addPictureField(const QString& label, PictureRules rules,
                                                                   const QString& paneName,
                                                                   const QString& pictureName) {
    pictureRules_ = std::move(rules);
    picture_.fileName = new QLineEdit(grpDetails);
    picture_.fileName->setObjectName(QStringLiteral("edtFileName"));
    picture_.fileName->setMinimumHeight(kTouchHeight - 8);
    bindText(picture_.fileName, pictureRules_.column, kPictureNameLength);
    picture_.browse = touchButton(tr("Browse"), QStringLiteral("btnBrowse"), grpDetails);
    connect(picture_.browse, &QPushButton::clicked, this, [this] { browseShownPicture(); });
    auto* file = new QHBoxLayout;
    file->addWidget(picture_.fileName, 1);
    file->addWidget(picture_.browse);
    form_->addRow(label, file);

    picture_.pane = new PicturePane(paneName, pictureName, this);
    delete detailsColumn_->takeAt(detailsColumn_->count() - 1); // the room under the group
    detailsColumn_->addWidget(picture_.pane, 1);
    connect(&editor_->rows(), &db::RowSet::scrolled, this, [this] {
        if (editor_->rows().isOpen() && editor_->currentId() != pictureShownId_)
            showPicture(true);
    });
    return picture_;
}

void TRecordEditorForm::showPicture(bool warn) {
    if (!picture_.pane || !editor_->rows().isOpen())
        return;
    pictureShownId_ = editor_->currentId();
    const QString name = editor_->isEmpty() ? QString() : editor_->rows().value(pictureRules_.column).asText();
    const QString file = pictureRules_.imageFolder + name;
    if (editor_->isEmpty() || file.isEmpty() || (name.isEmpty() && pictureRules_.emptyIsNone)) {
        picture_.pane->clear(); // no picture to read
        return;
    }
    if (!picture_.pane->load(file) && warn && pictureRules_.unreadable)
        pictureRules_.unreadable(name);
}

void TRecordEditorForm::browseShownPicture() {
    const std::optional<QString> name = browsePicture(picture_.fileName, pictureRules_.column,
                                                      pictureRules_.browseCaption, pictureRules_.imageFolder,
                                                      pictureRules_.filter);
    if (name && !picture_.pane->load(pictureRules_.imageFolder + *name) && pictureRules_.notInFolder)
        pictureRules_.notInFolder(*name);
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
    fields_->showAll();
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
    form_->addRow(label, edit);
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
    form_->addRow(QString(), box);
    bindCheck(box, column);
    return box;
}

void TRecordEditorForm::bindText(QLineEdit* edit, const QString& column, int maxLength) {
    if (!firstField_)
        firstField_ = edit;
    fields_->bindText(edit, column, maxLength);
}

void TRecordEditorForm::bindNumber(QLineEdit* edit, const QString& column, bool money) {
    if (!firstField_)
        firstField_ = edit;
    fields_->bindNumber(edit, column, money);
}

void TRecordEditorForm::bindCheck(QCheckBox* box, const QString& column) { fields_->bindCheck(box, column); }

void TRecordEditorForm::bindCombo(QComboBox* box, const QString& column, const std::vector<Choice>& choices,
                                  bool typedNumber) {
    fields_->bindCombo(box, column, choices, typedNumber);
}

void TRecordEditorForm::bindButtons(QButtonGroup* group, const QString& column, const std::vector<db::Value>& values) {
    fields_->bindButtons(group, column, values);
}

QGroupBox* TRecordEditorForm::choiceGroup(QWidget* parent, const QString& caption, const QString& column,
                                          const std::vector<std::pair<QString, QString>>& choices) {
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(QStringLiteral("grp") + column);
    auto* buttons = new QVBoxLayout(box);
    buttons->setSpacing(2);
    buttons->setContentsMargins(6, 4, 4, 4);
    auto* group = new QButtonGroup(box);
    std::vector<db::Value> values;
    for (const auto& [choice, value] : choices) {
        // An "&" is shown as written, not taken for a shortcut.
        auto* radio = new QRadioButton(QString(choice).replace(u'&', QStringLiteral("&&")), box);
        radio->setObjectName(QStringLiteral("rdo") + column + value);
        buttons->addWidget(radio);
        group->addButton(radio);
        values.emplace_back(value);
    }
    bindButtons(group, column, values);
    return box;
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
