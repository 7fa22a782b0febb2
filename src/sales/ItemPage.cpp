#include "sales/ItemPage.h"

#include "sales/ItemGrid.h"
#include "sales/ManRegisterPanel.h"
#include "ui/TouchWidgets.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace pelora {

ItemPage::ItemPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("pgeItem"));

    gridArea = new QScrollArea(this);
    gridArea->setObjectName(QStringLiteral("scrItems"));
    grid = new ItemGrid;
    grid->resize(0, 0);
    gridArea->setWidget(grid);
    gridArea->setWidgetResizable(false);

    btnReset = touchButton(tr("Reset"), QStringLiteral("btnReset"), this);
    btnManual = touchButton(tr("Manual"), QStringLiteral("btnManual"), this);
    btnManual->setCheckable(true);
    btnOpt = touchButton(tr("Option"), QStringLiteral("btnOpt"), this);
    btnPreProcess = touchButton(QStringLiteral("PP"), QStringLiteral("btnPreProcess"), this);
    btnPreProcess->setCheckable(true);
    // Out of sight: a waiter who left it down would keep lines from the kitchen without a word.
    // The layout's `processmode` "3" marks lines sent as they are rung up instead.
    btnPreProcess->hide();
    auto* bar = new QHBoxLayout;
    for (QPushButton* b : {btnReset, btnManual, btnOpt, btnPreProcess})
        bar->addWidget(b);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(gridArea, 1);
    layout->addLayout(bar);

    manRegister = new ManRegisterPanel(this);
    manRegister->hide();
}

void ItemPage::centreManRegister() {
    auto centred = [](int room, int size) {
        int d = room - size;
        if (d % 2 != 0)
            ++d;
        return d / 2;
    };
    manRegister->move(centred(width(), manRegister->width()), centred(height(), manRegister->height()));
    manRegister->raise();
}

void ItemPage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    centreManRegister();
}

} // namespace pelora
