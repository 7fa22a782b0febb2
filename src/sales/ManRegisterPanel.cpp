#include "sales/ManRegisterPanel.h"

#include "ui/TouchWidgets.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pelora {

ManRegisterPanel::ManRegisterPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("pnlManRegister"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);

    auto* itemGroup = new QGroupBox(tr("Item and Price"), this);
    itemGroup->setObjectName(QStringLiteral("grpItemPrice"));
    edtItemName = new QLineEdit(QStringLiteral("Manual"), itemGroup);
    edtItemName->setObjectName(QStringLiteral("edtItemName"));
    edtItemName->setMaxLength(20);
    edtItemName->setMinimumHeight(kTouchHeight);
    lblManRegPrice = namedLabel(QStringLiteral("0"), QStringLiteral("lblManRegPrice"), itemGroup);
    lblManRegPrice->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblManRegPrice->setMinimumHeight(kTouchHeight);
    lblManRegPrice->setStyleSheet(QStringLiteral(
        "QLabel { background: black; color: white; font-weight: bold; font-size: 18pt; padding: 2px 8px; }"));
    btnKeyboard = touchButton(tr("Keyboard"), QStringLiteral("btnKeyboard"), itemGroup);
    auto* itemLayout = new QGridLayout(itemGroup);
    itemLayout->addWidget(edtItemName, 0, 0);
    itemLayout->addWidget(btnKeyboard, 0, 1);
    itemLayout->addWidget(lblManRegPrice, 1, 0, 1, 2);

    auto* keypad = new QGroupBox(tr("Keypad"), this);
    keypad->setObjectName(QStringLiteral("grpKeypad"));
    auto* keyLayout = new QGridLayout(keypad);
    const char* const captions[] = {"7", "8", "9", "4", "5", "6", "1", "2", "3", "0", ".", "C"};
    const char* const names[] = {"btnMan7", "btnMan8", "btnMan9", "btnMan4", "btnMan5", "btnMan6",
                                 "btnMan1", "btnMan2", "btnMan3", "btnMan0", "btnManDot", "btnManClear"};
    for (int i = 0; i < 12; ++i) {
        QPushButton* key = touchButton(QString::fromLatin1(captions[i]), QString::fromLatin1(names[i]), keypad);
        key->setMinimumSize(60, 52);
        keyLayout->addWidget(key, i / 3, i % 3);
        keys.push_back(key);
    }

    auto* qty = new QGroupBox(tr("Qty"), this);
    qty->setObjectName(QStringLiteral("grpManQty"));
    btnAdd = touchButton(tr("Add"), QStringLiteral("btnManAdd"), qty);
    btnTimes = touchButton(QStringLiteral("x"), QStringLiteral("btnManTimes"), qty);
    btnPayment = touchButton(tr("Payment"), QStringLiteral("btnManPayment"), qty);
    auto* qtyLayout = new QVBoxLayout(qty);
    for (QPushButton* b : {btnTimes, btnAdd, btnPayment}) {
        b->setMinimumHeight(52);
        qtyLayout->addWidget(b);
    }
    qtyLayout->addStretch();

    auto* lower = new QHBoxLayout;
    lower->addWidget(keypad);
    lower->addWidget(qty);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(itemGroup);
    layout->addLayout(lower);
    adjustSize();
}

} // namespace pelora
