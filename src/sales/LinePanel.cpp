#include "sales/LinePanel.h"

#include "sales/OptionsColumn.h"
#include "ui/TouchWidgets.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace pelora {

namespace {

QTableView* lineList(const QString& name, QWidget* parent) {
    auto* view = new QTableView(parent);
    view->setObjectName(name);
    auto* columns = new QStandardItemModel(0, 3, view);
    columns->setHorizontalHeaderLabels({QStringLiteral("Qty"), QStringLiteral("Item Name"),
                                        QStringLiteral("Price")});
    view->setModel(columns);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->hide();
    view->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    view->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    view->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    view->verticalHeader()->setDefaultSectionSize(30);
    view->setEnabled(false); // the lists are read with the line lists
    return view;
}

QLabel* totalLabel(const QString& name, QWidget* parent) {
    QLabel* total = namedLabel(QStringLiteral("0.00"), name, parent);
    total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont bold = total->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    total->setFont(bold);
    return total;
}

QPushButton* smallButton(const QString& caption, const QString& name, QWidget* parent) {
    QPushButton* b = touchButton(caption, name, parent);
    b->setMinimumWidth(36);
    b->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    return b;
}

} // namespace

LinePanel::LinePanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("pnlRight"));

    // The "Tab" box is 34 high (50 with the balance figures): a small title over the tab's name.
    grpTab = new QGroupBox(tr("Tab"), this);
    grpTab->setObjectName(QStringLiteral("grpTab"));
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.7);
    grpTab->setFont(small);
    lblTabRef = namedLabel(QStringLiteral("Unknown"), QStringLiteral("lblTabRef"), grpTab);
    QFont bold = font();
    bold.setBold(true);
    bold.setPointSizeF(font().pointSizeF()); // not the title's small size
    lblTabRef->setFont(bold);
    lblBalance = namedLabel(QString(), QStringLiteral("lblBalance"), grpTab);
    lblLimit = namedLabel(QString(), QStringLiteral("lblLimit"), grpTab);
    lblAvail = namedLabel(QString(), QStringLiteral("lblAvail"), grpTab);
    QFont figures = font();
    figures.setPointSizeF(figures.pointSizeF() * 0.8);
    for (QLabel* l : {lblBalance, lblLimit, lblAvail})
        l->setFont(figures);
    auto* tabLayout = new QVBoxLayout(grpTab);
    tabLayout->setContentsMargins(6, 0, 6, 0);
    tabLayout->setSpacing(0);
    tabLayout->addWidget(lblTabRef);
    auto* balances = new QHBoxLayout;
    for (QLabel* l : {lblBalance, lblLimit, lblAvail})
        balances->addWidget(l);
    tabLayout->addLayout(balances);
    setBalanceShown(false);

    grpFastFind = new QGroupBox(tr("Fast Find"), this);
    grpFastFind->setObjectName(QStringLiteral("grpFastFind"));
    edtFind = new QLineEdit(grpFastFind);
    edtFind->setObjectName(QStringLiteral("edtFind"));
    edtFind->setMinimumHeight(36);
    edtFind->setEnabled(false); // until the layout's find mode is applied
    btnSearch = touchButton(tr("Search F9"), QStringLiteral("btnSearch"), grpFastFind);
    btnSearch->setMinimumHeight(36);
    rbBarcode = new QRadioButton(tr("Barcode"), grpFastFind);
    rbBarcode->setObjectName(QStringLiteral("rbBarcode"));
    rbStockNo = new QRadioButton(tr("StockNo"), grpFastFind);
    rbStockNo->setObjectName(QStringLiteral("rbStockNo"));
    rbBoth = new QRadioButton(tr("Both"), grpFastFind);
    rbBoth->setObjectName(QStringLiteral("rbBoth"));
    findChoice = new QButtonGroup(grpFastFind);
    for (QRadioButton* r : {rbBarcode, rbStockNo, rbBoth}) {
        findChoice->addButton(r);
        r->setEnabled(false);
    }
    rbBarcode->setChecked(true);
    auto* findLayout = new QVBoxLayout(grpFastFind);
    findLayout->setContentsMargins(6, 2, 6, 2);
    auto* findRow = new QHBoxLayout;
    findRow->addWidget(edtFind, 1);
    findRow->addWidget(btnSearch);
    auto* choiceRow = new QHBoxLayout;
    for (QRadioButton* r : {rbBarcode, rbStockNo, rbBoth})
        choiceRow->addWidget(r);
    findLayout->addLayout(findRow);
    findLayout->addLayout(choiceRow);

    tabline1 = lineList(QStringLiteral("tabline1"), this);
    lblTotal1 = totalLabel(QStringLiteral("lblTotal1"), this);
    btnQtyDec = smallButton(QStringLiteral("-"), QStringLiteral("btnQtyDec"), this);
    btnQtyInc = smallButton(QStringLiteral("+"), QStringLiteral("btnQtyInc"), this);
    btnSplit = smallButton(QStringLiteral("\u25bc"), QStringLiteral("btnSplit"), this);
    btnSplit->setToolTip(tr("Move the line to the split list"));
    btnSRef = smallButton(tr("Split"), QStringLiteral("btnSRef"), this);
    btnViewLine1 = smallButton(QStringLiteral("..."), QStringLiteral("btnViewLine1"), this);
    auto* list1Bar = new QHBoxLayout;
    list1Bar->setSpacing(2);
    for (QPushButton* b : {btnQtyDec, btnQtyInc, btnSplit, btnSRef, btnViewLine1})
        list1Bar->addWidget(b);

    pnlList2 = new QWidget(this);
    pnlList2->setObjectName(QStringLiteral("pnlList2"));
    tabline2 = lineList(QStringLiteral("tabline2"), pnlList2);
    lblTotal2 = totalLabel(QStringLiteral("lblTotal2"), pnlList2);
    btnUnSplit = smallButton(QStringLiteral("\u25b2"), QStringLiteral("btnUnSplit"), pnlList2);
    btnUnSplit->setToolTip(tr("Move the line back to the main list"));
    btnViewLine2 = smallButton(QStringLiteral("..."), QStringLiteral("btnViewLine2"), pnlList2);
    auto* list2Layout = new QVBoxLayout(pnlList2);
    list2Layout->setContentsMargins(0, 0, 0, 0);
    list2Layout->setSpacing(2);
    list2Layout->addWidget(tabline2, 1);
    auto* list2Bar = new QHBoxLayout;
    list2Bar->setSpacing(2);
    list2Bar->addWidget(btnUnSplit);
    list2Bar->addWidget(btnViewLine2);
    list2Bar->addWidget(lblTotal2, 1);
    list2Layout->addLayout(list2Bar);
    for (QPushButton* b : {btnUnSplit, btnViewLine2})
        b->setMinimumWidth(52);

    btnCheck = touchButton(tr("Check"), QStringLiteral("btnCheck"), this);
    btnProcess = touchButton(tr("Process"), QStringLiteral("btnProcess"), this);
    btnTendered = touchButton(tr("Payment"), QStringLiteral("btnTendered"), this);
    btnTendered->setMinimumHeight(60);
    QFont payFont = btnTendered->font();
    payFont.setBold(true);
    payFont.setPointSizeF(payFont.pointSizeF() * 1.2);
    btnTendered->setFont(payFont);
    auto* orderBar = new QHBoxLayout;
    orderBar->setSpacing(2);
    orderBar->addWidget(btnCheck);
    orderBar->addWidget(btnProcess);

    auto* lists = new QVBoxLayout;
    lists->setSpacing(2);
    lists->addWidget(tabline1, 3);
    lists->addWidget(lblTotal1);
    lists->addLayout(list1Bar);
    lists->addWidget(pnlList2, 2);
    lists->addLayout(orderBar);
    lists->addWidget(btnTendered);

    options = new OptionsColumn(this);
    auto* listsAndOptions = new QHBoxLayout;
    listsAndOptions->setSpacing(0);
    listsAndOptions->addLayout(lists, 1);
    listsAndOptions->addWidget(options);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(grpTab);
    layout->addWidget(grpFastFind);
    layout->addLayout(listsAndOptions, 1);
}

void LinePanel::setBalanceShown(bool shown) {
    grpTab->setFixedHeight(shown ? 50 : 34);
    for (QLabel* l : {lblBalance, lblLimit, lblAvail})
        l->setVisible(shown);
}

} // namespace pelora
