#pragma once

#include "db/TextTable.h"

#include <QDialog>

class QPushButton;
class QTableWidget;

namespace pelora {

// The fast find's result list, when a code names several items: their id, name, stock number,
// bar codes and "STOP". The select button or a double-click takes the row's item and closes;
// "Close" takes nothing.
class TSearchForm : public QDialog {
    Q_OBJECT
public:
    explicit TSearchForm(const db::TextTable& found, QWidget* parent = nullptr);

    // The item taken, 0 while none is.
    int chosenId() const { return chosenId_; }
    void btnSelectClick();

    QTableWidget* grdItems;
    QPushButton* btnSelect;
    QPushButton* btnClose;

private:
    int chosenId_ = 0;
};

} // namespace pelora
