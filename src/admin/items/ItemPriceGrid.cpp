#include "admin/items/ItemPriceGrid.h"

#include "admin/items/ItemEditor.h"
#include "common/Money.h"
#include "ui/GeneralError.h"
#include "ui/TouchWidgets.h"

#include <QAbstractItemDelegate>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include <utility>

namespace pelora {

namespace {

constexpr int kLevels = 3;

QTableWidgetItem* cell(QTableWidget* grid, int row, int column) {
    QTableWidgetItem* item = grid->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        grid->setItem(row, column, item);
    }
    return item;
}

} // namespace

ItemPriceGrid::ItemPriceGrid(ItemEditor& items, Prompter& prompter, QWidget* parent)
    : QWidget(parent), items_(items), prompter_(prompter) {
    grid = touchGrid({tr("Name"), tr("Price1"), tr("Price2"), tr("Price3")}, QStringLiteral("grdPrices"), this);
    grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    grid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    grid->horizontalHeader()->setStretchLastSection(false);
    lblEditing = namedLabel(tr("Save or cancel the item being edited to change prices here."),
                            QStringLiteral("lblPricesEditing"), this);
    lblEditing->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(lblEditing);
    layout->addWidget(grid, 1);

    // A cell's text is written once its editor has closed, when the grid may be filled again.
    connect(grid, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (!filling_ && item->column() >= 1)
            typed_ = Typed{item->row(), item->column(), item->text()};
    });
    connect(grid->itemDelegate(), &QAbstractItemDelegate::closeEditor, this, [this] {
        if (const std::optional<Typed> price = std::exchange(typed_, std::nullopt))
            priceTyped(price->row, price->level, price->text);
    });
    const db::RowSet& rows = items_.rows();
    // Filling thousands of cells is the dearest part of opening the editor: only while shown.
    connect(&rows, &db::RowSet::dataChanged, this, [this] {
        if (shown_)
            refresh();
    });
    connect(&rows, &db::RowSet::stateChanged, this, [this] {
        if (shown_)
            refresh();
    });
}

void ItemPriceGrid::setShown(bool shown) {
    shown_ = shown;
    if (shown)
        refresh();
}

void ItemPriceGrid::refresh() {
    const db::RowSet& rows = items_.rows();
    if (!rows.isOpen())
        return;
    const bool editing = items_.isEditing();
    lblEditing->setVisible(editing);
    grid->setEditTriggers(editing ? QAbstractItemView::NoEditTriggers
                                  : QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                                        QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    filling_ = true;
    grid->setRowCount(rows.rowCount());
    for (int r = 0; r < rows.rowCount(); ++r) {
        QTableWidgetItem* name = cell(grid, r, 0);
        name->setText(items_.nameAt(r));
        name->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        for (int level = 1; level <= kLevels; ++level) {
            const db::Value& price = rows.valueAt(r, rows.fieldIndex(QStringLiteral("price%1").arg(level)));
            QTableWidgetItem* item = cell(grid, r, level);
            item->setText(price.isNull() ? QString() : moneyText(price.asDouble()));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    filling_ = false;
}

void ItemPriceGrid::priceTyped(int row, int level, const QString& text) {
    runReportingFailures(prompter_, [&] { items_.writePrice(row, level, text); });
    refresh(); // a refused price shows as it was
}

} // namespace pelora
