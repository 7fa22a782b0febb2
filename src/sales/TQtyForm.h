#pragma once

#include <QDialog>

#include <functional>
#include <vector>

class QLineEdit;
class QPushButton;

namespace pelora {

class Prompter;

// The quantity keypad: sets the quantity of the current line of list 1. "OK" takes a quantity
// above 0, or any count on the stocktake tab, that the line `fits`, and hands it to `apply`;
// "Close" changes nothing.
class TQtyForm : public QDialog {
    Q_OBJECT
public:
    TQtyForm(const QString& qty, bool stocktake, Prompter& prompter, std::function<bool(double)> fits,
             std::function<void(double)> apply, QWidget* parent = nullptr);

    QLineEdit* edtQty;
    std::vector<QPushButton*> keys; // "7" "8" "9", "4" "5" "6", "1" "2" "3", "0", "." and "C"
    QPushButton* btnDec;
    QPushButton* btnInc;
    QPushButton* btnOK;
    QPushButton* btnClose;

    bool firstTouch() const { return firstTouch_; }

    void keyClick(QChar key);
    void btnDecClick();
    void btnIncClick();
    void btnOKClick();

private:
    Prompter& prompter_;
    std::function<bool(double)> fits_;
    std::function<void(double)> apply_;
    bool stocktake_;
    bool firstTouch_ = true;
};

} // namespace pelora
