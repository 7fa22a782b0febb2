#pragma once

#include <QAbstractTableModel>

namespace pelora {

class ReceiptList;

// The receipt list on screen: one row per receipt as the list read it, the columns in the
// list's order, the amounts in the money format. Rows are drawn from the rows read, without a
// copy, so that a long history opens as fast as it reads.
class ReceiptListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    ReceiptListModel(const ReceiptList& receipts, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The list was read again.
    void reload();

private:
    const ReceiptList& receipts_;
};

} // namespace pelora
