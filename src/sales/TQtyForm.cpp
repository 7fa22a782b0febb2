#include "sales/TQtyForm.h"

#include "common/Prompter.h"
#include "sales/QtyKeypad.h"
#include "ui/GeneralError.h"
#include "ui/TouchWidgets.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pelora {

TQtyForm::TQtyForm(const QString& qty, bool stocktake, Prompter& prompter, std::function<bool(double)> fits,
                   std::function<void(double)> apply, QWidget* parent)
    : QDialog(parent), prompter_(prompter), fits_(std::move(fits)), apply_(std::move(apply)), stocktake_(stocktake) {
    setObjectName(QStringLiteral("QtyForm"));
    setWindowTitle(QStringLiteral("QtyForm"));
    setModal(true);

    auto* keypad = new QGroupBox(tr("Keypad"), this);
    keypad->setObjectName(QStringLiteral("grpKeypad"));
    auto* grid = new QGridLayout(keypad);
    static constexpr char kKeys[] = "789456123";
    for (int i = 0; i < 9; ++i) {
        const QChar key = QLatin1Char(kKeys[i]);
        QPushButton* b = touchButton(key, QStringLiteral("btnKey") + key, keypad);
        grid->addWidget(b, i / 3, i % 3);
        keys.push_back(b);
    }
    QPushButton* zero = touchButton(QStringLiteral("0"), QStringLiteral("btnKey0"), keypad);
    QPushButton* dot = touchButton(QStringLiteral("."), QStringLiteral("btnKeyDot"), keypad);
    QPushButton* clear = touchButton(QStringLiteral("C"), QStringLiteral("btnKeyC"), keypad);
    grid->addWidget(zero, 3, 0);
    grid->addWidget(dot, 3, 1);
    grid->addWidget(clear, 3, 2);
    keys.push_back(zero);
    keys.push_back(dot);
    keys.push_back(clear);
    for (QPushButton* b : keys) {
        b->setMinimumSize(64, 56);
        const QChar key = b->text().front();
        connect(b, &QPushButton::clicked, this, [this, key] { keyClick(key); });
    }

    auto* qtyBox = new QGroupBox(tr("Qty"), this);
    qtyBox->setObjectName(QStringLiteral("grpQty"));
    btnDec = touchButton(QStringLiteral("-"), QStringLiteral("btnDec"), qtyBox);
    edtQty = new QLineEdit(qty, qtyBox);
    edtQty->setObjectName(QStringLiteral("edtQty"));
    edtQty->setAlignment(Qt::AlignRight);
    edtQty->setMinimumHeight(kTouchHeight);
    QFont big = edtQty->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    edtQty->setFont(big);
    btnInc = touchButton(QStringLiteral("+"), QStringLiteral("btnInc"), qtyBox);
    btnOK = touchButton(tr("OK"), QStringLiteral("btnOK"), qtyBox);
    for (QPushButton* b : {btnDec, btnInc})
        b->setMinimumWidth(56);
    auto* qtyRow = new QHBoxLayout(qtyBox);
    qtyRow->addWidget(btnDec);
    qtyRow->addWidget(edtQty, 1);
    qtyRow->addWidget(btnInc);
    qtyRow->addWidget(btnOK);

    btnClose = touchButton(tr("Close"), QStringLiteral("btnClose"), this);
    btnOK->setDefault(true); // Enter after typing a quantity

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(keypad);
    layout->addWidget(qtyBox);
    layout->addWidget(btnClose);

    connect(btnDec, &QPushButton::clicked, this, &TQtyForm::btnDecClick);
    connect(btnInc, &QPushButton::clicked, this, &TQtyForm::btnIncClick);
    connect(btnOK, &QPushButton::clicked, this, [this] { runReportingFailures(prompter_, [this] { btnOKClick(); }); });
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
}

void TQtyForm::keyClick(QChar key) { edtQty->setText(QtyKeypad::press(edtQty->text(), firstTouch_, key)); }

void TQtyForm::btnDecClick() { edtQty->setText(QtyKeypad::decrease(edtQty->text())); }

void TQtyForm::btnIncClick() { edtQty->setText(QtyKeypad::increase(edtQty->text())); }

void TQtyForm::btnOKClick() {
    const std::optional<double> qty = QtyKeypad::read(edtQty->text());
    if (!qty || !fits_(*qty)) { // a quantity the line's amounts cannot take is no quantity either
        prompter_.warning(QStringLiteral("Qty not valid."));
        return;
    }
    if (*qty <= 0 && !stocktake_) {
        prompter_.warning(QStringLiteral("Qty must be greater than zero."));
        return;
    }
    apply_(*qty);
    accept();
}

} // namespace pelora
