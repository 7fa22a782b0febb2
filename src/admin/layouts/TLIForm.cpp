#include "admin/layouts/TLIForm.h"

#include "admin/layouts/TLinkEditForm.h"
#include "common/Mode.h"
#include "sales/ButtonFont.h"
#include "sales/ItemGrid.h"
#include "sales/ItemPage.h"
#include "ui/PlacementEditor.h"
#include "ui/FormOpener.h"
#include "ui/GeneralError.h"
#include "ui/THelpForm.h"
#include "ui/TouchWidgets.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace pelora {

namespace {

// Shows the rows of a list when they were read again since `shown`, and the row chosen.
void showNames(QListWidget* list, const NameList& names, int& shown) {
    const QSignalBlocker quiet(list);
    if (shown != names.revision()) {
        list->clear();
        for (int r = 0; r < names.count(); ++r)
            list->addItem(names.nameAt(r));
        shown = names.revision();
    }
    list->setCurrentRow(names.current());
}

} // namespace

TLIForm::TLIForm(TMainForm& till, db::Connection& db, Prompter& prompter, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), till_(till), prompter_(prompter), db_(db),
      screen_(till), editor_(db, prompter, screen_), links_(editor_), items_(editor_), grid_(till.pgeItem->grid) {
    setObjectName(QStringLiteral("LIForm"));
    setWindowTitle(tr("Buttons"));
    grpButton = new CaptionGroup(this);
    buildSpecialGroup();
    grpMovements = new MovementsGroup(this);
    grpFind = new FindGroup(this);
    QWidget* lists = buildLists();
    wire();
    layOutPlacementEditor(*this, {grpButton, grpSpecial, grpMovements, grpFind}, lists, 740);
}

TLIForm::~TLIForm() {
    if (handedOver_ && grid_)
        handBack();
}

void TLIForm::buildSpecialGroup() {
    grpSpecial = new QGroupBox(tr("Special"), this);
    grpSpecial->setObjectName(QStringLiteral("grpSpecial"));
    btnLinkTo = touchButton(tr("Select a Link Button"), QStringLiteral("btnLinkTo"), grpSpecial);
    btnColour = touchButton(tr("Box Colour"), QStringLiteral("btnColour"), grpSpecial);
    btnClearColour = touchButton(QStringLiteral("C"), QStringLiteral("btnClearColour"), grpSpecial);
    btnClearColour->setToolTip(tr("Default colour"));
    cboImageLrtb = pictureSideList(grpSpecial);
    cboImage = new QComboBox(grpSpecial);
    cboImage->setObjectName(QStringLiteral("cboImage"));
    auto* grid = new QGridLayout(grpSpecial);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->addWidget(btnLinkTo, 0, 0, 1, 4);
    grid->addWidget(btnColour, 1, 0, 1, 3);
    grid->addWidget(btnClearColour, 1, 3);
    grid->addWidget(namedLabel(tr("Image"), QStringLiteral("lblImage"), grpSpecial), 2, 0);
    grid->addWidget(cboImageLrtb, 2, 1);
    grid->addWidget(cboImage, 2, 2, 1, 2);
    grid->setColumnStretch(2, 1);
}

QWidget* TLIForm::buildLists() {
    auto* lists = new QWidget(this);
    auto column = [lists](const QString& caption, const QString& name, QListWidget*& list,
                          std::initializer_list<QPushButton*> buttons) {
        list = new QListWidget(lists);
        list->setObjectName(name);
        auto* bar = new QHBoxLayout;
        bar->setSpacing(1);
        // The two lists share the width alike, and so do the buttons under each.
        for (QPushButton* b : buttons) {
            b->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
            bar->addWidget(b);
        }
        auto* v = new QVBoxLayout;
        v->setSpacing(1);
        v->addWidget(new QLabel(caption, lists));
        v->addWidget(list, 1);
        v->addLayout(bar);
        return v;
    };
    btnLinkIns = touchButton(tr("Ins"), QStringLiteral("btnLinkIns"), lists);
    btnLinkEdt = touchButton(tr("Edt"), QStringLiteral("btnLinkEdt"), lists);
    btnLinkDel = touchButton(tr("Del"), QStringLiteral("btnLinkDel"), lists);
    btnLinkDup = touchButton(tr("Dup"), QStringLiteral("btnLinkDup"), lists);
    btnItemInsert = touchButton(tr("Insert"), QStringLiteral("btnItemInsert"), lists);
    btnItemEdit = touchButton(tr("Edit"), QStringLiteral("btnItemEdit"), lists);
    btnItemDelete = touchButton(tr("Delete"), QStringLiteral("btnItemDelete"), lists);
    auto* row = new QHBoxLayout(lists);
    row->setContentsMargins(0, 0, 0, 0);
    row->addLayout(column(tr("Link"), QStringLiteral("lstLinks"), lstLinks,
                          {btnLinkIns, btnLinkEdt, btnLinkDel, btnLinkDup}),
                   1);
    row->addLayout(column(tr("Item"), QStringLiteral("lstItems"), lstItems, {btnItemInsert, btnItemEdit, btnItemDelete}),
                   1);
    return lists;
}

void TLIForm::wire() {
    auto on = [this](QPushButton* b, std::function<void()> action) {
        connect(b, &QPushButton::clicked, this, [this, action = std::move(action)] { act(action); });
    };
    on(grpButton->btnSave, [this] { editor_.saveCaption(grpButton->edtCaption->text()); });
    on(grpButton->btnDelBtn, [this] { editor_.deleteButton(); });
    connect(grpButton->btnHelp, &QPushButton::clicked, this, [this] {
        showHelp(this, prompter_,
                 {QStringLiteral("To add a button to the layout, double click the desired object in the Link or Item grids below."),
                  QStringLiteral("The Link buttons take you to other pages."),
                  QStringLiteral("The Item buttons add lines to the sale."),
                  QStringLiteral("New buttons are added in the top left corner of the screen - beware of existing buttons "
                                 "hiding new buttons from view."),
                  QStringLiteral("The key to modifing buttons, is to click the one you want to edit, then make the changes.")});
    });
    on(btnLinkTo, [this] { editor_.followLink(); });
    on(btnColour, [this] { editor_.chooseColour(); });
    on(btnClearColour, [this] { editor_.clearColour(); });
    choose(cboImageLrtb, [this](int index) { return editor_.setImageLrtb(cboImageLrtb->itemText(index)); });
    choose(cboImage, [this](int index) {
        return editor_.setImage(pictureOfChoice(till_.pictures(), index));
    });
    connect(grpMovements, &MovementsGroup::moveAsked, this,
            [this](ButtonPlacement::Move how, int step) { act([this, how, step] { editor_.move(how, step); }); });
    on(grpFind->btnFind, [this] { items_.find(grpFind->edtFind->text()); });
    on(grpFind->btnAll, [this] {
        items_.loadAll();
        grpFind->edtFind->clear();
    });
    connect(lstLinks, &QListWidget::currentRowChanged, this, [this](int row) { links_.setCurrent(row); });
    connect(lstItems, &QListWidget::currentRowChanged, this, [this](int row) { items_.setCurrent(row); });
    // A double click puts a button of the row on the page shown.
    auto adding = [this](QListWidget* list, NameList& names, std::function<void(int, const QString&)> add) {
        connect(list, &QListWidget::itemDoubleClicked, this, [this, list, &names, add](QListWidgetItem* item) {
            act([&, row = list->row(item)] {
                names.setCurrent(row);
                add(names.currentId(), names.currentName());
                showSelection(true);
            });
        });
    };
    adding(lstLinks, links_, [this](int id, const QString& name) { editor_.addLinkButton(id, name); });
    adding(lstItems, items_, [this](int id, const QString& name) { editor_.addItemButton(id, name); });
    on(btnLinkIns, [this] {
        if (const std::optional<int> id = links_.insertLink())
            openLinkNameDialog(*id);
    });
    on(btnLinkEdt, [this] {
        if (!links_.isEmpty())
            openLinkNameDialog(links_.currentId());
    });
    on(btnLinkDel, [this] { links_.deleteLink(); });
    on(btnLinkDup, [this] {
        if (const std::optional<int> id = links_.duplicateLink())
            openLinkNameDialog(*id);
    });
    on(btnItemInsert, [this] {
        if (const std::optional<int> id = items_.insertItem())
            openItemEditor(*id);
    });
    on(btnItemEdit, [this] {
        if (!items_.isEmpty())
            openItemEditor(items_.currentId());
    });
    on(btnItemDelete, [this] { items_.deleteItem(); });
}

void TLIForm::choose(QComboBox* box, const std::function<bool(int index)>& change) {
    connect(box, &QComboBox::activated, this, [this, box, change](int index) {
        bool changed = false;
        act([&] { changed = change(index); });
        if (!changed && !editor_.selected())
            box->setCurrentIndex(-1);
    });
}

void TLIForm::act(const std::function<void()>& action) {
    runReportingFailures(prompter_, action);
    runReportingFailures(prompter_, [this] {
        showLists();
        showSelection(false);
    });
}

void TLIForm::openOverSalesScreen() {
    till_.btnLinkClick();
    till_.btnResetClick();
    till_.setManualAvailable(false);
    grpButton->edtCaption->setFont(itemButtonFont(grpButton->edtCaption->font(), till_.settings().charsetCode, 0));
    runReportingFailures(prompter_, [this] {
        links_.load();
        items_.loadAll();
    });
    grpMovements->cboStep->setCurrentText(QString::number(ButtonPlacement::kDefaultStep));
    fillPictures();
    showLists();
    showSelection(true);
    till_.setButtonEditor(this);
    handedOver_ = true;
    showAtTopRight(*this, till_);
}

void TLIForm::closeEvent(QCloseEvent* event) {
    if (handedOver_)
        handBack();
    QWidget::closeEvent(event);
}

void TLIForm::handBack() {
    links_.clear();
    items_.clear();
    editor_.clearSelection();
    till_.setButtonEditor(nullptr);
    till_.setManualAvailable(till_.manualByLayout());
    handedOver_ = false;
}

void TLIForm::pickButton(int liId, int cacheRow, std::optional<std::uint32_t> boxColour) {
    runReportingFailures(prompter_, [&] {
        editor_.select(liId, cacheRow);
        editor_.setColourPreset(boxColour);
    });
    showSelection(true);
}

void TLIForm::dropButton(int liId, int cacheRow, QPoint boxTopLeft) {
    act([&] {
        if (editor_.select(liId, cacheRow))
            editor_.dropAt(boxTopLeft);
        showSelection(true);
    });
}

void TLIForm::itemRenamed(const QString& oldName, const QString& newName) {
    if (grpButton->edtCaption->text() == oldName)
        grpButton->edtCaption->setText(newName);
}

void TLIForm::setItemEditingAllowed(bool allowed) {
    itemEditingAllowed_ = allowed;
    showLists();
}

void TLIForm::fillPictures() {
    offerPictures(*cboImage, till_.pictures(), modeIs(till_.settings().glyphMode, '1'));
}

void TLIForm::showSelection(bool withCaption) {
    const std::optional<ButtonEditor::Button>& b = editor_.selected();
    const QSignalBlocker quietLrtb(cboImageLrtb);
    if (!b) {
        grpButton->edtCaption->clear();
        grpMovements->clearBox();
        btnLinkTo->setText(tr("Select a Link Button"));
        btnLinkTo->setEnabled(false);
        cboImageLrtb->setCurrentIndex(-1);
        const QSignalBlocker quiet(cboImage);
        cboImage->setCurrentIndex(-1);
        return;
    }
    if (withCaption) {
        grpButton->edtCaption->setText(b->caption);
        fillPictures();
        if (b->linkIdLink >= 1)
            links_.locateId(b->linkIdLink);
        else
            items_.locateId(b->itemId);
        showLists();
    }
    grpMovements->showBox({b->left, b->top, b->width, b->height});
    btnLinkTo->setEnabled(b->linkIdLink >= 1);
    btnLinkTo->setText(b->linkIdLink >= 1 ? tr("Link to: ") + b->linkName : tr("Select a Link Button"));
    cboImageLrtb->setCurrentIndex(cboImageLrtb->findText(b->imageLrtb));
    showPictureChoice(*cboImage, till_.pictures(), b->imageId);
}

void TLIForm::showLists() {
    showNames(lstLinks, links_, linksShown_);
    showNames(lstItems, items_, itemsShown_);
    btnLinkEdt->setEnabled(!links_.isEmpty());
    btnLinkDel->setEnabled(!links_.isEmpty());
    btnItemInsert->setEnabled(itemEditingAllowed_);
    btnItemEdit->setEnabled(itemEditingAllowed_ && !items_.isEmpty());
    btnItemDelete->setEnabled(itemEditingAllowed_ && !items_.isEmpty());
}

void TLIForm::openLinkNameDialog(int linkId) {
    std::unique_ptr<TLinkEditForm> dialog = makeFilledForm<TLinkEditForm>(
        prompter_, [&] { return std::make_unique<TLinkEditForm>(db_, prompter_, linkId, this); });
    if (!dialog)
        return;
    showModal(*dialog);
    if (const std::optional<LinkNameEditor::Rename>& rename = dialog->rename()) {
        const bool captionHeldOld = grpButton->edtCaption->text() == rename->oldName;
        links_.renamed();
        if (captionHeldOld)
            grpButton->edtCaption->setText(rename->newName);
    } else {
        links_.load();
    }
    links_.locateId(linkId);
}

void TLIForm::openItemEditor(int itemId) {
    bool opened = false;
    if (openItemEditor_) {
        try {
            openItemEditor_(itemId);
            opened = true;
        } catch (const std::exception&) {
        }
    }
    if (!opened)
        prompter_.error(cannotOpenMessage("TItemForm"));
    items_.reload();
    items_.locateId(itemId);
    // The item editor may have read the button cache again (a deleted item takes its buttons):
    // the selection follows its button to its new cache row, or goes with it.
    runReportingFailures(prompter_, [this] { editor_.reselect(); });
    showSelection(false);
    showLists();
}

} // namespace pelora
