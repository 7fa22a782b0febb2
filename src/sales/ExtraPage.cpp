#include "sales/ExtraPage.h"

#include "ui/TouchWidgets.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>

namespace pelora {

ExtraPage::ExtraPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("pgeExtra"));
    grpExtra = new QGroupBox(tr("Extra"), this);
    grpExtra->setObjectName(QStringLiteral("grpExtra"));

    btnMove = touchButton(tr("Move"), QStringLiteral("btnMove"), grpExtra);
    btnDelete = touchButton(tr("Delete"), QStringLiteral("btnDelete"), grpExtra);
    btnDiscount = touchButton(tr("Discount"), QStringLiteral("btnDiscount"), grpExtra);
    btnRefund = touchButton(tr("Refund"), QStringLiteral("btnRefund"), grpExtra);
    btnCredit = touchButton(QStringLiteral("A/C Cr"), QStringLiteral("btnCredit"), grpExtra);
    btnReBalance = touchButton(QStringLiteral("Re-Bal"), QStringLiteral("btnReBalance"), grpExtra);
    btnNoSale = touchButton(tr("No Sale"), QStringLiteral("btnNoSale"), grpExtra);
    btnTabHist = touchButton(tr("History"), QStringLiteral("btnTabHist"), grpExtra);
    btnTabOrder = touchButton(tr("Order"), QStringLiteral("btnTabOrder"), grpExtra);
    btnStocktake = touchButton(tr("Stocktake"), QStringLiteral("btnStocktake"), grpExtra);

    // Lines moved and deleted, money moved, the drawer, then the kitchen and the count.
    auto* grid = new QGridLayout(grpExtra);
    grid->setSpacing(10);
    QPushButton* const order[] = {btnMove,   btnDelete,    btnDiscount, btnRefund,
                                  btnCredit, btnReBalance, btnNoSale,   btnTabHist,
                                  btnTabOrder, btnStocktake};
    int i = 0;
    for (QPushButton* button : order) {
        button->setMinimumSize(130, 64);
        grid->addWidget(button, i / 2, i % 2);
        ++i;
    }

    auto* layout = new QGridLayout(this);
    layout->addWidget(grpExtra, 1, 1);
    layout->setRowStretch(0, 1);
    layout->setRowStretch(2, 1);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(2, 1);
}

} // namespace pelora
