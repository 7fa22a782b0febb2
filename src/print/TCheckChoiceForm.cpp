#include "print/TCheckChoiceForm.h"

#include "common/Prompter.h"
#include "payment/TTenderedForm.h"
#include "payment/Tendering.h"
#include "print/CheckPaper.h"
#include "print/PreTender.h"
#include "ui/BusyCursor.h"
#include "ui/FormOpener.h"
#include "ui/GeneralError.h"
#include "ui/TouchWidgets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

namespace pelora {

namespace {

constexpr const char* kRef = "splitref";
constexpr int kLeft = 5;
constexpr int kTop = 5;
constexpr int kStep = 40;
constexpr int kHeight = 35;
constexpr int kCheckWidth = 150;
constexpr int kPreTenderLeft = 155;
constexpr int kPreTenderWidth = 91;
constexpr int kVisible = 8;
constexpr int kScrollBarRoom = 22;
constexpr int kCaptionMargin = 16;

} // namespace

TCheckChoiceForm::TCheckChoiceForm(PaymentTill& till, const Printing& printing, db::ServerClock& clock,
                                   CheckWindowSettings settings, QWidget* parent)
    : QDialog(parent), till_(till), printing_(printing), clock_(clock), settings_(std::move(settings)) {
    setObjectName(QStringLiteral("CheckChoiceForm"));
    setWindowTitle(QStringLiteral("CheckChoiceForm"));
    setModal(true);

    lblTabRef = namedLabel(QString(), QStringLiteral("lblTabRef"), this);
    QFont bold = lblTabRef->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    lblTabRef->setFont(bold);
    lblTabRef->setAlignment(Qt::AlignCenter);

    scrSplits = new QScrollArea(this);
    scrSplits->setObjectName(QStringLiteral("scrSplits"));
    scrSplits->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrSplits->setWidget(new QWidget);
    scrSplits->hide(); // until there are splits to offer

    btnAll = touchButton(tr("Add all to Check"), QStringLiteral("btnAll"), this);
    btnChg = touchButton(tr("+ Pre-Tender"), QStringLiteral("btnChg"), this);
    btnClose = touchButton(tr("Close"), QStringLiteral("btnClose"), this);
    for (QPushButton* b : {btnAll, btnChg, btnClose})
        b->setAutoDefault(false); // Enter never prints by itself
    const auto on = [this](QPushButton* b, void (TCheckChoiceForm::*handler)()) {
        connect(b, &QPushButton::clicked, this,
                [this, handler] { runReportingFailures(printing_.prompter, [this, handler] { (this->*handler)(); }); });
    };
    on(btnAll, &TCheckChoiceForm::btnAllClick);
    on(btnChg, &TCheckChoiceForm::btnChgClick);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);

    auto* wholeTab = new QHBoxLayout;
    wholeTab->addWidget(btnAll, 1);
    wholeTab->addWidget(btnChg);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblTabRef);
    layout->addWidget(scrSplits, 1);
    layout->addLayout(wholeTab);
    layout->addWidget(btnClose);
}

void TCheckChoiceForm::CollectSplits() {
    splits_ = collectSplits(printing_.db, settings_.tab, settings_.splitMode);
}

void TCheckChoiceForm::BuildSplitButtons() {
    auto* canvas = new QWidget;
    canvas->setObjectName(QStringLiteral("pnlSplits"));
    splitButtons.clear();
    preTenderButtons.clear();
    // A split's button at a place of its row, handing itself to its handler when pressed.
    const auto add = [&](const QString& caption, const QString& name, const QString& ref, QRect place,
                         void (TCheckChoiceForm::*handler)(QPushButton*)) {
        auto* b = new QPushButton(caption, canvas);
        b->setObjectName(name);
        b->setGeometry(place);
        b->setProperty(kRef, ref);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, b, handler] {
            runReportingFailures(printing_.prompter, [this, b, handler] { (this->*handler)(b); });
        });
        return b;
    };
    // Every caption can be read: the columns widen for a long ref or a large font.
    const QString preTender = tr("+ Pre-Tender");
    const QFontMetrics metrics = canvas->fontMetrics();
    int checkWidth = kCheckWidth;
    for (const QString& ref : splits_)
        checkWidth = std::max(checkWidth, metrics.horizontalAdvance(splitCaption(ref)) + kCaptionMargin);
    const int preTenderLeft = kPreTenderLeft + (checkWidth - kCheckWidth);
    const int preTenderWidth = std::max(kPreTenderWidth, metrics.horizontalAdvance(preTender) + kCaptionMargin);
    int top = kTop;
    for (int k = 0; k < splits_.size(); ++k) {
        const QString& ref = splits_.at(k);
        splitButtons.push_back(add(splitCaption(ref), QStringLiteral("btnSplitCheck%1").arg(k + 1), ref,
                                   QRect(kLeft, top, checkWidth, kHeight), &TCheckChoiceForm::buttontag_1));
        if (!ref.isEmpty())
            preTenderButtons.push_back(add(preTender, QStringLiteral("btnSplitChg%1").arg(k + 1), ref,
                                           QRect(preTenderLeft, top, preTenderWidth, kHeight),
                                           &TCheckChoiceForm::buttontag_2));
        top += kStep;
    }
    const int canvasWidth = preTenderLeft + preTenderWidth + kLeft;
    canvas->setFixedSize(canvasWidth, top - (kStep - kHeight) + kTop);
    scrSplits->setWidget(canvas); // frees the previous buttons
    scrSplits->setFixedWidth(canvasWidth + kScrollBarRoom);
    scrSplits->setMinimumHeight(std::min(canvas->height(), kTop + kVisible * kStep) + 4);
    scrSplits->setVisible(!splitButtons.empty());
    adjustSize();
}

void TCheckChoiceForm::LoadCheckLines(const CheckScope& scope) {
    check_ = loadCheckLines(printing_.db, settings_.tab, scope);
}

CheckHeading TCheckChoiceForm::heading() const {
    return {lblTabRef->text(), settings_.tab.pcRef, tendered_};
}

void TCheckChoiceForm::PrintCheck() { printCheck(printing_, clock_, heading(), check_); }

void TCheckChoiceForm::SavePreTender(Money amount) {
    savePreTender(printing_.db, settings_.tab.tabId, check_.scope, amount);
}

void TCheckChoiceForm::PrintPreTenderCheck() {
    printPreTenderCheck(printing_, clock_, settings_.checkMode, settings_.drawerMode, heading(), check_);
}

void TCheckChoiceForm::buttontag_1(QPushButton* button) {
    BusyCursor busy;
    LoadCheckLines(CheckScope::ofSplit(button->property(kRef).toString()));
    PrintCheck();
}

void TCheckChoiceForm::buttontag_2(QPushButton* button) {
    LoadCheckLines(CheckScope::ofSplit(button->property(kRef).toString()));
    takePreTender();
}

void TCheckChoiceForm::btnAllClick() {
    {
        BusyCursor busy;
        LoadCheckLines(CheckScope::whole());
        PrintCheck();
    }
    accept();
}

void TCheckChoiceForm::btnChgClick() {
    LoadCheckLines(CheckScope::whole());
    if (takePreTender())
        accept();
}

bool TCheckChoiceForm::takePreTender() {
    std::unique_ptr<TTenderedForm> form = createForm<TTenderedForm>(
        printing_.prompter, till_, printing_.prompter,
        TenderValues{check_.total.toString(), Tendering::kCheckSource, QStringLiteral("Cash"), Tendering::kSale,
                     QStringLiteral("F")},
        this);
    if (!form || showModal(*form) != QDialog::Accepted)
        return false;
    const std::optional<Money> amount = Tendering::read(form->edtTendered->text());
    if (!amount)
        return false; // the tender window hands back only an amount that covers the check
    BusyCursor busy;
    SavePreTender(*amount);
    tendered_ = amount;
    PrintPreTenderCheck();
    return true;
}

} // namespace pelora
