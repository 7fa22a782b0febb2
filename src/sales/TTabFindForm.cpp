#include "sales/TTabFindForm.h"

#include "common/Prompter.h"
#include "sales/TabSearch.h"
#include "ui/GeneralError.h"
#include "ui/GlyphButton.h"
#include "ui/TKeyBoardForm.h"
#include "ui/TouchWidgets.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace pelora {

TTabFindForm::TTabFindForm(db::Connection& db, Prompter& prompter, KeyboardModes& keyboardModes, Select select,
                           QWidget* parent)
    : QDialog(parent), db_(db), prompter_(prompter), keyboardModes_(keyboardModes),
      categories_(kColumnButtonWidth, this), select_(std::move(select)) {
    setObjectName(QStringLiteral("TabFindForm"));
    setWindowTitle(QStringLiteral("TabFindForm"));
    setModal(true);
    resize(760, 520);

    grdTabs = touchGrid({QStringLiteral("REF"), QStringLiteral("CAT")}, QStringLiteral("grdTabs"), this);
    grdTabs->setColumnWidth(0, 220);

    btnClose = touchButton(tr("Close"), QStringLiteral("btnClose"), this);
    btnShowAll = touchButton(tr("Show All"), QStringLiteral("btnShowAll"), this);
    edtSearch = new QLineEdit(this);
    edtSearch->setObjectName(QStringLiteral("edtSearch"));
    edtSearch->setReadOnly(true);
    edtSearch->setMinimumHeight(kTouchHeight);
    btnFind = touchButton(tr("Find"), QStringLiteral("btnFind"), this);
    btnRefresh = touchButton(tr("Refresh"), QStringLiteral("btnRefresh"), this);
    btnSplitForm = touchButton(tr("Split Form"), QStringLiteral("btnSplitForm"), this);
    btnSplitForm->setEnabled(false);
    btnSelect = touchButton(QString(), QStringLiteral("btnSelect"), this);
    btnSelect->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    btnSelect->setIconSize(QSize(32, 32));
    btnSelect->setMinimumWidth(72);
    btnSelect->setToolTip(tr("Select"));

    auto* centre = new QHBoxLayout;
    centre->addWidget(categories_.box());
    centre->addWidget(grdTabs, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(btnClose);
    right->addStretch();
    centre->addLayout(right);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(btnShowAll);
    bottom->addWidget(edtSearch, 1);
    for (QPushButton* b : {btnFind, btnRefresh, btnSplitForm, btnSelect})
        bottom->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(centre, 1);
    layout->addLayout(bottom);

    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnFind, &QPushButton::clicked, this, [this] { run([this] { btnFindClick(); }); });
    connect(btnRefresh, &QPushButton::clicked, this, [this] { run([this] { btnRefreshClick(); }); });
    connect(btnShowAll, &QPushButton::clicked, this, [this] { run([this] { btnShowAllClick(); }); });
    connect(btnSelect, &QPushButton::clicked, this, [this] { run([this] { btnSelectClick(); }); });
    connect(grdTabs, &QTableWidget::cellDoubleClicked, this, [this] { run([this] { btnSelectClick(); }); });
    connect(btnSplitForm, &QPushButton::clicked, this, [this] {
        if (splitEditor_)
            run([this] { splitEditor_(QString()); });
    });

    findMode_ = keyboardModes_.addSearch(QStringLiteral("tabfind"), [this](const QString& text) { searchFor(text); });
}

void TTabFindForm::setSplitEditor(SplitEditor editor) {
    splitEditor_ = std::move(editor);
    btnSplitForm->setEnabled(static_cast<bool>(splitEditor_));
}

void TTabFindForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (opened_)
        return;
    opened_ = true;
    // The keyboard comes up once the window is on screen.
    QTimer::singleShot(0, this, [this] { run([this] { btnFindClick(); }); });
}

void TTabFindForm::run(const std::function<void()>& action) { runReportingFailures(prompter_, action); }

void TTabFindForm::btnFindClick() {
    openKeyboard(this, prompter_, keyboardModes_, {QStringLiteral("tabfind"), QString(), QString(), false});
}

void TTabFindForm::search(const QString& text) {
    const TabSearch::Found found = TabSearch::search(db_, text);
    showTabs(found.tabs);
    showCategories(found.categories);
    if (found.tabs.isEmpty() && found.categories.isEmpty() && splitEditor_ &&
        prompter_.confirm(QStringLiteral("Ref not found. Search the Split?")))
        splitEditor_(text);
}

void TTabFindForm::searchFor(const QString& text) {
    edtSearch->setText(text);
    search(text);
}

void TTabFindForm::btnRefreshClick() {
    if (!edtSearch->text().isEmpty())
        search(edtSearch->text());
}

void TTabFindForm::btnShowAllClick() {
    const TabSearch::Found all = TabSearch::search(db_, QString());
    showTabs(all.tabs);
    showCategories(all.categories);
}

void TTabFindForm::btnSelectClick() {
    const int row = grdTabs->currentRow();
    if (grdTabs->rowCount() == 0 || row < 0)
        return;
    const QTableWidgetItem* ref = grdTabs->item(row, 0);
    select_(ref->data(Qt::UserRole).toInt(), ref->text());
    accept();
}

void TTabFindForm::showTabs(const db::TextTable& tabs) {
    grdTabs->setRowCount(0);
    grdTabs->setRowCount(tabs.rowCount());
    for (int r = 0; r < tabs.rowCount(); ++r) {
        auto* ref = new QTableWidgetItem(tabs.at(r, TabSearch::TabRef));
        ref->setData(Qt::UserRole, tabs.at(r, TabSearch::TabId).toInt());
        grdTabs->setItem(r, 0, ref);
        grdTabs->setItem(r, 1, new QTableWidgetItem(tabs.at(r, TabSearch::TabCat)));
    }
    if (tabs.rowCount() > 0)
        grdTabs->selectRow(0);
}

void TTabFindForm::showCategories(const db::TextTable& categories) {
    categories_.rebuild(categories, [this](const QString& category) {
        run([this, category] { showTabs(TabSearch::tabsOfCategory(db_, category)); });
    });
}

} // namespace pelora
