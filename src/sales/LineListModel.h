#pragma once

#include <QAbstractTableModel>

class QTableView;

namespace pelora {

namespace db {
class RowSet;
}

// A line list on screen: the columns "Qty", "Item Name" and "Price" (the extended price in the
// money format) of a live list of lines. The view's selected row follows the list's current
// line, and touching a row makes it the current line.
class LineListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    LineListModel(db::RowSet& lines, QTableView* view);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Sets up a view on a list.
    static LineListModel* show(db::RowSet& lines, QTableView* view);

private:
    void reload();
    void selectCurrent();

    db::RowSet& lines_;
    QTableView* view_;
    bool selecting_ = false;
};

} // namespace pelora
