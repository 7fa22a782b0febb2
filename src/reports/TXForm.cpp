#include "reports/TXForm.h"

#include "ui/BusyCursor.h"
#include "ui/GeneralError.h"
#include "ui/TouchWidgets.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace pelora {

namespace {

struct GridShape {
    const char* caption;
    const char* objectName;
    const char* nameHeading;
};

constexpr std::array<GridShape, kBreakdownCount> kGrids{{
    {"PC", "grdPC", "PCREF"},
    {"Staff", "grdStaff", "STAFFREF"},
    {"Tab", "grdTab", "TABREF"},
    {"MOP", "grdMOP", "MOP"},
    {"Item", "grdItem", "ITEMNAME"},
    {"Item Cat", "grdItemCat", "ITEMCAT"},
    {"Discount", "grdDiscount", "DISCNAME"},
    {"Split", "grdSplit", "SPLITREF"},
}};

} // namespace

TXForm::TXForm(const ReportContext& context, const QString& title, XReportFigures figures)
    : QDialog(context.parent), context_(context), title_(title), figures_(std::move(figures)) {
    setObjectName(QStringLiteral("XForm"));
    setWindowTitle(tr("X"));
    setModal(true);

    grpX = new QGroupBox(tr("X"), this);
    grpX->setObjectName(QStringLiteral("grpX"));
    lblTitle = namedLabel(title_, QStringLiteral("lblTitle"), grpX);
    lblTitle->setAlignment(Qt::AlignCenter);
    QFont bigger = lblTitle->font();
    bigger.setPointSizeF(bigger.pointSizeF() * 1.3);
    bigger.setBold(true);
    lblTitle->setFont(bigger);
    const ReportTotals& t = figures_.totals;
    const auto total = [&](const char* label, Money amount, const char* name) {
        return namedLabel(QString::fromLatin1(label) + amount.toString(), QString::fromLatin1(name), grpX);
    };
    lblCost = total("Cost: ", t.cost, "lblCost");
    lblPrice = total("Price: ", t.price, "lblPrice");
    lblTax = total("Tax: ", t.tax, "lblTax");
    lblMargin = total("Margin: ", t.margin, "lblMargin");
    lblDisc = total("Disc: ", t.disc, "lblDisc");
    auto* totals = new QHBoxLayout;
    for (QLabel* label : {lblCost, lblPrice, lblTax, lblMargin, lblDisc}) {
        label->setFont(bigger);
        totals->addWidget(label, 1, Qt::AlignCenter);
    }
    auto* x = new QVBoxLayout(grpX);
    x->addWidget(lblTitle);
    x->addLayout(totals);

    auto* breakdowns = new QGridLayout;
    for (std::size_t i = 0; i < kGrids.size(); ++i) {
        const GridShape& shape = kGrids[i];
        auto* box = new QGroupBox(QString::fromLatin1(shape.caption), this);
        QTableWidget* grid = touchGrid({QString::fromLatin1(shape.nameHeading), QStringLiteral("SUMEXTPRICE")},
                                       QString::fromLatin1(shape.objectName), box);
        auto* inBox = new QVBoxLayout(box);
        inBox->setContentsMargins(4, 4, 4, 4);
        inBox->addWidget(grid);
        const std::optional<BreakdownRows>& rows = figures_.breakdowns[i];
        grid->setEnabled(rows.has_value());
        if (rows) {
            grid->setRowCount(static_cast<int>(rows->size()));
            for (int r = 0; r < static_cast<int>(rows->size()); ++r) {
                const BreakdownRow& row = (*rows)[static_cast<std::size_t>(r)];
                grid->setItem(r, 0, new QTableWidgetItem(row.name));
                auto* sum = new QTableWidgetItem(row.sum.toString());
                sum->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                grid->setItem(r, 1, sum);
            }
        }
        grids[i] = grid;
        breakdowns->addWidget(box, static_cast<int>(i % 4), static_cast<int>(i / 4));
    }

    lblCount = namedLabel(figures_.countText(), QStringLiteral("lblCount"), this);
    btnPrint = touchButton(tr("Print"), QStringLiteral("btnPrint"), this);
    btnClose = touchButton(tr("Close"), QStringLiteral("btnClose"), this);
    connect(btnPrint, &QPushButton::clicked, this, &TXForm::btnPrintClick);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblCount, 1);
    bottom->addWidget(btnPrint);
    bottom->addWidget(btnClose);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grpX);
    layout->addLayout(breakdowns, 1);
    layout->addLayout(bottom);
    resize(1000, 720);
}

TXForm::~TXForm() = default;

void TXForm::btnPrintClick() {
    runReportingFailures(context_.prompter(), [this] {
        BusyCursor busy;
        printXReport(context_.printing, title_, figures_);
    });
}

} // namespace pelora
