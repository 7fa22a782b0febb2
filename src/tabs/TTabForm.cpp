#include "tabs/TTabForm.h"

#include "common/Mode.h"
#include "sales/PictureList.h"
#include "sales/TabPage.h"
#include "tabs/TTabEditForm.h"
#include "ui/PlacementEditor.h"
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
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

namespace pelora {

TTabForm::TTabForm(TMainForm& till, db::Connection& db, Prompter& prompter, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), till_(till), prompter_(prompter), db_(db),
      screen_(till, db), editor_(db, prompter, screen_), accounts_(db, prompter), tabPage_(till.pgeTab) {
    setObjectName(QStringLiteral("TabForm"));
    setWindowTitle(QStringLiteral("TabForm"));
    grpButton = new CaptionGroup(this);
    grpMovements = new MovementsGroup(this);
    buildImageGroup();
    grpFind = new FindGroup(this);
    QWidget* tabs = buildTabList();
    wire();
    layOutPlacementEditor(*this, {grpButton, grpMovements, grpImage, grpFind}, tabs, 700);
}

TTabForm::~TTabForm() {
    if (handedOver_ && tabPage_)
        handBack();
}

void TTabForm::buildImageGroup() {
    grpImage = new QGroupBox(tr("Image"), this);
    grpImage->setObjectName(QStringLiteral("grpImage"));
    cboImageLrtb = pictureSideList(grpImage);
    cboImage = new QComboBox(grpImage);
    cboImage->setObjectName(QStringLiteral("cboImage"));
    auto* row = new QHBoxLayout(grpImage);
    row->setContentsMargins(4, 2, 4, 2);
    row->addWidget(cboImageLrtb);
    row->addWidget(cboImage, 1);
}

QWidget* TTabForm::buildTabList() {
    auto* holder = new QWidget(this);
    grdTabs = touchGrid({QStringLiteral("REF")}, QStringLiteral("grdTabs"), holder);
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
    on(grpButton->btnSave, [this] { editor_.saveCaption(grpButton->edtCaption->text()); });
    on(grpButton->btnDelBtn, [this] { editor_.deleteButton(); });
    connect(grpButton->btnHelp, &QPushButton::clicked, this,
            [this] { showHelp(this, prompter_, accounts_.member().helpLines); });
    connect(grpMovements, &MovementsGroup::moveAsked, this,
            [this](ButtonPlacement::Move how, int step) { act([this, how, step] { editor_.move(how, step); }); });
    choose(cboImageLrtb, [this](int index) { return editor_.setImageLrtb(cboImageLrtb->itemText(index)); });
    choose(cboImage, [this](int index) { return editor_.setImage(pictureOfChoice(till_.pictures(), index)); });
    on(grpFind->btnFind, [this] {
        if (accounts_.find(grpFind->edtFind->text()))
            listed();
    });
    on(grpFind->btnAll, [this] {
        if (!accounts_.showAll())
            return;
        grpFind->edtFind->clear();
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
    showAtTopRight(*this, till_);
}

void TTabForm::closeEvent(QCloseEvent* event) {
    if (handedOver_)
        handBack();
    QWidget::closeEvent(event);
}

void TTabForm::handBack() {
    editor_.clearSelection();
    till_.state().moveMode = 0;
    till_.pgeTab->setCancelMoveShown(false);
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
    if (grpButton->edtCaption->text() == oldRef)
        grpButton->edtCaption->setText(newRef);
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
            grpButton->edtCaption->clear();
        grpMovements->clearBox();
        cboImageLrtb->setCurrentIndex(-1);
        const QSignalBlocker quiet(cboImage);
        cboImage->setCurrentIndex(-1);
        return;
    }
    if (withCaption) {
        grpButton->edtCaption->setText(b->caption);
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
