#include "sales/TabPage.h"

#include "ui/GlyphButton.h"
#include "ui/TouchWidgets.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

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
    drag_.reset();
}

void TabPage::addTabButton(GlyphButton* button) {
    button->installEventFilter(this); // idle unless the map is being edited
    tabButtons.push_back(button);
}

int TabPage::indexOf(const GlyphButton* button) const {
    const auto found = std::find(tabButtons.begin(), tabButtons.end(), button);
    return found == tabButtons.end() ? -1 : static_cast<int>(found - tabButtons.begin());
}

void TabPage::markOccupied(const std::vector<bool>& occupied) {
    for (int r = 0; r < tabList->count(); ++r) {
        const bool marked = static_cast<std::size_t>(r) < occupied.size() && occupied[static_cast<std::size_t>(r)];
        QListWidgetItem* entry = tabList->item(r);
        QFont font = entry->font();
        font.setBold(marked);
        entry->setFont(font);
        entry->setBackground(marked ? QBrush(GlyphButton::markFill()) : QBrush());
    }
    for (std::size_t i = 0; i < tabButtons.size(); ++i)
        tabButtons[i]->setMarked(i < occupied.size() && occupied[i]);
}

void TabPage::setDragging(bool on) {
    dragging_ = on;
    drag_.reset();
}

bool TabPage::eventFilter(QObject* watched, QEvent* event) {
    if (!dragging_)
        return false;
    auto* button = qobject_cast<GlyphButton*>(watched);
    if (indexOf(button) < 0)
        return false;
    switch (drag_.take(button, button, event)) {
    case ButtonDrag::Step::Moved:
        button->move(drag_.topLeft());
        button->raise();
        return true;
    case ButtonDrag::Step::Dropped:
        fitCanvas(); // the map can be scrolled to where it now stands
        Q_EMIT tabButtonDropped(button, drag_.topLeft());
        return true;
    default:
        return false;
    }
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
