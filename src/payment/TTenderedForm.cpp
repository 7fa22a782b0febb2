#include "payment/TTenderedForm.h"

#include "common/Prompter.h"
#include "payment/PaymentTill.h"
#include "payment/ReceiptCommit.h"
#include "payment/Tendering.h"
#include "ui/BusyCursor.h"
#include "ui/GeneralError.h"
#include "ui/TouchWidgets.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pelora {

namespace {

constexpr int kKeySize = 64;

QFont scaled(QFont font, double factor) {
    font.setPointSizeF(font.pointSizeF() * factor);
    font.setBold(true);
    return font;
}

} // namespace

TTenderedForm::TTenderedForm(PaymentTill& till, Prompter& prompter, TenderValues values, QWidget* parent)
    : QDialog(parent), till_(till), prompter_(prompter), values_(std::move(values)) {
    setObjectName(QStringLiteral("TenderedForm"));
    setWindowTitle(tr("Tendered"));
    setModal(true);

    const bool movement = Tendering::isAccountMovement(values_.creditMode);
    lblMop = namedLabel(values_.mop, QStringLiteral("lblMop"), this);
    lblMop->setFont(scaled(lblMop->font(), 1.2));
    QString caption = tr("Total");
    if (values_.creditMode == Tendering::kCredit)
        caption = tr("Pay in (balance)");
    else if (values_.creditMode == Tendering::kDebit)
        caption = tr("Pay out (balance)");
    else if (!movement && values_.creditMode != Tendering::kSale)
        caption = tr("Total after %1 on account").arg(values_.creditMode);
    lblTotalCaption = namedLabel(caption, QStringLiteral("lblTotalCaption"), this);
    lblTotal = namedLabel(values_.total, QStringLiteral("lblTotal"), this);
    lblTotal->setFont(scaled(lblTotal->font(), 1.4));
    lblTotal->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    edtTendered = new QLineEdit(QStringLiteral("0"), this);
    edtTendered->setObjectName(QStringLiteral("edtTendered"));
    edtTendered->setReadOnly(true);
    edtTendered->setAlignment(Qt::AlignRight);
    edtTendered->setMinimumHeight(kTouchHeight);
    edtTendered->setFont(scaled(edtTendered->font(), 1.8));
    edtTendered->setFocusPolicy(Qt::NoFocus);

    pnlChange = new QFrame(this);
    pnlChange->setObjectName(QStringLiteral("pnlChange"));
    pnlChange->setFrameShape(QFrame::StyledPanel);
    lblChange = namedLabel(QString(), QStringLiteral("lblChange"), pnlChange);
    lblChange->setFont(scaled(lblChange->font(), 1.6));
    lblChange->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* changeLayout = new QHBoxLayout(pnlChange);
    changeLayout->addWidget(lblChange);
    QSizePolicy keepPlace = pnlChange->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true); // the keypad stays where the finger expects it
    pnlChange->setSizePolicy(keepPlace);
    pnlChange->hide();

    auto* keypad = new QGridLayout;
    static constexpr char kKeys[] = "7894561230.";
    for (int i = 0; i < 11; ++i) {
        const QChar key = QLatin1Char(kKeys[i]);
        QPushButton* b = touchButton(key, key == u'.' ? QStringLiteral("btnKeyDot") : QStringLiteral("btnKey") + key, this);
        b->setMinimumSize(kKeySize, kKeySize);
        keypad->addWidget(b, i / 3, i % 3);
        connect(b, &QPushButton::clicked, this, [this, key] { buttontag(key); });
        keys.push_back(b);
    }
    btnClear = touchButton(QStringLiteral("C"), QStringLiteral("btnClear"), this);
    btnClear->setMinimumSize(kKeySize, kKeySize);
    keypad->addWidget(btnClear, 3, 2);
    connect(btnClear, &QPushButton::clicked, this, &TTenderedForm::btnClearClick);

    auto* shortcuts = new QVBoxLayout;
    btnTnd10 = touchButton(QStringLiteral("10"), QStringLiteral("btnTnd10"), this);
    btnTnd20 = touchButton(QStringLiteral("20"), QStringLiteral("btnTnd20"), this);
    btnTnd50 = touchButton(QStringLiteral("50"), QStringLiteral("btnTnd50"), this);
    btnTnd100 = touchButton(QStringLiteral("100"), QStringLiteral("btnTnd100"), this);
    for (QPushButton* b : {btnTnd10, btnTnd20, btnTnd50, btnTnd100}) {
        b->setMinimumSize(kKeySize + 16, kKeySize);
        shortcuts->addWidget(b);
    }
    connect(btnTnd10, &QPushButton::clicked, this, &TTenderedForm::btnTnd10Click);
    connect(btnTnd20, &QPushButton::clicked, this, &TTenderedForm::btnTnd20Click);
    connect(btnTnd50, &QPushButton::clicked, this, &TTenderedForm::btnTnd50Click);
    connect(btnTnd100, &QPushButton::clicked, this, &TTenderedForm::btnTnd100Click);

    btnProcess = touchButton(isPreTender() ? tr("Print Check") : tr("Process"), QStringLiteral("btnProcess"), this);
    btnProcess->setFont(scaled(btnProcess->font(), 1.2));
    btnProcess->setMinimumHeight(kKeySize);
    btnClose = touchButton(tr("Close"), QStringLiteral("btnClose"), this);
    connect(btnProcess, &QPushButton::clicked, this,
            [this] { runReportingFailures(prompter_, [this] { btnProcessClick(); }); });
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);

    auto* totalRow = new QHBoxLayout;
    totalRow->addWidget(lblTotalCaption);
    totalRow->addWidget(lblTotal, 1);
    auto* pads = new QHBoxLayout;
    pads->addLayout(keypad);
    pads->addLayout(shortcuts);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnClose);
    buttons->addWidget(btnProcess, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblMop);
    layout->addLayout(totalRow);
    layout->addWidget(edtTendered);
    layout->addWidget(pnlChange);
    layout->addLayout(pads);
    layout->addLayout(buttons);
    btnProcess->setDefault(true);
}

void TTenderedForm::setTendered(const QString& text) {
    edtTendered->setText(text);
    ShowChange();
}

void TTenderedForm::buttontag(QChar key) { setTendered(Tendering::press(edtTendered->text(), key)); }

void TTenderedForm::btnTnd10Click() { setTendered(Tendering::shortcut(10)); }
void TTenderedForm::btnTnd20Click() { setTendered(Tendering::shortcut(20)); }
void TTenderedForm::btnTnd50Click() { setTendered(Tendering::shortcut(50)); }
void TTenderedForm::btnTnd100Click() { setTendered(Tendering::shortcut(100)); }

void TTenderedForm::btnClearClick() {
    edtTendered->setText(QStringLiteral("0"));
    lblChange->clear();
    QSizePolicy keepPlace = pnlChange->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true); // the keypad stays where the finger expects it
    pnlChange->setSizePolicy(keepPlace);
    pnlChange->hide();
}

void TTenderedForm::ShowChange() {
    if (Tendering::isAccountMovement(values_.creditMode))
        return;
    const QString change = Tendering::changeText(edtTendered->text(), values_.total);
    lblChange->setText(change);
    pnlChange->setVisible(!change.isEmpty());
}

Money TTenderedForm::PriorTendered(const QString& source) {
    return Tendering::priorTendered(till_.paymentDatabase(), till_.paymentTab(), source);
}

void TTenderedForm::btnProcessClick() {
    const std::optional<Money> tendered = Tendering::read(edtTendered->text());
    if (!tendered) {
        prompter_.warning(QStringLiteral("Cash tendered is invalid. Clear and try again."));
        return;
    }
    if (isPreTender()) {
        // The check window keeps the amount; it is taken only when it covers the check.
        if (lblChange->text().isEmpty())
            prompter_.information(QStringLiteral("Tender an amount."));
        else
            accept();
        return;
    }
    if (Tendering::isAccountMovement(values_.creditMode))
        processAccountMovement(*tendered);
    else
        processSale(*tendered);
}

void TTenderedForm::processSale(Money tendered) {
    const Money total = Money::parse(values_.total).value_or(Money());
    // After a part-account question the credit mode holds what goes on the account.
    const Money credit = Money::parse(values_.creditMode).value_or(Money());
    if (tendered < total) {
        prompter_.warning(QStringLiteral("Tendered amount is short."));
        return;
    }
    BusyCursor busy;
    if (!till_.processOrdersAtPayment())
        return;
    const int receiptId = till_.CommitReceipt(values_.source, values_.mop, total, tendered, credit, values_.refund == u"T");
    if (receiptId == ReceiptCommit::kTabChanged) {
        reject(); // the screen shows the lines as they are now; the payment starts again
        return;
    }
    if (receiptId < 1) {
        prompter_.error(QStringLiteral("There was a processing problem."));
        return;
    }
    till_.receiptFromTender(receiptId, tendered - total);
    accept();
}

void TTenderedForm::processAccountMovement(Money amount) {
    const bool debit = values_.creditMode == Tendering::kDebit;
    if (debit) {
        Money most = Money::parse(values_.total).value_or(Money());
        if (most < Money())
            most = -most;
        if (amount > most) {
            prompter_.information(QStringLiteral("Maximum payout is ") + most.toString());
            return;
        }
    }
    BusyCursor busy;
    const int receiptId = debit ? till_.CommitDebit(values_.mop, amount) : till_.CommitCredit(values_.mop, amount);
    if (receiptId < 1) {
        prompter_.error(QStringLiteral("There was a processing problem."));
        return;
    }
    till_.accountMoved(receiptId);
    accept();
}

} // namespace pelora
