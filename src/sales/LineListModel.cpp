#include "sales/LineListModel.h"

#include "common/Money.h"
#include "db/RowSet.h"

#include <QItemSelectionModel>
#include <QTableView>


namespace pelora {

namespace {

enum ColumnOnScreen { QtyColumn, NameColumn, PriceColumn, ColumnsOnScreen };

} // namespace

LineListModel::LineListModel(db::RowSet& lines, QTableView* view)
    : QAbstractTableModel(view), lines_(lines), view_(view) {
    connect(&lines_, &db::RowSet::dataChanged, this, &LineListModel::reload);
    connect(&lines_, &db::RowSet::scrolled, this, &LineListModel::selectCurrent);
}

LineListModel* LineListModel::show(db::RowSet& lines, QTableView* view) {
    auto* model = new LineListModel(lines, view);
    QAbstractItemModel* previous = view->model();
    view->setModel(model);
    if (previous && previous->parent() == view)
        previous->deleteLater();
    connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, model,
            [model](const QModelIndex& current) {
                if (!model->selecting_ && current.isValid())
                    model->lines_.moveTo(current.row());
            });
    view->setEnabled(true);
    return model;
}

int LineListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !lines_.isOpen() ? 0 : lines_.rowCount();
}

int LineListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnsOnScreen; }

QVariant LineListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (role == Qt::TextAlignmentRole)
        return index.column() == NameColumn ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                            : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    static const char16_t* const kColumns[] = {u"qty", u"itemname", u"extprice"};
    const int column = lines_.fieldIndex(kColumns[index.column()]);
    const db::Value& v = lines_.valueAt(index.row(), column);
    switch (index.column()) {
    case QtyColumn:
        return db::shortestDecimal(v.asDouble());
    case PriceColumn:
        return moneyText(v.asDouble());
    default:
        return v.asText();
    }
}

QVariant LineListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char* const kTitles[] = {"Qty", "Item Name", "Price"};
    return section >= 0 && section < ColumnsOnScreen ? QString::fromLatin1(kTitles[section]) : QVariant();
}

void LineListModel::reload() {
    beginResetModel();
    endResetModel();
    selectCurrent();
}

void LineListModel::selectCurrent() {
    selecting_ = true;
    if (lines_.isOpen() && !lines_.isEmpty()) {
        const QModelIndex current = index(lines_.row(), 0);
        view_->selectionModel()->setCurrentIndex(current, QItemSelectionModel::ClearAndSelect |
                                                              QItemSelectionModel::Rows);
        view_->scrollTo(current);
    } else {
        view_->selectionModel()->clear();
    }
    selecting_ = false;
}

} // namespace pelora
