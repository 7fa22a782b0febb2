#pragma once

#include "admin/TRecordEditorForm.h"
#include "admin/items/OptionChoices.h"

#include <QString>

#include <array>
#include <functional>
#include <map>

class QButtonGroup;
class QLabel;
class QStackedWidget;
class QTableWidget;

namespace pelora {

class ItemEditor;
class ItemPriceGrid;

// What the item editor tells the sales screen, which it does not know: whoever opens it binds
// these (each may be left empty).
struct ItemEditorHooks {
    // Buttons changed: a rename took their captions, an item and its buttons were deleted, or
    // (on closing, when no item was edited) prices were changed in the price grid.
    std::function<void()> buttonsChanged;
    // The editor closed and an item has been edited since the program started: the option
    // choices and the buttons are read again. Called under the hourglass.
    std::function<void()> closedAfterEditing;
    // An item was renamed (the button editor's caption box follows it).
    std::function<void(const QString& oldName, const QString& newName)> renamed;
};

// The item editor: the items with their prices, codes and output in "Details", their ten
// preset options in "Options", the choices of the selected option in "Option Choices", their
// categories behind "Cat", and a grid of every listed item's three prices behind "Prices".
class TItemForm : public TRecordEditorForm {
    Q_OBJECT
public:
    TItemForm(db::Connection& db, Prompter& prompter, QWidget* parent = nullptr);
    ~TItemForm() override;

    void setHooks(ItemEditorHooks hooks) { hooks_ = std::move(hooks); }
    ItemEditor& items() { return *items_; }
    OptionChoices& choices() { return choices_; }

    // Reads the outputs and the items and shows the first item's option 1.
    void open();
    // Positions on an item after open(); false when it is not listed.
    bool openOn(int itemId);

    void btnFindClick();
    void btnAllClick();
    void btnCatClick();
    // Selects option 1 to 10 in the choices group and shows its choices.
    void selectOption(int option);
    int selectedOption() const { return choices_.option(); }
    void btnChoiceInsertClick();
    void btnChoiceEditClick();
    void btnChoiceDeleteClick();
    void btnPricesClick(bool on);

    void reject() override;

    QLineEdit* edtFind;
    QPushButton* btnFind;
    QPushButton* btnAll;
    QPushButton* btnCat;
    QPushButton* btnPrices;
    QComboBox* cboOutput;
    QGroupBox* grpOptions;
    QGroupBox* grpChoices;
    std::array<QPushButton*, OptionChoices::kOptions> btnOpt{};
    QTableWidget* grdChoices;
    QPushButton* btnChoiceInsert;
    QPushButton* btnChoiceEdit;
    QPushButton* btnChoiceDelete;
    ItemPriceGrid* grdPrices;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layOutDetails(db::Connection& db);
    void layOutOptions();
    void layOutChoices();
    QLineEdit* moneyField(const QString& column, const QString& objectName, QWidget* parent);
    // The current item changed: option 1 of the item shown, the states follow.
    void followItem();
    void showChoices();
    void showItemState();
    void editChoice();
    // Runs a hook of the sales screen's, if bound; its failure is reported.
    void tell(const std::function<void()>& hook);

    ItemEditor* items_;
    Prompter& prompter_;
    OptionChoices choices_;
    ItemEditorHooks hooks_;
    QButtonGroup* optionButtons_;
    QStackedWidget* optionArea_;
    std::map<QObject*, int> optionOfField_; // each field of the options group and its option
    int shownItem_ = -1;
    bool closingReported_ = false;
};

} // namespace pelora
