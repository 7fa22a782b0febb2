#include "tabs/TTabForm.h"

#include "common/Mode.h"
#include "sales/PictureList.h"
#include "sales/TabPage.h"
#include "tabs/TTabEditForm.h"
#include "ui/FormOpener.h"
#include "ui/GeneralError.h"
#include "ui/MovementsGroup.h"
#include "ui/THelpForm.h"
#include "ui/TouchWidgets.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

namespace pelora {

namespace {

constexpr int kWindowWidth = 320;
constexpr int kNarrowestButton = 40;

} // namespace

TTabForm::TTabForm(TMainForm& till, db::Connection& db, Prompter& prompter, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), till_(till), prompter_(prompter), db_(db),
      screen_(till, db), editor_(db, prompter, screen_), accounts_(db, prompter), tabPage_(till.pgeTab) {
    setObjectName(QStringLiteral("TabForm"));
    setWindowTitle(QStringLiteral("TabForm"));
    buildButtonGroup();
    grpMovements = new MovementsGroup(this);
    buildImageGroup();
    buildFindGroup();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(2);
    layout->addWidget(grpButton);
    layout->addWidget(grpMovements);
    layout->addWidget(grpImage);
    layout->addWidget(grpFind);
    layout->addWidget(buildTabList(), 1);
    wire();
    // Narrow enough to leave most of the map in sight beside it.
    for (QPushButton* b : findChildren<QPushButton*>())
        b->setMinimumWidth(kNarrowestButton);
    resize(kWindowWidth, 700);
}

TTabForm::~TTabForm() {
    if (handedOver_ && tabPage_)
        handBack();
}

void TTabForm::buildButtonGroup() {
    grpButton = new QGroupBox(tr("Button"), this);
    grpButton->setObjectName(QStringLiteral("grpButton"));
    edtCaption = new QLineEdit(grpButton);
    edtCaption->setObjectName(QStringLiteral("edtCaption"));
    edtCaption->setMaxLength(20);
    btnSave = touchButton(tr("Save"), QStringLiteral("btnSave"), grpButton);
    btnDelBtn = touchButton(tr("Del Btn"), QStringLiteral("btnDelBtn"), grpButton);
    btnHelp = touchButton(tr("Help"), QStringLiteral("btnHelp"), grpButton);
    // A touch screen may show the window without a title bar: "Close" hands the screen back.
    btnClose = touchButton(tr("Close"), QStringLiteral("btnClose"), grpButton);
    connect(btnClose, &QPushButton::clicked, this, &QWidget::close);
    auto* grid = new QGridLayout(grpButton);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->addWidget(namedLabel(tr("Change Caption To"), QStringLiteral("lblCaption"), grpButton), 0, 0, 1, 2);
    grid->addWidget(edtCaption, 0, 2, 1, 2);
    grid->addWidget(btnSave, 1, 0);
    grid->addWidget(btnDelBtn, 1, 1);
    grid->addWidget(btnHelp, 1, 2);
    grid->addWidget(btnClose, 1, 3);
}

void TTabForm::buildImageGroup() {
    grpImage = new QGroupBox(tr("Image"), this);
    grpImage->setObjectName(QStringLiteral("grpImage"));
    cboImageLrtb = new QComboBox(grpImage);
    cboImageLrtb->setObjectName(QStringLiteral("cboImageLrtb"));
    cboImageLrtb->addItems({QStringLiteral("L"), QStringLiteral("R"), QStringLiteral("T"), QStringLiteral("B")});
    cboImageLrtb->setCurrentIndex(-1);
    cboImage = new QComboBox(grpImage);
    cboImage->setObjectName(QStringLiteral("cboImage"));
    auto* row = new QHBoxLayout(grpImage);
    row->setContentsMargins(4, 2, 4, 2);
    row->addWidget(cboImageLrtb);
    row->addWidget(cboImage, 1);
}

void TTabForm::buildFindGroup() {
    grpFind = new QGroupBox(tr("Find Item"), this);
    grpFind->setObjectName(QStringLiteral("grpFind"));
    edtFind = new QLineEdit(grpFind);
    edtFind->setObjectName(QStringLiteral("edtFind"));
    edtFind->setMaxLength(20);
    btnFind = touchButton(tr("Find"), QStringLiteral("btnFind"), grpFind);
    btnAll = touchButton(tr("All"), QStringLiteral("btnAll"), grpFind);
    auto* row = new QHBoxLayout(grpFind);
    row->setContentsMargins(4, 2, 4, 2);
    row->addWidget(edtFind, 1);
    row->addWidget(btnFind);
    row->addWidget(btnAll);
}

QWidget* TTabForm::buildTabList() {
    auto* holder = new QWidget(this);
    grdTabs = new QTableWidget(0, 1, holder);
    grdTabs->setObjectName(QStringLiteral("grdTabs"));
    grdTabs->setHorizontalHeaderLabels({QStringLiteral("REF")});
    grdTabs->horizontalHeader()->setStretchLastSection(true);
    grdTabs->verticalHeader()->hide();
    grdTabs->verticalHeader()->setDefaultSectionSize(kTouchHeight - 12); // rows a finger can hit
    grdTabs->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdTabs->setSelectionMode(QAbstractItemView::SingleSelection);
    grdTabs->setEditTriggers(QAbstractItemView::NoEditTriggers);
    btnInsert = touchButton(tr("Insert"), QStringLiteral("btnInsert"), holder);
    btnEdit = touchButton(tr("Edit"), QStringLiteral("btnEdit"), holder);
    btnDelete = touchButton(tr("Delete"), QStringLiteral("btnDelete"), holder);
    auto* bar = new QHBoxLayout;
    for (QPushButton* b : {btnInsert, btnEdit, btnDelete})
        bar->addWidget(b);
    auto* column = new QVBoxLayout(holder);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(1);
    column->addWidget(namedLabel(tr("Tab"), QStringLiteral("lblTab"), holder));
    column->addWidget(grdTabs, 1);
    column->addLayout(bar);
    return holder;
}

void TTabForm::wire() {
    auto on = [this](QPushButton* b, std::function<void()> action) {
        connect(b, &QPushButton::clicked, this, [this, action = std::move(action)] { act(action); });
    };
    on(btnSave, [this] { editor_.saveCaption(edtCaption->text()); });
    on(btnDelBtn, [this] { editor_.deleteButton(); });
    connect(btnHelp, &QPushButton::clicked, this,
            [this] { showHelp(this, prompter_, accounts_.member().helpLines); });
    connect(grpMovements, &MovementsGroup::moveAsked, this,
            [this](ButtonPlacement::Move how, int step) { act([this, how, step] { editor_.move(how, step); }); });
    choose(cboImageLrtb, [this](int index) { return editor_.setImageLrtb(cboImageLrtb->itemText(index)); });
    choose(cboImage, [this](int index) { return editor_.setImage(pictureOfChoice(till_.pictures(), index)); });
    on(btnFind, [this] {
        if (accounts_.find(edtFind->text()))
            listed();
    });
    on(btnAll, [this] {
        if (!accounts_.showAll())
            return;
        edtFind->clear();
        listed();
    });
    connect(grdTabs, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (row >= 0 && row != accounts_.rows().row())
            act([this, row] { accounts_.moveTo(row); });
    });
    // A double click puts the tab's button on the map shown.
    connect(grdTabs, &QTableWidget::cellDoubleClicked, this, [this](int row) {
        act([this, row] {
            if (!accounts_.moveTo(row))
                return;
            editor_.addButton(accounts_.currentId(), accounts_.nameAt(row));
            showSelection(true);
        });
    });
    on(btnInsert, [this] {
        if (!accounts_.insertRow())
            return;
        listed();
        screen_.redrawTabButtons();
        btnEditClick();
    });
    connect(btnEdit, &QPushButton::clicked, this, [this] { btnEditClick(); });
    on(btnDelete, [this] { accounts_.deleteRow(); });
    accounts_.renamed = [this](const QString& oldRef, const QString& newRef, long long) { tabRenamed(oldRef, newRef); };
    accounts_.deletedTab = [this](int) {
        listed();
        editor_.reloadAndShow();
    };
}

void TTabForm::choose(QComboBox* box, const std::function<bool(int index)>& change) {
    connect(box, &QComboBox::activated, this, [this, box, change](int index) {
        bool changed = false;
        act([&] { changed = change(index); });
        if (!changed && !editor_.selected())
            box->setCurrentIndex(-1);
    });
}

void TTabForm::act(const std::function<void()>& action) {
    runReportingFailures(prompter_, action);
    runReportingFailures(prompter_, [this] {
        showTabs();
        showSelection(false);
    });
}

void TTabForm::openOverTabPage() {
    till_.btnTabClick();
    runReportingFailures(prompter_, [this] { accounts_.load(); });
    grpMovements->cboStep->setCurrentText(QString::number(ButtonPlacement::kDefaultStep));
    offerPictures(*cboImage, till_.pictures(), modeIs(till_.settings().glyphMode, '1'));
    listed();
    till_.setTabMapEditor(this);
    handedOver_ = true;
    const QPoint topRight = till_.mapToGlobal(QPoint(till_.width(), 0));
    move(std::max(0, topRight.x() - width()), topRight.y());
    show();
}

void TTabForm::closeEvent(QCloseEvent* event) {
    if (handedOver_)
        handBack();
    QWidget::closeEvent(event);
}

void TTabForm::handBack() {
    editor_.clearSelection();
    till_.state().moveMode = 0;
    till_.setTabMapEditor(nullptr);
    handedOver_ = false;
}

void TTabForm::pickTabButton(int tabId, QPoint /*position*/) {
    runReportingFailures(prompter_, [&] {
        grpMovements->step();
        if (editor_.select(tabId))
            accounts_.locateId(tabId);
    });
    showTabs();
    showSelection(true);
}

void TTabForm::dropTabButton(int tabId, QPoint topLeft) {
    act([&] {
        if (editor_.select(tabId)) {
            accounts_.locateId(tabId);
            editor_.dropAt(topLeft);
        }
        showSelection(true);
    });
}

void TTabForm::clearSelection() {
    editor_.clearSelection();
    showSelection(true);
}

void TTabForm::listed() {
    editor_.clearSelection();
    showTabs();
    showSelection(true);
}

void TTabForm::tabRenamed(const QString& oldRef, const QString& newRef) {
    // The list beside the map shows refs, and the buttons still captioned with the old ref
    // took the new one: the tab map is read again.
    editor_.reloadAndShow();
    if (edtCaption->text() == oldRef)
        edtCaption->setText(newRef);
}

void TTabForm::btnEditClick() {
    if (accounts_.isEmpty())
        return;
    std::unique_ptr<TTabEditForm> dialog = makeFilledForm<TTabEditForm>(prompter_, [this] {
        return std::make_unique<TTabEditForm>(accounts_, db_, prompter_, this);
    });
    if (dialog) {
        showModal(*dialog);
        if (dialog->saved()) {
            runReportingFailures(prompter_, [this] {
                till_.ShowMap();
                till_.ShowTabBalance();
            });
        }
    }
    showTabs();
    showSelection(false);
}

void TTabForm::showSelection(bool withCaption) {
    const std::optional<TabMapEditor::Button>& b = editor_.selected();
    const QSignalBlocker quietLrtb(cboImageLrtb);
    if (!b) {
        if (withCaption)
            edtCaption->clear();
        grpMovements->clearBox();
        cboImageLrtb->setCurrentIndex(-1);
        const QSignalBlocker quiet(cboImage);
        cboImage->setCurrentIndex(-1);
        return;
    }
    if (withCaption) {
        edtCaption->setText(b->caption);
        offerPictures(*cboImage, till_.pictures(), modeIs(till_.settings().glyphMode, '1'));
    }
    grpMovements->showBox(b->box);
    // Another letter leaves the side shown as it was.
    if (const int side = cboImageLrtb->findText(b->imageLrtb); side >= 0)
        cboImageLrtb->setCurrentIndex(side);
    showPictureChoice(*cboImage, till_.pictures(), b->imageId);
}

void TTabForm::showTabs() {
    const QSignalBlocker quiet(grdTabs);
    const db::RowSet& rows = accounts_.rows();
    const int count = rows.isOpen() ? rows.rowCount() : 0;
    if (grdTabs->rowCount() != count)
        grdTabs->setRowCount(count);
    for (int r = 0; r < count; ++r) {
        const QString ref = accounts_.nameAt(r);
        if (QTableWidgetItem* item = grdTabs->item(r, 0))
            item->setText(ref);
        else
            grdTabs->setItem(r, 0, new QTableWidgetItem(ref));
    }
    if (count > 0)
        grdTabs->setCurrentCell(rows.row(), 0);
    btnEdit->setEnabled(count > 0);
    btnDelete->setEnabled(count > 0);
}

} // namespace pelora
