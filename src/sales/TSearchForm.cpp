#include "sales/TSearchForm.h"

#include "sales/FastFind.h"
#include "ui/TouchWidgets.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

namespace pelora {

TSearchForm::TSearchForm(const db::TextTable& found, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("SearchForm"));
    setWindowTitle(QStringLiteral("SearchForm"));
    setModal(true);
    resize(720, 420);

    grdItems = touchGrid({QStringLiteral("id"), QStringLiteral("name"), QStringLiteral("stockno"),
                          QStringLiteral("barcode1"), QStringLiteral("barcode2"), QStringLiteral("STOP")},
                         QStringLiteral("grdItems"), this);
    grdItems->setColumnWidth(FastFind::Name, 180);
    grdItems->setRowCount(found.rowCount());
    for (int r = 0; r < found.rowCount(); ++r)
        for (int c = FastFind::Id; c <= FastFind::Stop; ++c)
            grdItems->setItem(r, c, new QTableWidgetItem(found.at(r, c)));
    if (found.rowCount() > 0)
        grdItems->selectRow(0);

    btnSelect = touchButton(QString(), QStringLiteral("btnSelect"), this);
    btnSelect->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    btnSelect->setIconSize(QSize(32, 32));
    btnSelect->setMinimumWidth(72);
    btnSelect->setToolTip(tr("Select"));
    btnClose = touchButton(tr("Close"), QStringLiteral("btnClose"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnSelect);
    buttons->addWidget(btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grdItems, 1);
    layout->addLayout(buttons);

    connect(btnSelect, &QPushButton::clicked, this, &TSearchForm::btnSelectClick);
    connect(grdItems, &QTableWidget::cellDoubleClicked, this, &TSearchForm::btnSelectClick);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
}

void TSearchForm::btnSelectClick() {
    const int row = grdItems->currentRow();
    if (row < 0)
        return;
    chosenId_ = grdItems->item(row, FastFind::Id)->text().toInt();
    accept();
}

} // namespace pelora
