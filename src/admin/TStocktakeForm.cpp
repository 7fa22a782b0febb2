#include "admin/TStocktakeForm.h"

#include "common/Prompter.h"
#include "ui/GeneralError.h"
#include "ui/TouchWidgets.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace pelora {

namespace {

QLineEdit* readOnlyField(const QString& objectName, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(objectName);
    field->setReadOnly(true);
    return field;
}

// Figures (every column after the first of the lines) sit on the right.
void setRow(QTableWidget* grid, int row, const QStringList& texts, bool figures = false) {
    for (int c = 0; c < texts.size(); ++c) {
        auto* item = new QTableWidgetItem(texts[c]);
        if (figures && c > 0)
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->setItem(row, c, item);
    }
}

} // namespace

TStocktakeForm::TStocktakeForm(db::Connection& db, Prompter& prompter, QWidget* parent)
    : QDialog(parent), db_(db), prompter_(prompter) {
    setObjectName(QStringLiteral("StocktakeForm"));
    setWindowTitle(QStringLiteral("StocktakeForm"));
    setModal(true);
    resize(900, 600);

    grdStocktakes = touchGrid({QStringLiteral("id")}, QStringLiteral("grdStocktakes"), this);
    grdStocktakes->setFixedWidth(140);
    auto* navigation = navigationRow(this, btnFirst, btnPrior, btnNext, btnLast);
    for (QPushButton* b : {btnFirst, btnPrior, btnNext, btnLast})
        b->setFixedWidth(34);
    auto* left = new QVBoxLayout;
    left->addWidget(grdStocktakes, 1);
    left->addLayout(navigation);

    grpDetails = new QGroupBox(tr("Details"), this);
    grpDetails->setObjectName(QStringLiteral("grpDetails"));
    edtId = readOnlyField(QStringLiteral("edtId"), grpDetails);
    edtDate = readOnlyField(QStringLiteral("edtDate"), grpDetails);
    edtPCRef = readOnlyField(QStringLiteral("edtPCRef"), grpDetails);
    edtStaffRef = readOnlyField(QStringLiteral("edtStaffRef"), grpDetails);
    edtCost = readOnlyField(QStringLiteral("edtCost"), grpDetails);
    edtPrice = readOnlyField(QStringLiteral("edtPrice"), grpDetails);
    edtTax = readOnlyField(QStringLiteral("edtTax"), grpDetails);
    auto* details = new QFormLayout(grpDetails);
    details->addRow(tr("Stocktake ID"), edtId);
    details->addRow(tr("Date"), edtDate);
    details->addRow(tr("PCRef"), edtPCRef);
    details->addRow(tr("StaffRef"), edtStaffRef);
    details->addRow(tr("Cost"), edtCost);
    details->addRow(tr("Price"), edtPrice);
    details->addRow(tr("Tax"), edtTax);

    grpFind = new QGroupBox(tr("Find"), this);
    grpFind->setObjectName(QStringLiteral("grpFind"));
    edtFind = new QLineEdit(grpFind);
    edtFind->setObjectName(QStringLiteral("edtFind"));
    edtFind->setMinimumHeight(kTouchHeight - 8);
    btnFindId = touchButton(tr("Find ID"), QStringLiteral("btnFindId"), grpFind);
    btnAll = touchButton(tr("All"), QStringLiteral("btnAll"), grpFind);
    auto* find = new QVBoxLayout(grpFind);
    find->addWidget(edtFind);
    find->addWidget(btnFindId);
    find->addWidget(btnAll);
    btnClose = touchButton(tr("Close"), QStringLiteral("btnClose"), this);
    auto* right = new QVBoxLayout;
    right->addWidget(grpFind);
    right->addStretch(1);
    right->addWidget(btnClose);

    auto* top = new QHBoxLayout;
    top->addWidget(grpDetails, 1);
    top->addLayout(right);

    grdLines = touchGrid({QStringLiteral("itemname"), QStringLiteral("EXPECTED"), QStringLiteral("ACTUAL"),
                          QStringLiteral("extcost"), QStringLiteral("extprice"), QStringLiteral("exttax")},
                         QStringLiteral("grdLines"), this);
    btnDiscrepancies = touchButton(tr("Show Discrepancies Only"), QStringLiteral("btnDiscrepancies"), this);
    btnAllLines = touchButton(tr("Show All Lines"), QStringLiteral("btnAllLines"), this);
    auto* lineButtons = new QHBoxLayout;
    lineButtons->addWidget(btnDiscrepancies);
    lineButtons->addWidget(btnAllLines);
    lineButtons->addStretch(1);

    auto* middle = new QVBoxLayout;
    middle->addLayout(top);
    middle->addWidget(grdLines, 1);
    middle->addLayout(lineButtons);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(middle, 1);

    connect(btnFirst, &QPushButton::clicked, this, [this] { step(0); });
    connect(btnPrior, &QPushButton::clicked, this, [this] { step(grdStocktakes->currentRow() - 1); });
    connect(btnNext, &QPushButton::clicked, this, [this] { step(grdStocktakes->currentRow() + 1); });
    connect(btnLast, &QPushButton::clicked, this, [this] { step(grdStocktakes->rowCount() - 1); });
    connect(grdStocktakes, &QTableWidget::currentCellChanged, this, [this] {
        runReportingFailures(prompter_, [this] { showSelected(); });
    });
    connect(btnDiscrepancies, &QPushButton::clicked, this,
            [this] { runReportingFailures(prompter_, [this] { showLines(true); }); });
    connect(btnAllLines, &QPushButton::clicked, this,
            [this] { runReportingFailures(prompter_, [this] { showLines(false); }); });
    connect(btnFindId, &QPushButton::clicked, this, [this] { runReportingFailures(prompter_, [this] { btnFindIdClick(); }); });
    connect(btnAll, &QPushButton::clicked, this, [this] { runReportingFailures(prompter_, [this] { btnAllClick(); }); });
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
}

void TStocktakeForm::load() { list(StocktakeHistory::all(db_, true)); }

void TStocktakeForm::btnFindIdClick() {
    const StocktakeHistory::Found found = StocktakeHistory::parseId(edtFind->text());
    if (!found.id) {
        prompter_.information(found.refusal);
        return;
    }
    list(StocktakeHistory::withId(db_, *found.id));
}

void TStocktakeForm::btnAllClick() {
    edtFind->clear();
    list(StocktakeHistory::all(db_, false));
}

void TStocktakeForm::list(std::vector<StocktakeHistory::Stocktake> stocktakes) {
    stocktakes_ = std::move(stocktakes);
    {
        const QSignalBlocker quiet(grdStocktakes);
        grdStocktakes->setRowCount(static_cast<int>(stocktakes_.size()));
        for (int row = 0; row < grdStocktakes->rowCount(); ++row)
            setRow(grdStocktakes, row, {QString::number(stocktakes_[static_cast<std::size_t>(row)].id)});
        grdStocktakes->setCurrentCell(stocktakes_.empty() ? -1 : 0, 0);
    }
    showSelected();
}

void TStocktakeForm::step(int row) {
    if (row >= 0 && row < grdStocktakes->rowCount())
        grdStocktakes->setCurrentCell(row, 0);
}

void TStocktakeForm::showSelected() {
    const int row = grdStocktakes->currentRow();
    const StocktakeHistory::Stocktake shown =
        row >= 0 && row < static_cast<int>(stocktakes_.size()) ? stocktakes_[static_cast<std::size_t>(row)]
                                                               : StocktakeHistory::Stocktake{};
    edtId->setText(shown.id > 0 ? QString::number(shown.id) : QString());
    edtDate->setText(shown.date);
    edtPCRef->setText(shown.pcRef);
    edtStaffRef->setText(shown.staffRef);
    edtCost->setText(shown.cost);
    edtPrice->setText(shown.price);
    edtTax->setText(shown.tax);
    showLines(false);
}

void TStocktakeForm::showLines(bool discrepanciesOnly) {
    const int row = grdStocktakes->currentRow();
    std::vector<StocktakeHistory::Line> lines;
    if (row >= 0 && row < static_cast<int>(stocktakes_.size()))
        lines = StocktakeHistory::lines(db_, stocktakes_[static_cast<std::size_t>(row)].id, discrepanciesOnly);
    grdLines->setRowCount(static_cast<int>(lines.size()));
    for (int r = 0; r < grdLines->rowCount(); ++r) {
        const StocktakeHistory::Line& l = lines[static_cast<std::size_t>(r)];
        setRow(grdLines, r, {l.itemName, l.expected, l.actual, l.extCost, l.extPrice, l.extTax}, true);
    }
}

} // namespace pelora
