#include "admin/items/TItemForm.h"

#include "admin/items/ItemEditor.h"
#include "admin/items/ItemPriceGrid.h"
#include "admin/items/TICatForm.h"
#include "admin/items/TOptEditForm.h"
#include "common/Money.h"
#include "common/Placeholders.h"
#include "ui/BusyCursor.h"
#include "ui/FormOpener.h"
#include "ui/GeneralError.h"
#include "ui/TouchWidgets.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace pelora {

namespace {

constexpr int kFieldHeight = kTouchHeight - 8;
constexpr int kListWidth = 180;

QLineEdit* lineEdit(const QString& objectName, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(objectName);
    edit->setMinimumHeight(kFieldHeight);
    return edit;
}

QCheckBox* checkBox(const QString& caption, const QString& objectName, QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(objectName);
    box->setMinimumHeight(kFieldHeight);
    return box;
}

} // namespace

TItemForm::TItemForm(db::Connection& db, Prompter& prompter, QWidget* parent)
    : TRecordEditorForm(std::make_unique<ItemEditor>(db, prompter), prompter, parent),
      items_(static_cast<ItemEditor*>(&editor())), prompter_(prompter), choices_(db, prompter) {
    setObjectName(QStringLiteral("ItemForm"));
    setWindowTitle(tr("Items"));
    resize(1024, 720);
    lstRecords->setFixedWidth(kListWidth);

    // The find panel above the list.
    edtFind = lineEdit(QStringLiteral("edtFind"), this);
    edtFind->setMaxLength(20);
    btnFind = touchButton(tr("Find"), QStringLiteral("btnFind"), this);
    btnAll = touchButton(tr("All"), QStringLiteral("btnAll"), this);
    // The find panel and the navigation share the list's width, which leaves the rest to the
    // options.
    for (QWidget* w : std::initializer_list<QWidget*>{edtFind, btnFind, btnAll, btnFirst, btnPrior, btnNext, btnLast}) {
        w->setMinimumWidth(kTouchHeight);
        w->setSizePolicy(QSizePolicy::Ignored, w->sizePolicy().verticalPolicy());
    }
    auto* findButtons = new QHBoxLayout;
    findButtons->addWidget(btnFind);
    findButtons->addWidget(btnAll);
    listColumn()->insertWidget(0, edtFind);
    listColumn()->insertLayout(1, findButtons);
    connect(edtFind, &QLineEdit::returnPressed, this, [this] { btnFindClick(); });
    connect(btnFind, &QPushButton::clicked, this, [this] { btnFindClick(); });
    connect(btnAll, &QPushButton::clicked, this, [this] { btnAllClick(); });

    btnCat = touchButton(tr("Cat"), QStringLiteral("btnCat"), this);
    btnPrices = touchButton(tr("Prices"), QStringLiteral("btnPrices"), this);
    btnPrices->setCheckable(true);
    buttonBar()->insertWidget(2, btnCat);
    buttonBar()->insertWidget(4, btnPrices);
    connect(btnCat, &QPushButton::clicked, this, [this] { btnCatClick(); });
    connect(btnPrices, &QPushButton::toggled, this, [this](bool on) { btnPricesClick(on); });

    layOutDetails(db);
    layOutOptions();
    layOutChoices();

    // Below "Details": the options and their choices, or the price grid.
    auto* optionsPage = new QWidget(this);
    auto* options = new QHBoxLayout(optionsPage);
    options->setContentsMargins(0, 0, 0, 0);
    options->addWidget(grpOptions, 1);
    options->addWidget(grpChoices);
    grdPrices = new ItemPriceGrid(*items_, prompter, this);
    optionArea_ = new QStackedWidget(this);
    optionArea_->addWidget(optionsPage);
    optionArea_->addWidget(grdPrices);
    detailsColumn()->insertWidget(1, optionArea_, 1);

    // The item is written by then: a failure of the sales screen's is its own report.
    items_->setEvents({[this](const QString& oldName, const QString& newName, long long buttons) {
                           if (buttons > 0)
                               tell(hooks_.buttonsChanged);
                           if (hooks_.renamed)
                               runReportingFailures(prompter_, [&] { hooks_.renamed(oldName, newName); });
                       },
                       [this] { tell(hooks_.buttonsChanged); }});
    const db::RowSet& rows = items_->rows();
    connect(&rows, &db::RowSet::scrolled, this, [this] { followItem(); });
    connect(&rows, &db::RowSet::dataChanged, this, [this] { followItem(); });
    connect(&rows, &db::RowSet::stateChanged, this, [this] { showItemState(); });
}

TItemForm::~TItemForm() = default;

QLineEdit* TItemForm::moneyField(const QString& column, const QString& objectName, QWidget* parent) {
    QLineEdit* edit = lineEdit(objectName, parent);
    bindNumber(edit, column, true);
    connect(edit, &QLineEdit::textEdited, this, [this, column](const QString& text) { items_->typed(column, text); });
    return edit;
}

void TItemForm::layOutDetails(db::Connection& db) {
    auto* panel = new QWidget(grpDetails);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(4);
    grid->setHorizontalSpacing(4);
    const auto place = [grid](int row, int pair, const QString& label, QWidget* field) {
        grid->addWidget(new QLabel(label), row, pair * 2);
        grid->addWidget(field, row, pair * 2 + 1);
    };

    QLineEdit* name = lineEdit(QStringLiteral("edtName"), panel);
    bindText(name, QStringLiteral("name"), 20);
    setFirstField(name);
    place(0, 0, tr("Name"), name);
    QLineEdit* qty = lineEdit(QStringLiteral("edtQty"), panel);
    bindNumber(qty, QStringLiteral("qty"));
    connect(qty, &QLineEdit::textEdited, this, [this](const QString& text) { items_->typed(QStringLiteral("qty"), text); });
    place(1, 0, tr("Qty"), qty);
    for (int level = 1; level <= 3; ++level) {
        const QString n = QString::number(level);
        place(0, level, tr("Price") + n, moneyField(QStringLiteral("price") + n, QStringLiteral("edtPrice") + n, panel));
        place(1, level, tr("Cost") + n, moneyField(QStringLiteral("cost") + n, QStringLiteral("edtCost") + n, panel));
        place(2, level, tr("Tax") + n, moneyField(QStringLiteral("tax") + n, QStringLiteral("edtTax") + n, panel));
    }

    // The outputs an item may send its orders to; ids 2 to 100 are the system's own.
    cboOutput = new QComboBox(panel);
    cboOutput->setObjectName(QStringLiteral("cboOutput"));
    cboOutput->setMinimumHeight(kFieldHeight);
    std::vector<Choice> outputs{{QString(), db::Value()}};
    const db::ResultData read =
        db.run(QStringLiteral("SELECT id, name FROM output WHERE id < 2 OR id > 100 ORDER BY id"));
    for (const db::Row& row : read.rows)
        if (!placeholder::isPlaceholder(row.at(1).asText(), placeholder::kOutput)) // an output not yet named
            outputs.push_back({row.at(1).asText(), row.at(0)});
    bindCombo(cboOutput, QStringLiteral("outputid"), outputs);
    place(2, 0, tr("Output"), cboOutput);

    QLineEdit* stockNo = lineEdit(QStringLiteral("edtStockNo"), panel);
    bindText(stockNo, QStringLiteral("stockno"), 30);
    place(3, 0, tr("Stock No"), stockNo);
    QLineEdit* barcode1 = lineEdit(QStringLiteral("edtBarcode1"), panel);
    bindText(barcode1, QStringLiteral("barcode1"), 13);
    place(3, 1, tr("Barcode1"), barcode1);
    QLineEdit* barcode2 = lineEdit(QStringLiteral("edtBarcode2"), panel);
    bindText(barcode2, QStringLiteral("barcode2"), 13);
    place(3, 2, tr("Barcode2"), barcode2);
    // The two stops share the last place of the grid, one above the other, so that the details
    // fit the width of a small screen.
    auto* stops = new QWidget(panel);
    auto* stopsLayout = new QVBoxLayout(stops);
    stopsLayout->setContentsMargins(0, 0, 0, 0);
    stopsLayout->setSpacing(0);
    auto* stopDisc = new QCheckBox(tr("Stop Discount"), stops);
    stopDisc->setObjectName(QStringLiteral("chkStopDisc"));
    bindCheck(stopDisc, QStringLiteral("stopdisc"));
    auto* stopLine = new QCheckBox(tr("Stop Line Insert"), stops);
    stopLine->setObjectName(QStringLiteral("chkStopLine"));
    bindCheck(stopLine, QStringLiteral("stopline"));
    stopsLayout->addWidget(stopDisc);
    stopsLayout->addWidget(stopLine);
    grid->addWidget(stops, 3, 6, 1, 2);
    for (int pair = 0; pair < 4; ++pair)
        grid->setColumnStretch(pair * 2 + 1, 1);
    for (QLineEdit* edit : panel->findChildren<QLineEdit*>())
        edit->setMinimumWidth(70);
    name->setMinimumWidth(110);
    barcode1->setMinimumWidth(112); // thirteen digits in sight
    barcode2->setMinimumWidth(112);

    qobject_cast<QFormLayout*>(grpDetails->layout())->addRow(panel);
}

void TItemForm::layOutOptions() {
    grpOptions = new QGroupBox(tr("Options"), this);
    grpOptions->setObjectName(QStringLiteral("grpOptions"));
    auto* grid = new QGridLayout(grpOptions);
    grid->setVerticalSpacing(2);
    grid->setHorizontalSpacing(4);
    const QStringList headings{tr("Caption"), tr("Auto"), tr("Prompt"), tr("Forced"), tr("Cost"), tr("Price"), tr("Tax")};
    for (int c = 0; c < headings.size(); ++c)
        grid->addWidget(new QLabel(headings[c], grpOptions), 0, c + 1);
    for (int option = 1; option <= OptionChoices::kOptions; ++option) {
        const QString n = QString::number(option);
        const QString column = QStringLiteral("opt") + n;
        const QString name = QStringLiteral("Opt") + n;
        grid->addWidget(new QLabel(n + u'.', grpOptions), option, 0);
        QLineEdit* caption = lineEdit(QStringLiteral("edt") + name + QStringLiteral("Caption"), grpOptions);
        caption->setFixedWidth(84);
        bindText(caption, column + QStringLiteral("caption"), 10);
        QCheckBox* autoBox = checkBox(QString(), QStringLiteral("chk") + name + QStringLiteral("Auto"), grpOptions);
        bindCheck(autoBox, column + QStringLiteral("auto"));
        QLineEdit* prompt = lineEdit(QStringLiteral("edt") + name + QStringLiteral("Prompt"), grpOptions);
        bindText(prompt, column + QStringLiteral("prompt"), 50);
        QCheckBox* forced = checkBox(QString(), QStringLiteral("chk") + name + QStringLiteral("Forced"), grpOptions);
        bindCheck(forced, column + QStringLiteral("forced"));
        const std::array<QWidget*, 7> fields{
            caption,
            autoBox,
            prompt,
            forced,
            moneyField(column + QStringLiteral("cost"), QStringLiteral("edt") + name + QStringLiteral("Cost"), grpOptions),
            moneyField(column + QStringLiteral("price"), QStringLiteral("edt") + name + QStringLiteral("Price"), grpOptions),
            moneyField(column + QStringLiteral("tax"), QStringLiteral("edt") + name + QStringLiteral("Tax"), grpOptions)};
        for (std::size_t c = 0; c < fields.size(); ++c) {
            if (c >= 4)
                fields[c]->setFixedWidth(56);
            grid->addWidget(fields[c], option, static_cast<int>(c) + 1);
            fields[c]->installEventFilter(this);
            optionOfField_[fields[c]] = option;
        }
    }
    grid->setColumnStretch(3, 1);
}

void TItemForm::layOutChoices() {
    grpChoices = new QGroupBox(tr("Option Choices"), this);
    grpChoices->setObjectName(QStringLiteral("grpChoices"));
    grpChoices->setFixedWidth(275);
    optionButtons_ = new QButtonGroup(this);
    optionButtons_->setExclusive(true);
    auto* buttons = new QGridLayout;
    buttons->setSpacing(2);
    for (int option = 1; option <= OptionChoices::kOptions; ++option) {
        QPushButton* b = touchButton(QString::number(option), QStringLiteral("btnOpt%1").arg(option), grpChoices);
        b->setCheckable(true);
        optionButtons_->addButton(b, option);
        buttons->addWidget(b, (option - 1) / 5, (option - 1) % 5);
        btnOpt[static_cast<std::size_t>(option - 1)] = b;
        connect(b, &QPushButton::clicked, this, [this, option] { selectOption(option); });
    }
    grdChoices = touchGrid({QStringLiteral("CHOICE"), QStringLiteral("COST"), QStringLiteral("PRICE"), QStringLiteral("TAX")},
                           QStringLiteral("grdChoices"), grpChoices);
    grdChoices->horizontalHeader()->setStretchLastSection(false);
    grdChoices->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int c = 1; c <= 3; ++c)
        grdChoices->setColumnWidth(c, 60); // four decimals in sight
    btnChoiceInsert = touchButton(tr("Insert"), QStringLiteral("btnChoiceInsert"), grpChoices);
    btnChoiceEdit = touchButton(tr("Edit"), QStringLiteral("btnChoiceEdit"), grpChoices);
    btnChoiceDelete = touchButton(tr("Delete"), QStringLiteral("btnChoiceDelete"), grpChoices);
    auto* actions = new QHBoxLayout;
    actions->addWidget(btnChoiceInsert);
    actions->addWidget(btnChoiceEdit);
    actions->addWidget(btnChoiceDelete);
    auto* layout = new QVBoxLayout(grpChoices);
    layout->addLayout(buttons);
    layout->addWidget(grdChoices, 1);
    layout->addLayout(actions);

    connect(grdChoices, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (row >= 0)
            choices_.moveTo(row);
    });
    connect(grdChoices, &QTableWidget::cellDoubleClicked, this, [this] { btnChoiceEditClick(); });
    connect(btnChoiceInsert, &QPushButton::clicked, this, [this] { btnChoiceInsertClick(); });
    connect(btnChoiceEdit, &QPushButton::clicked, this, [this] { btnChoiceEditClick(); });
    connect(btnChoiceDelete, &QPushButton::clicked, this, [this] { btnChoiceDeleteClick(); });
}

void TItemForm::open() {
    TRecordEditorForm::open();
    followItem();
}

bool TItemForm::openOn(int itemId) {
    bool found = false;
    act([this, itemId, &found] { found = items_->locateId(itemId); });
    return found;
}

void TItemForm::followItem() {
    if (!items_->rows().isOpen())
        return; // closing
    if (items_->currentId() != shownItem_) {
        shownItem_ = items_->currentId();
        selectOption(1);
    }
    showItemState();
}

void TItemForm::showItemState() {
    if (!items_->rows().isOpen())
        return;
    const bool rows = !items_->isEmpty();
    for (QWidget* w : std::initializer_list<QWidget*>{grpOptions, grpChoices, btnCat})
        w->setEnabled(rows);
}

void TItemForm::selectOption(int option) {
    if (QAbstractButton* b = optionButtons_->button(option)) {
        const QSignalBlocker quiet(b);
        b->setChecked(true);
    }
    runReportingFailures(prompter_, [this, option] { choices_.load(items_->currentId(), option); });
    showChoices();
}

void TItemForm::showChoices() {
    const db::Query& rows = choices_.rows();
    {
        const QSignalBlocker quiet(grdChoices);
        grdChoices->setRowCount(0);
        if (rows.isOpen()) {
            grdChoices->setRowCount(rows.rowCount());
            for (int r = 0; r < rows.rowCount(); ++r) {
                grdChoices->setItem(r, 0, new QTableWidgetItem(rows.valueAt(r, rows.fieldIndex(u"choice")).asText()));
                int c = 1;
                for (const char* amount : {"cost", "price", "tax"}) {
                    auto* item = new QTableWidgetItem(moneyText(rows.valueAt(r, rows.fieldIndex(QString::fromLatin1(amount))).asDouble()));
                    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                    grdChoices->setItem(r, c++, item);
                }
            }
            if (!choices_.isEmpty())
                grdChoices->selectRow(rows.row());
        }
    }
    const bool any = !choices_.isEmpty();
    btnChoiceEdit->setEnabled(any);
    btnChoiceDelete->setEnabled(any);
}

bool TItemForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::MouseButtonPress) {
        const auto found = optionOfField_.find(watched);
        if (found != optionOfField_.end() && found->second != choices_.option())
            selectOption(found->second);
    }
    return TRecordEditorForm::eventFilter(watched, event);
}

void TItemForm::btnFindClick() {
    BusyCursor busy;
    act([this] { items_->find(edtFind->text()); });
}

void TItemForm::btnAllClick() {
    act([this] { items_->showAll(); });
}

void TItemForm::btnCatClick() {
    if (items_->isEmpty())
        return;
    if (auto form = makeFilledForm<TICatForm>(prompter_, [this] {
            auto made = std::make_unique<TICatForm>(*items_, items_->connection(), prompter_, this);
            made->open();
            return made;
        }))
        showModal(*form);
    showRows(); // "<<" and ">>" may have moved to another item
}

void TItemForm::btnChoiceInsertClick() {
    bool made = false;
    runReportingFailures(prompter_, [this, &made] {
        choices_.insertChoice();
        made = true;
    });
    showChoices();
    if (made)
        editChoice();
}

void TItemForm::btnChoiceEditClick() {
    if (!choices_.isEmpty())
        editChoice();
}

void TItemForm::editChoice() {
    const int id = choices_.currentId();
    if (auto form = makeFilledForm<TOptEditForm>(
            prompter_,
            [this] {
                auto made = std::make_unique<TOptEditForm>(choices_, prompter_, this);
                made->fill();
                return made;
            },
            QStringLiteral("Cannot open OptForm.")))
        showModal(*form);
    runReportingFailures(prompter_, [this, id] {
        choices_.reload();
        choices_.locateId(id);
    });
    showChoices();
}

void TItemForm::btnChoiceDeleteClick() {
    runReportingFailures(prompter_, [this] { choices_.deleteChoice(); });
    showChoices();
}

void TItemForm::btnPricesClick(bool on) {
    optionArea_->setCurrentIndex(on ? 1 : 0);
    grdPrices->setShown(on);
}

void TItemForm::reject() {
    TRecordEditorForm::reject();
    if (items_->rows().isOpen() || closingReported_)
        return; // still open: an edit that could not be written
    closingReported_ = true;
    if (ItemEditor::editingEverBegun()) {
        BusyCursor busy;
        tell(hooks_.closedAfterEditing);
    } else if (items_->pricesWritten()) {
        tell(hooks_.buttonsChanged);
    }
}

void TItemForm::tell(const std::function<void()>& hook) {
    if (hook)
        runReportingFailures(prompter_, hook);
}

} // namespace pelora
