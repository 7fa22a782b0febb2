#include "tabs/TSplitForm.h"

#include "common/PictureFiles.h"
#include "common/Prompter.h"
#include "db/TextTable.h"
#include "tabs/TSplitImageForm.h"
#include "ui/FormOpener.h"
#include "ui/GeneralError.h"
#include "ui/THelpForm.h"
#include "ui/TKeyBoardForm.h"
#include "ui/TouchWidgets.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTextCursor>
#include <QTimer>
#include <QVBoxLayout>

namespace pelora {

namespace {

// The keyboard for the search box; the image field's mode is answered by nobody, so Enter
// there only closes the keyboard.
const QString kFindMode = QStringLiteral("splitformfind");
const QString kCatMode = QStringLiteral("splitedtcat");
const QString kNotesMode = QStringLiteral("splitmmonotes");
const QString kImageMode = QStringLiteral("splitedtimage");

QLineEdit* fieldEdit(const QString& name, int maxLength, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(maxLength);
    return edit;
}

} // namespace

TSplitForm::TSplitForm(db::Connection& db, db::StoredProc& proc, Prompter& prompter, KeyboardModes& keyboardModes,
                       Options options, QWidget* parent)
    : QDialog(parent), prompter_(prompter), keyboardModes_(keyboardModes), options_(std::move(options)),
      records_(db, proc, prompter) {
    setObjectName(QStringLiteral("SplitForm"));
    setWindowTitle(QStringLiteral("SplitForm"));
    setModal(true);
    resize(900, 640);

    grdRefs = touchGrid({QStringLiteral("REF")}, QStringLiteral("grdRefs"), this);
    grdRefs->setMinimumWidth(220);

    auto* navigation = navigationRow(this, btnFirst, btnPrior, btnNext, btnLast);

    grpFind = new QGroupBox(tr("Find"), this);
    grpFind->setObjectName(QStringLiteral("grpFind"));
    edtSearch = new QLineEdit(grpFind);
    edtSearch->setObjectName(QStringLiteral("edtSearch"));
    edtSearch->setMinimumHeight(kTouchHeight);
    btnFind = touchButton(tr("Find"), QStringLiteral("btnFind"), grpFind);
    btnAll = touchButton(tr("All"), QStringLiteral("btnAll"), grpFind);
    auto* findLayout = new QHBoxLayout(grpFind);
    findLayout->addWidget(edtSearch, 1);
    findLayout->addWidget(btnFind);
    findLayout->addWidget(btnAll);

    buildDetails();

    btnInsert = touchButton(tr("Insert"), QStringLiteral("btnInsert"), this);
    btnDelete = touchButton(tr("Delete"), QStringLiteral("btnDelete"), this);
    btnKeyboard = touchButton(tr("Keyboard"), QStringLiteral("btnKeyboard"), this);
    btnImage = touchButton(tr("Image"), QStringLiteral("btnImage"), this);
    btnCopyToTab = touchButton(tr("Copy to Tab"), QStringLiteral("btnCopyToTab"), this);
    btnHelp = touchButton(QStringLiteral("?"), QStringLiteral("btnHelp"), this);
    btnHelp->setFixedWidth(kTouchHeight);
    btnClose = touchButton(tr("Close"), QStringLiteral("btnClose"), this);
    // The keyboard writes the field that had the focus, so the buttons never take it.
    for (QPushButton* b : {btnFirst, btnPrior, btnNext, btnLast, btnFind, btnAll, btnBrowse, btnInsert, btnDelete,
                           btnKeyboard, btnImage, btnCopyToTab, btnHelp, btnClose})
        b->setFocusPolicy(Qt::NoFocus);

    auto* left = new QVBoxLayout;
    left->addWidget(grdRefs, 1);
    left->addLayout(navigation);
    left->addWidget(grpFind);
    auto* centre = new QHBoxLayout;
    centre->addLayout(left);
    centre->addWidget(grpDetails, 1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {btnInsert, btnDelete, btnKeyboard, btnImage, btnCopyToTab, btnHelp})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(centre, 1);
    layout->addLayout(buttons);

    const auto handle = [this](QPushButton* button, void (TSplitForm::*handler)()) {
        connect(button, &QPushButton::clicked, this, [this, handler] { run([this, handler] { (this->*handler)(); }); });
    };
    handle(btnInsert, &TSplitForm::btnInsertClick);
    handle(btnDelete, &TSplitForm::btnDeleteClick);
    handle(btnFind, &TSplitForm::btnFindClick);
    handle(btnAll, &TSplitForm::btnAllClick);
    handle(btnKeyboard, &TSplitForm::btnKeyboardClick);
    handle(btnImage, &TSplitForm::btnImageClick);
    handle(btnBrowse, &TSplitForm::btnBrowseClick);
    handle(btnCopyToTab, &TSplitForm::btnCopyToTabClick);
    handle(btnHelp, &TSplitForm::btnHelpClick);
    connect(btnClose, &QPushButton::clicked, this, &TSplitForm::reject);
    // A physical keyboard or a scanner ends the search text with Return.
    connect(edtSearch, &QLineEdit::returnPressed, this, [this] { run([this] { btnFindClick(); }); });
    db::RowSet& rows = records_.rows();
    connect(btnFirst, &QPushButton::clicked, this, [this, &rows] { navigate([&rows] { rows.first(); }); });
    connect(btnPrior, &QPushButton::clicked, this, [this, &rows] { navigate([&rows] { rows.prior(); }); });
    connect(btnNext, &QPushButton::clicked, this, [this, &rows] { navigate([&rows] { rows.next(); }); });
    connect(btnLast, &QPushButton::clicked, this, [this, &rows] { navigate([&rows] { rows.last(); }); });
    connect(grdRefs, &QTableWidget::currentCellChanged, this, [this, &rows](int row) {
        if (!loading_ && row >= 0 && row != rows.row())
            navigate([&rows, row] { rows.moveTo(row); });
    });

    connect(&rows, &db::RowSet::dataChanged, this, [this] {
        showRefs();
        showRecord();
        showState();
    });
    connect(&rows, &db::RowSet::scrolled, this, [this] {
        selectCurrentRef();
        showRecord();
        showState();
    });
    connect(&rows, &db::RowSet::stateChanged, this, &TSplitForm::showState);

    registerKeyboardModes();
    showCategories();
    showDiscounts();
    showState();
}

void TSplitForm::buildDetails() {
    grpDetails = new QGroupBox(tr("Details"), this);
    grpDetails->setObjectName(QStringLiteral("grpDetails"));
    auto* form = new QFormLayout(grpDetails);

    const auto textField = [this, form](const QString& caption, const QString& name, const QString& column,
                                        int maxLength) {
        QLineEdit* edit = fieldEdit(name, maxLength, grpDetails);
        form->addRow(caption, edit);
        textFields_.push_back({edit, column, QStringLiteral("splitedt") + column});
        return edit;
    };
    edtRef = textField(QStringLiteral("Ref:"), QStringLiteral("edtRef"), QStringLiteral("ref"), 20);

    cboCat = new QComboBox(grpDetails);
    cboCat->setObjectName(QStringLiteral("cboCat"));
    cboCat->setEditable(true);
    cboCat->setInsertPolicy(QComboBox::NoInsert);
    cboCat->lineEdit()->setMaxLength(20);
    form->addRow(QStringLiteral("Cat:"), cboCat);

    lblDisc = namedLabel(QStringLiteral("Disc:"), QStringLiteral("lblDisc"), grpDetails);
    cboDisc = new QComboBox(grpDetails);
    cboDisc->setObjectName(QStringLiteral("cboDisc"));
    form->addRow(lblDisc, cboDisc);
    lblDisc->setVisible(options_.discountShown);
    cboDisc->setVisible(options_.discountShown);

    edtName = textField(QStringLiteral("Name:"), QStringLiteral("edtName"), QStringLiteral("name"), 50);
    edtStreet1 = textField(QStringLiteral("Street1:"), QStringLiteral("edtStreet1"), QStringLiteral("street1"), 40);
    edtStreet2 = textField(QStringLiteral("Street2:"), QStringLiteral("edtStreet2"), QStringLiteral("street2"), 40);
    edtSuburb = textField(QStringLiteral("Suburb:"), QStringLiteral("edtSuburb"), QStringLiteral("suburb"), 30);
    edtState = textField(QStringLiteral("State:"), QStringLiteral("edtState"), QStringLiteral("state"), 10);
    edtPostcode = textField(QStringLiteral("Postcode:"), QStringLiteral("edtPostcode"), QStringLiteral("postcode"), 10);
    edtHPhone = textField(QStringLiteral("HPhone:"), QStringLiteral("edtHPhone"), QStringLiteral("hphone"), 15);
    edtWPhone = textField(QStringLiteral("WPhone:"), QStringLiteral("edtWPhone"), QStringLiteral("wphone"), 15);
    edtMPhone = textField(QStringLiteral("MPhone:"), QStringLiteral("edtMPhone"), QStringLiteral("mphone"), 15);
    edtEMail = textField(QStringLiteral("EMail:"), QStringLiteral("edtEMail"), QStringLiteral("email"), 50);
    edtMessage = textField(QStringLiteral("Message:"), QStringLiteral("edtMessage"), QStringLiteral("msg"), 50);

    memNotes = new QPlainTextEdit(grpDetails);
    memNotes->setObjectName(QStringLiteral("memNotes"));
    memNotes->setTabChangesFocus(true);
    memNotes->setMaximumHeight(90);
    form->addRow(QStringLiteral("Notes:"), memNotes);

    edtImage = fieldEdit(QStringLiteral("edtImage"), kPictureNameLength, grpDetails);
    btnBrowse = touchButton(tr("Browse"), QStringLiteral("btnBrowse"), grpDetails);
    auto* image = new QHBoxLayout;
    image->addWidget(edtImage, 1);
    image->addWidget(btnBrowse);
    form->addRow(QStringLiteral("Image:"), image);

    // Typing starts the edit of the current split.
    for (const TextField& f : textFields_)
        connect(f.edit, &QLineEdit::textEdited, this,
                [this, column = f.column](const QString& text) { setField(column, text); });
    connect(edtImage, &QLineEdit::textEdited, this,
            [this](const QString& text) { setField(QStringLiteral("filename"), text); });
    connect(cboCat, &QComboBox::editTextChanged, this, [this](const QString& text) {
        if (!loading_)
            setField(QStringLiteral("cat"), text);
    });
    connect(cboDisc, &QComboBox::activated, this, [this](int index) {
        const QVariant id = cboDisc->itemData(index);
        setField(QStringLiteral("discid"), id.isValid() ? db::Value(id.toInt()) : db::Value());
    });
    connect(memNotes, &QPlainTextEdit::textChanged, this, [this] {
        if (!loading_)
            setField(QStringLiteral("notes"), memNotes->toPlainText());
    });
}

void TSplitForm::registerKeyboardModes() {
    for (const TextField& f : textFields_)
        modes_.push_back(keyboardModes_.add(f.mode, [this, f](const QString& text, TKeyBoardForm&) {
            f.edit->setText(text); // cut to the column's length
            setField(f.column, f.edit->text());
            return true;
        }));
    modes_.push_back(keyboardModes_.add(kCatMode, [this](const QString& text, TKeyBoardForm&) {
        cboCat->setEditText(text.left(cboCat->lineEdit()->maxLength()));
        return true;
    }));
    modes_.push_back(keyboardModes_.add(kNotesMode, [this](const QString& text, TKeyBoardForm&) {
        const QString notes = memNotes->toPlainText();
        // A new line of its own, as the box itself breaks lines.
        memNotes->setPlainText(notes.isEmpty() ? text : notes + u'\n' + text);
        memNotes->moveCursor(QTextCursor::End);
        return true;
    }));
    modes_.push_back(keyboardModes_.addSearch(kFindMode, [this](const QString& text) {
        edtSearch->setText(text);
        btnFindClick();
    }));
}

void TSplitForm::run(const std::function<void()>& action) { runReportingFailures(prompter_, action); }

void TSplitForm::setField(const QString& column, const db::Value& value) {
    run([&] { records_.rows().setField(column, value); });
}

void TSplitForm::showAll(const QString& selectRef) { records_.showAll(selectRef); }

void TSplitForm::find(const QString& text) {
    edtSearch->setText(text);
    btnFindClick();
}

void TSplitForm::setLinesChanged(std::function<void()> linesChanged) {
    records_.setLinesChanged(std::move(linesChanged));
}

void TSplitForm::setCopiedToTab(std::function<void(const QString&)> copiedToTab) {
    copiedToTab_ = std::move(copiedToTab);
}

QString TSplitForm::currentRef() const { return records_.currentRef(); }

void TSplitForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    (options_.source == QStringLiteral("TabFind") ? static_cast<QWidget*>(edtSearch) : edtRef)->setFocus();
}

void TSplitForm::showRefs() {
    const db::RowSet& rows = records_.rows();
    loading_ = true;
    const int ref = rows.fieldIndex(u"ref");
    const int count = rows.isOpen() ? rows.rowCount() : 0;
    grdRefs->setRowCount(count);
    for (int r = 0; r < count; ++r) {
        const QString text = rows.valueAt(r, ref).asText();
        if (QTableWidgetItem* item = grdRefs->item(r, 0))
            item->setText(text);
        else
            grdRefs->setItem(r, 0, new QTableWidgetItem(text));
    }
    loading_ = false;
    selectCurrentRef();
}

void TSplitForm::selectCurrentRef() {
    const db::RowSet& rows = records_.rows();
    loading_ = true;
    if (rows.isOpen() && !rows.isEmpty() && rows.row() < grdRefs->rowCount())
        grdRefs->setCurrentCell(rows.row(), 0);
    else
        grdRefs->setCurrentCell(-1, -1);
    loading_ = false;
}

void TSplitForm::showRecord() {
    const db::RowSet& rows = records_.rows();
    // While the list is read again it has no columns: the fields show nothing.
    const auto value = [&rows](QStringView column) {
        return rows.fieldIndex(column) >= 0 ? rows.value(column) : db::Value();
    };
    loading_ = true;
    for (const TextField& f : textFields_)
        f.edit->setText(value(f.column).asText());
    edtImage->setText(value(u"filename").asText());
    cboCat->setEditText(value(u"cat").asText());
    const db::Value disc = value(u"discid");
    cboDisc->setCurrentIndex(disc.isNull() ? -1 : cboDisc->findData(static_cast<int>(disc.asInt())));
    memNotes->setPlainText(value(u"notes").asText());
    loading_ = false;
}

void TSplitForm::showCategories() {
    loading_ = true;
    const QString text = cboCat->currentText();
    cboCat->clear();
    cboCat->addItems(records_.categories());
    cboCat->setEditText(text);
    loading_ = false;
}

void TSplitForm::showDiscounts() {
    if (!options_.discountShown)
        return;
    const db::TextTable discounts = records_.discounts(options_.allDiscounts);
    loading_ = true;
    cboDisc->clear();
    for (const auto& row : discounts.rows())
        cboDisc->addItem(row.at(SplitRecords::DiscName) + QStringLiteral(" (") + row.at(SplitRecords::DiscRate) +
                             QStringLiteral(" %)"),
                         row.at(SplitRecords::DiscId).toInt());
    loading_ = false;
}

void TSplitForm::showState() {
    const db::RowSet& rows = records_.rows();
    const bool editing = rows.isEditing();
    const bool any = rows.isOpen() && !rows.isEmpty();
    btnInsert->setText(editing ? tr("Save") : tr("Insert"));
    btnDelete->setText(editing ? tr("Cancel") : tr("Delete"));
    for (QWidget* w : std::initializer_list<QWidget*>{btnDelete, btnKeyboard, btnImage, btnCopyToTab, grpDetails,
                                                      btnFirst, btnPrior, btnNext, btnLast})
        w->setEnabled(any);
}

bool TSplitForm::save() {
    const bool saved = records_.save();
    if (saved)
        showCategories();
    return saved;
}

bool TSplitForm::leaveRecord() { return !records_.rows().isEditing() || save(); }

void TSplitForm::navigate(const std::function<void()>& move) {
    bool moved = false;
    run([&] {
        if (leaveRecord()) {
            move();
            moved = true;
        }
    });
    if (!moved) // the grid goes back to the split still edited
        QTimer::singleShot(0, this, [this] { selectCurrentRef(); });
}

void TSplitForm::btnInsertClick() {
    if (records_.rows().isEditing()) {
        save();
        return;
    }
    if (records_.insert())
        edtRef->setFocus();
}

void TSplitForm::btnDeleteClick() {
    if (records_.rows().isEditing()) {
        records_.rows().cancel();
        return;
    }
    records_.remove();
}

void TSplitForm::btnFindClick() {
    if (leaveRecord())
        records_.find(edtSearch->text());
}

void TSplitForm::btnAllClick() {
    if (leaveRecord())
        records_.showAll();
}

void TSplitForm::btnKeyboardClick() {
    QWidget* focused = focusWidget();
    if (!focused || focused == cboDisc)
        return;
    if (focused == edtSearch) {
        openKeyboard(this, prompter_, keyboardModes_, {kFindMode, QString(), QString(), false});
        return;
    }
    QString mode;
    for (const TextField& f : textFields_)
        if (focused == f.edit)
            mode = f.mode;
    if (focused == cboCat || cboCat->isAncestorOf(focused))
        mode = kCatMode;
    else if (focused == memNotes || memNotes->isAncestorOf(focused))
        mode = kNotesMode;
    else if (focused == edtImage)
        mode = kImageMode;
    if (mode.isEmpty())
        return;
    db::RowSet& rows = records_.rows();
    if (!rows.isEditing())
        rows.edit();
    openKeyboard(this, prompter_, keyboardModes_, {mode, QString(), QString(), false});
}

void TSplitForm::btnImageClick() {
    const QString name = records_.rows().value(u"filename").asText();
    if (name.isEmpty()) {
        prompter_.information(QStringLiteral("Split is not linked to an image."));
        return;
    }
    const std::unique_ptr<TSplitImageForm> viewer =
        createForm<TSplitImageForm>(prompter_, options_.imagePath + name, this);
    if (viewer)
        showModal(*viewer);
}

void TSplitForm::btnBrowseClick() {
    const std::optional<QString> name = choosePictureName(prompter_, tr("Image"), options_.imagePath);
    if (!name)
        return;
    edtImage->setText(*name);
    setField(QStringLiteral("filename"), *name);
}

void TSplitForm::btnCopyToTabClick() {
    const std::optional<QString> ref = records_.copyToTab();
    if (ref && options_.source == QStringLiteral("TabFind")) {
        if (copiedToTab_)
            copiedToTab_(*ref);
        accept();
    }
}

void TSplitForm::btnHelpClick() { showHelp(this, prompter_, helpLines()); }

QStringList TSplitForm::helpLines() {
    return {
        QStringLiteral("Lines in every sale can be tagged with a Split marker."),
        QStringLiteral("This marker has a few uses."),
        QStringLiteral("It makes it easy to know who ordered what when it comes time to serve and pay."),
        QStringLiteral("Regular customers can be assigned a discount which will automatically adjust their bill."),
        QStringLiteral("Special short messages can be stored by Pelora and appear automatically with the order."),
        QStringLiteral("A virtual keyboard is supplied with this form to allow touch screen entry at point of sale."),
        QStringLiteral("Select the field to edit then press the keyboad button."),
    };
}

void TSplitForm::reject() {
    db::RowSet& rows = records_.rows();
    if (rows.isEditing()) {
        run([&] {
            if (prompter_.confirm(QStringLiteral("Save changes?")))
                save();
            else
                rows.cancel();
        });
        if (rows.isEditing())
            return; // a refused save keeps the split and the window
    }
    QDialog::reject();
}

} // namespace pelora
