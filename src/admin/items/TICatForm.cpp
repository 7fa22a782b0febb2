#include "admin/items/TICatForm.h"

#include "admin/RecordEditor.h"
#include "ui/GeneralError.h"
#include "ui/TouchWidgets.h"

#include <QComboBox>
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

TICatForm::TICatForm(RecordEditor& items, db::Connection& db, Prompter& prompter, QWidget* parent)
    : QDialog(parent), items_(items), prompter_(prompter), categories_(db, prompter) {
    setObjectName(QStringLiteral("ICatForm"));
    setWindowTitle(tr("Item Categories"));
    setModal(true);
    resize(460, 520);

    grpItem = new QGroupBox(tr("Item"), this);
    grpItem->setObjectName(QStringLiteral("grpItem"));
    lblItem = namedLabel(QString(), QStringLiteral("lblItem"), grpItem);
    QFont bold = lblItem->font();
    bold.setBold(true);
    lblItem->setFont(bold);
    btnPrior = touchButton(QStringLiteral("<<"), QStringLiteral("btnPrior"), grpItem);
    btnNext = touchButton(QStringLiteral(">>"), QStringLiteral("btnNext"), grpItem);
    btnClose = touchButton(tr("Close"), QStringLiteral("btnClose"), grpItem);
    auto* item = new QHBoxLayout(grpItem);
    item->addWidget(lblItem, 1);
    item->addWidget(btnPrior);
    item->addWidget(btnNext);
    item->addWidget(btnClose);

    grdCats = touchGrid({QStringLiteral("CAT"), QStringLiteral("TOPCAT")}, QStringLiteral("grdCats"), this);
    grdCats->horizontalHeader()->setStretchLastSection(false);
    grdCats->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    grdCats->setColumnWidth(1, 90);
    btnTopcatToggle = touchButton(tr("Topcat Toggle"), QStringLiteral("btnTopcatToggle"), this);
    btnRemoveCat = touchButton(tr("Remove Cat"), QStringLiteral("btnRemoveCat"), this);
    auto* changes = new QHBoxLayout;
    changes->addWidget(btnTopcatToggle);
    changes->addWidget(btnRemoveCat);
    changes->addStretch(1);

    cboCat = new QComboBox(this);
    cboCat->setObjectName(QStringLiteral("cboCat"));
    cboCat->setEditable(true);
    cboCat->setInsertPolicy(QComboBox::NoInsert);
    cboCat->setMinimumHeight(kTouchHeight);
    cboCat->lineEdit()->setMaxLength(20);
    btnAdd = touchButton(tr("Add"), QStringLiteral("btnAdd"), this);
    auto* foot = new QHBoxLayout;
    foot->addWidget(cboCat, 1);
    foot->addWidget(btnAdd);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grpItem);
    layout->addWidget(grdCats, 1);
    layout->addLayout(changes);
    layout->addLayout(foot);

    connect(btnPrior, &QPushButton::clicked, this, [this] { btnPriorClick(); });
    connect(btnNext, &QPushButton::clicked, this, [this] { btnNextClick(); });
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnAdd, &QPushButton::clicked, this, [this] { btnAddClick(); });
    connect(btnRemoveCat, &QPushButton::clicked, this, [this] { btnRemoveCatClick(); });
    connect(btnTopcatToggle, &QPushButton::clicked, this, [this] { btnTopcatToggleClick(); });
    connect(grdCats, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (row >= 0)
            categories_.moveTo(row);
    });
}

void TICatForm::open() {
    categories_.loadOffered();
    cboCat->addItems(categories_.offered());
    cboCat->setCurrentIndex(-1);
    cboCat->setEditText(QString());
    loadItem();
    showCats();
}

void TICatForm::act(const std::function<void()>& action) {
    runReportingFailures(prompter_, action);
    showCats();
}

void TICatForm::loadItem() {
    categories_.load(items_.currentId(), items_.rows().value(u"name").asText());
}

void TICatForm::btnPriorClick() {
    act([this] {
        if (items_.move(RecordEditor::Move::Prior))
            loadItem();
    });
}

void TICatForm::btnNextClick() {
    act([this] {
        if (items_.move(RecordEditor::Move::Next))
            loadItem();
    });
}

void TICatForm::btnAddClick() {
    act([this] {
        if (categories_.add(cboCat->currentText()))
            cboCat->setEditText(QString());
    });
}

void TICatForm::btnRemoveCatClick() {
    act([this] { categories_.removeCurrent(); });
}

void TICatForm::btnTopcatToggleClick() {
    act([this] { categories_.toggleTop(); });
}

void TICatForm::showCats() {
    lblItem->setText(categories_.itemName());
    const db::Query& rows = categories_.rows();
    const QSignalBlocker quiet(grdCats);
    grdCats->setRowCount(0);
    if (rows.isOpen()) {
        grdCats->setRowCount(rows.rowCount());
        for (int r = 0; r < rows.rowCount(); ++r) {
            grdCats->setItem(r, 0, new QTableWidgetItem(rows.valueAt(r, rows.fieldIndex(u"cat")).asText()));
            auto* top = new QTableWidgetItem(rows.valueAt(r, rows.fieldIndex(u"topcat")).asText());
            top->setTextAlignment(Qt::AlignCenter);
            grdCats->setItem(r, 1, top);
        }
        if (!categories_.isEmpty())
            grdCats->selectRow(rows.row());
    }
    const bool any = !categories_.isEmpty();
    btnTopcatToggle->setEnabled(any);
    btnRemoveCat->setEnabled(any);
}

} // namespace pelora
