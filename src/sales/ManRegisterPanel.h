#pragma once

#include <QFrame>

#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

namespace pelora {

// The manual register: a cash-register keypad on the Item page for free-priced lines.
class ManRegisterPanel : public QFrame {
    Q_OBJECT
public:
    explicit ManRegisterPanel(QWidget* parent = nullptr);

    QLineEdit* edtItemName;
    QLabel* lblManRegPrice;
    QPushButton* btnKeyboard;
    std::vector<QPushButton*> keys; // "7" "8" "9", "4" "5" "6", "1" "2" "3", "0", "." and "C"
    QPushButton* btnAdd;
    QPushButton* btnTimes;
    QPushButton* btnPayment;
};

} // namespace pelora
