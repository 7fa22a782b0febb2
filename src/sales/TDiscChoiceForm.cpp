#include "sales/TDiscChoiceForm.h"

#include "sales/DiscountTill.h"
#include "ui/BusyCursor.h"
#include "ui/GeneralError.h"
#include "ui/TouchWidgets.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace pelora {

TDiscChoiceForm::TDiscChoiceForm(DiscountTill& till, Prompter& prompter, const Target& target, QWidget* parent)
    : QDialog(parent), till_(till), prompter_(prompter), target_(target), column_(QStringLiteral("scrDisc"), this) {
    setObjectName(QStringLiteral("DiscChoiceForm"));
    setWindowTitle(QStringLiteral("DiscChoiceForm"));
    setModal(true);

    btnReset = touchButton(tr("Reset"), QStringLiteral("btnReset"), this);
    btnClose = touchButton(tr("Close"), QStringLiteral("btnClose"), this);
    connect(btnReset, &QPushButton::clicked, this, [this] { runReportingFailures(prompter_, [this] { btnResetClick(); }); });
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnReset);
    buttons->addWidget(btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(column_.box(), 1, Qt::AlignHCenter);
    layout->addLayout(buttons);

    offers_ = till_.discountOffers(target_.admin);
    std::vector<QString> captions, names;
    for (const DiscountOffer& offer : offers_) {
        captions.push_back(offer.caption());
        names.push_back(QStringLiteral("btnDisc") + offer.id);
    }
    column_.rebuild(captions, names);
    for (QPushButton* b : column_.buttons())
        connect(b, &QPushButton::clicked, this, [this, b] { runReportingFailures(prompter_, [this, b] { buttontag(b); }); });
}

QPushButton* TDiscChoiceForm::discButton(const QString& caption) const {
    for (QPushButton* b : column_.buttons())
        if (b->text() == caption)
            return b;
    return nullptr;
}

void TDiscChoiceForm::buttontag(QPushButton* button) {
    const auto& buttons = column_.buttons();
    const auto found = std::find(buttons.begin(), buttons.end(), button);
    if (found == buttons.end())
        return;
    const DiscountOffer& offer = offers_.at(static_cast<std::size_t>(found - buttons.begin()));
    bool done = false;
    {
        BusyCursor busy;
        done = till_.applyDiscount(offer, target_.list, target_.scope);
    }
    if (done)
        accept();
}

void TDiscChoiceForm::btnResetClick() {
    {
        BusyCursor busy;
        till_.resetDiscounts(target_.list, target_.scope);
    }
    accept();
}

} // namespace pelora
