#include "payment/ReceiptListModel.h"

#include "common/DateTimeText.h"
#include "common/Money.h"
#include "payment/ReceiptList.h"

namespace pelora {

namespace {

enum ShownColumn { IdColumn, StampColumn, TotalColumn, TenderedColumn, MopColumn, CrColumn };

bool isMoney(int column) { return column == TotalColumn || column == TenderedColumn || column == CrColumn; }

} // namespace

ReceiptListModel::ReceiptListModel(const ReceiptList& receipts, QObject* parent)
    : QAbstractTableModel(parent), receipts_(receipts) {}

int ReceiptListModel::rowCount(const QModelIndex& parent) const {
    const db::Query& q = receipts_.receipt1();
    return parent.isValid() || !q.isOpen() ? 0 : q.rowCount();
}

int ReceiptListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(ReceiptList::shownColumns().size());
}

QVariant ReceiptListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const int column = index.column();
    if (role == Qt::TextAlignmentRole)
        return isMoney(column) || column == IdColumn ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                                     : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    // The list's columns come in the grid's order.
    const db::Value& v = receipts_.receipt1().valueAt(index.row(), column);
    if (v.isNull())
        return QString();
    if (isMoney(column))
        return moneyText(v.asDouble());
    if (column == StampColumn)
        return dateTimeDisplay(v.asDateTime());
    return v.asText();
}

QVariant ReceiptListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= ReceiptList::shownColumns().size())
        return {};
    if (section == TenderedColumn)
        return QStringLiteral("TEND.");
    return ReceiptList::shownColumns().at(section).toUpper();
}

void ReceiptListModel::reload() {
    beginResetModel();
    endResetModel();
}

} // namespace pelora
