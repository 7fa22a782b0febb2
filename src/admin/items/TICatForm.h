#pragma once

#include "admin/items/ItemCategories.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace pelora {

class Prompter;
class RecordEditor;

// The categories of the item editor's current item: "<<" and ">>" move the editor to the prior
// or next item, "Add" gives the item a category typed or chosen from those other items have,
// "Remove Cat" takes one away and "Topcat Toggle" sets or clears the one the docket totals by.
class TICatForm : public QDialog {
    Q_OBJECT
public:
    TICatForm(RecordEditor& items, db::Connection& db, Prompter& prompter, QWidget* parent = nullptr);

    // Reads the names offered and the current item's categories.
    void open();
    ItemCategories& categories() { return categories_; }

    void btnPriorClick();
    void btnNextClick();
    void btnAddClick();
    void btnRemoveCatClick();
    void btnTopcatToggleClick();

    QGroupBox* grpItem;
    QLabel* lblItem;
    QPushButton* btnPrior;
    QPushButton* btnNext;
    QPushButton* btnClose;
    QTableWidget* grdCats;
    QPushButton* btnTopcatToggle;
    QPushButton* btnRemoveCat;
    QComboBox* cboCat;
    QPushButton* btnAdd;

private:
    // Reads the categories of the editor's current item and shows them.
    void loadItem();
    void showCats();
    void act(const std::function<void()>& action);

    RecordEditor& items_;
    Prompter& prompter_;
    ItemCategories categories_;
};

} // namespace pelora
