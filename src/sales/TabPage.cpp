#include "sales/TabPage.h"

#include "ui/GlyphButton.h"
#include "ui/TouchWidgets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace pelora {

TabPage::TabPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("pgeTab"));

    mapArea = new QScrollArea(this);
    mapArea->setObjectName(QStringLiteral("scrMap"));
    mapCanvas = new QWidget;
    mapCanvas->setObjectName(QStringLiteral("pnlMap"));
    mapPicture = namedLabel(QString(), QStringLiteral("imgMap"), mapCanvas);
    mapPicture->setGeometry(0, 0, 0, 0);
    mapArea->setWidget(mapCanvas);
    mapArea->setWidgetResizable(false);
    mapCanvas->resize(0, 0);

    tabList = new QListWidget(this);
    tabList->setObjectName(QStringLiteral("lstTab"));
    tabList->setFixedWidth(150);
    QFont listFont = tabList->font();
    listFont.setPointSizeF(listFont.pointSizeF() * 1.25);
    tabList->setFont(listFont);
    tabList->setStyleSheet(QStringLiteral("QListWidget::item { padding: 6px 2px; }")); // rows a finger can hit

    cancelMovePanel = new QWidget(this);
    cancelMovePanel->setObjectName(QStringLiteral("pnlCancelMove"));
    cancelMovePanel->setAutoFillBackground(true);
    QPalette yellow = cancelMovePanel->palette();
    yellow.setColor(QPalette::Window, QColor(Qt::yellow));
    cancelMovePanel->setPalette(yellow);
    btnCancelMove = touchButton(tr("Cancel Move"), QStringLiteral("btnCancelMove"), cancelMovePanel);
    btnCancelMove->setMinimumHeight(32);
    lblFirstRow = namedLabel(QStringLiteral("0"), QStringLiteral("lblFirstRow"), cancelMovePanel);
    lblFirstRow->hide();
    auto* cancelLayout = new QVBoxLayout(cancelMovePanel);
    cancelLayout->setContentsMargins(4, 4, 4, 4);
    cancelLayout->addWidget(btnCancelMove);
    cancelMovePanel->setFixedWidth(150);
    setCancelMoveShown(false);

    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(tabList, 1);
    listColumn->addWidget(cancelMovePanel);

    auto* top = new QHBoxLayout;
    top->addWidget(mapArea, 1);
    top->addLayout(listColumn);

    btnMapPrior = touchButton(QStringLiteral("<<"), QStringLiteral("btnMapPrior"), this);
    btnMapNext = touchButton(QStringLiteral(">>"), QStringLiteral("btnMapNext"), this);
    btnTabFind = touchButton(tr("Find"), QStringLiteral("btnTabFind"), this);
    btnNonTab = touchButton(tr("NonTab"), QStringLiteral("btnNonTab"), this);
    btnActive = touchButton(tr("Active"), QStringLiteral("btnActive"), this);
    auto* bottom = new QHBoxLayout;
    for (QPushButton* b : {btnMapPrior, btnMapNext, btnTabFind, btnNonTab, btnActive})
        bottom->addWidget(b);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(top, 1);
    layout->addLayout(bottom);
}

void TabPage::setCancelMoveShown(bool shown) {
    cancelMovePanel->setFixedHeight(shown ? 40 : 0);
    cancelMovePanel->setVisible(shown);
}

bool TabPage::cancelMoveShown() const { return !cancelMovePanel->isHidden(); }

void TabPage::clearTabButtons() {
    // Freed once the event that may have come from one of them is done.
    for (GlyphButton* b : tabButtons) {
        b->hide();
        b->setParent(nullptr);
        b->deleteLater();
    }
    tabButtons.clear();
}

void TabPage::setMapPicture(const QPixmap& picture) {
    mapPicture->setPixmap(picture);
    mapPicture->setGeometry(QRect(QPoint(0, 0), picture.isNull() ? QSize(0, 0) : picture.size()));
    fitCanvas();
}

void TabPage::fitCanvas() {
    QRect used = mapPicture->geometry();
    for (const GlyphButton* b : tabButtons)
        used = used.united(b->geometry());
    mapCanvas->resize(used.right() + 1, used.bottom() + 1);
}

} // namespace pelora
