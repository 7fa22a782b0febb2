#include "payment/TMopChoiceForm.h"

#include "common/Prompter.h"
#include "db/TextTable.h"
#include "payment/AccountBalance.h"
#include "payment/PaymentTill.h"
#include "payment/ReceiptCommit.h"
#include "payment/TTenderedForm.h"
#include "payment/Tendering.h"
#include "ui/BusyCursor.h"
#include "ui/FormOpener.h"
#include "ui/GeneralError.h"
#include "ui/TouchWidgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace pelora {

namespace {
Money amountOf(const QString& formatted) {
    const std::optional<Money> amount = Money::parse(formatted);
    if (!amount)
        throw std::invalid_argument("the chooser's total is not an amount");
    return *amount;
}
} // namespace

TMopChoiceForm::TMopChoiceForm(PaymentTill& till, Prompter& prompter, QWidget* parent)
    : QDialog(parent), till_(till), prompter_(prompter), mopColumn_(QStringLiteral("scrMop"), this) {
    setObjectName(QStringLiteral("MopChoiceForm"));
    setWindowTitle(tr("Payment"));
    setModal(true);

    lblCaption = namedLabel(QString(), QStringLiteral("lblCaption"), this);
    lblTotal = namedLabel(QString(), QStringLiteral("lblTotal"), this);
    QFont big = lblTotal->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.4);
    lblTotal->setFont(big);
    for (QLabel* l : {lblCaption, lblTotal})
        l->setAlignment(Qt::AlignCenter);

    scrMop = mopColumn_.box();

    btnClose = touchButton(tr("Close"), QStringLiteral("btnClose"), this);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblCaption);
    layout->addWidget(lblTotal);
    layout->addWidget(scrMop, 1);
    layout->addWidget(btnClose);
}

void TMopChoiceForm::showValues() {
    QString caption = tr("Payment");
    if (refund == u"T")
        caption = tr("Refund");
    else if (creditMode == Tendering::kCredit)
        caption = tr("Pay in: balance");
    else if (creditMode == Tendering::kDebit)
        caption = tr("Pay out: balance");
    else if (creditMode != Tendering::kSale)
        caption = tr("Rest after %1 on account").arg(creditMode);
    lblCaption->setText(caption);
    lblTotal->setText(total);
}

void TMopChoiceForm::BuildMopButtons(const db::TextTable& mops) {
    std::vector<QString> names, objectNames;
    for (int r = 0; r < mops.rowCount(); ++r) {
        names.push_back(mops.at(r, 1));
        objectNames.push_back(QStringLiteral("btnMop") + mops.at(r, 0));
    }
    mopColumn_.rebuild(names, objectNames);
    mopButtons = mopColumn_.buttons();
    const bool accountShut = Tendering::isAccountMovement(creditMode) || till_.paymentTab() == 1;
    for (QPushButton* b : mopButtons) {
        b->setEnabled(!(b->text() == QLatin1String(kAccount) && accountShut));
        connect(b, &QPushButton::clicked, this, [this, b] { runReportingFailures(prompter_, [this, b] { buttontag(b); }); });
    }
    showValues();
    adjustSize();
}

QPushButton* TMopChoiceForm::mopButton(const QString& name) const {
    for (QPushButton* b : mopButtons)
        if (b->text() == name)
            return b;
    return nullptr;
}

void TMopChoiceForm::buttontag(QPushButton* button) {
    const QString method = button->text();
    if (refund == u"T")
        refundNow(method);
    else if (method != QLatin1String(kAccount))
        openTender(method);
    else
        chargeAccount(button);
}

bool TMopChoiceForm::finishCommit(int receiptId) {
    if (receiptId == ReceiptCommit::kTabChanged) {
        reject(); // the screen shows the lines as they are now; the payment starts again
        return false;
    }
    if (receiptId < 1) {
        prompter_.error(QStringLiteral("There was a processing problem."));
        return false;
    }
    till_.receiptFromChooser(receiptId, source);
    accept();
    return true;
}

void TMopChoiceForm::refundNow(const QString& method) {
    const Money amount = amountOf(total);
    const Money credit = method == QLatin1String(kAccount) ? amount : Money();
    bool done = false;
    {
        BusyCursor busy;
        done = finishCommit(till_.CommitReceipt(source, method, amount, Money(), credit, true));
    }
    if (done)
        prompter_.information(QStringLiteral("Refund of ") + amount.toString() + QStringLiteral(" as ") + method +
                              QStringLiteral(" accepted."));
}

void TMopChoiceForm::chargeAccount(QPushButton* accountButton) {
    const AccountCredit account = readAccountCredit(till_.paymentDatabase(), till_.paymentTab());
    const Money available = account.available();
    const Money due = amountOf(total);
    if (available.isZero()) {
        prompter_.information(account.stopped() ? QStringLiteral("Credit Stopped. Zero Credit available.")
                                                : QStringLiteral("Zero Credit available."));
        return;
    }
    if (due <= available) {
        BusyCursor busy;
        // The kitchen hears of an account sale before it is recorded, as of any other sale.
        if (!till_.processOrdersAtPayment())
            return;
        finishCommit(till_.CommitReceipt(source, QString::fromLatin1(kAccount), due, Money(), due, refund == u"T"));
        return;
    }
    if (!prompter_.confirm(Tendering::partAccountQuestion(available, due)))
        return;
    creditMode = available.toString();
    total = (due - available).toString();
    accountButton->setEnabled(false);
    showValues();
}

void TMopChoiceForm::openTender(const QString& method) {
    std::unique_ptr<TTenderedForm> form;
    try {
        form = std::make_unique<TTenderedForm>(till_, prompter_, TenderValues{total, source, method, creditMode, refund},
                                               parentWidget());
        if (!Tendering::isAccountMovement(creditMode)) {
            const Money prior = form->PriorTendered(source);
            if (prior > Money()) {
                form->edtTendered->setText(prior.toString());
                form->ShowChange();
            }
        }
    } catch (const std::exception& failure) {
        reportFailureAs(prompter_, failure, cannotOpenMessage(TTenderedForm::staticMetaObject.className()));
        return;
    }
    hide();
    accept();
    showModal(*form);
}

} // namespace pelora
