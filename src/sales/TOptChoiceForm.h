#pragma once

#include "sales/OptionSlots.h"
#include "ui/ChoiceColumn.h"

#include <QDialog>

#include <functional>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace pelora {

class Prompter;

// The chooser of one option slot of a line: the slot's choices as a list (or, read from the
// database, as a grid of choice and price) and a button for each. A touch on a choice, or a
// double touch on the list, takes it; "Clear the Option" empties the slot; "Close" (and
// Escape) leaves it as it is. A forced slot must be chosen: it cannot be cleared, and while it
// has no choice the chooser cannot be closed.
class TOptChoiceForm : public QDialog {
    Q_OBJECT
public:
    // What the opener does with the slot. Choose gets no choice when there is none to take.
    using Choose = std::function<void(const OptionSlots::Choice* choice)>;
    using Clear = std::function<void()>;

    TOptChoiceForm(Prompter& prompter, Choose choose, Clear clear, QWidget* parent = nullptr);

    // Shows slot `n` and its choices; `grid` shows them as the grid the database was read into.
    void showSlot(int n, const OptionSlots::Slot& slot, std::vector<OptionSlots::Choice> choices, bool grid);

    // A choice button: selects its row and takes it.
    void buttontag(QPushButton* button);
    // Takes the selected row (the first when none is), or, with no row at all, says so and
    // empties the slot.
    void chooseSelected();
    void btnClearClick();

    int slot() const { return slot_; }
    const std::vector<QPushButton*>& optButtons() const { return column_.buttons(); }

    QLabel* lblButton; // the slot number, hidden
    QLabel* lblPrompt; // the slot's prompt, hidden
    QListWidget* lstOpt;
    QTableWidget* grdOpt;
    QPushButton* btnClear; // "Clear the Option"
    QPushButton* btnClose;

public Q_SLOTS:
    // Escape closes only while "Close" can be pressed.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void finish(const std::function<void()>& change);
    int selectedRow() const;
    void selectRow(int row);

    Prompter& prompter_;
    Choose choose_;
    Clear clear_;
    ChoiceColumn column_;
    std::vector<OptionSlots::Choice> choices_;
    int slot_ = 0;
    bool grid_ = false;
};

} // namespace pelora
