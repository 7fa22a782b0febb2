#include "payment/TRecForm.h"

#include "common/Prompter.h"
#include "payment/ReceiptHistoryTill.h"
#include "payment/ReceiptListModel.h"
#include "payment/ReceiptRestart.h"
#include "ui/BusyCursor.h"
#include "ui/GeneralError.h"
#include "ui/TKeyBoardForm.h"
#include "ui/TouchWidgets.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollArea>
#include <QTableView>
#include <QVBoxLayout>

#include <iterator>

namespace pelora {

namespace {

constexpr int kCardsWidth = 300;

// A box on a line card for the options or the message.
QLabel* cardBox(const QString& text, const QString& objectName, QWidget* card) {
    QLabel* box = namedLabel(text, objectName, card);
    box->setFrameShape(QFrame::Box);
    box->setWordWrap(true);
    box->setAutoFillBackground(true);
    QPalette white = box->palette();
    white.setColor(QPalette::Window, Qt::white);
    box->setPalette(white);
    return box;
}

QFrame* lineCard(const ReceiptLines::Card& line, QWidget* canvas) {
    auto* card = new QFrame(canvas);
    card->setObjectName(QStringLiteral("crdLine"));
    card->setFrameShape(QFrame::Box);
    auto* grid = new QGridLayout(card);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setSpacing(2);
    QLabel* qty = namedLabel(line.qty, QStringLiteral("lblQty"), card);
    QLabel* name = namedLabel(line.itemName, QStringLiteral("lblItemName"), card);
    QLabel* price = namedLabel(line.price, QStringLiteral("lblPrice"), card);
    price->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont bold = name->font();
    bold.setBold(true);
    for (QLabel* l : {qty, name, price})
        l->setFont(bold);
    grid->addWidget(qty, 0, 0);
    grid->addWidget(name, 0, 1);
    grid->addWidget(price, 0, 2);
    grid->setColumnStretch(1, 1);
    int row = 1;
    if (!line.options.isEmpty())
        grid->addWidget(cardBox(line.options, QStringLiteral("edtOptions"), card), row++, 0, 1, 3);
    if (!line.message.isEmpty())
        grid->addWidget(cardBox(line.message, QStringLiteral("edtMessage"), card), row, 0, 1, 3);
    return card;
}

} // namespace

TRecForm::TRecForm(ReceiptHistoryTill& till, Prompter& prompter, QWidget* parent)
    : QDialog(parent), till_(till), prompter_(prompter),
      receipts_(till.historyDatabase(), till.historyClock(), prompter), lines_(till.historyDatabase()) {
    setObjectName(QStringLiteral("RecForm"));
    setWindowTitle(QStringLiteral("RecForm"));
    setModal(true);
    resize(1000, 620);

    model_ = new ReceiptListModel(receipts_, this);
    grdReceipts = touchGridView(model_, QStringLiteral("grdReceipts"), this);
    static constexpr int kWidths[] = {56, 170, 72, 72, 64, 64, 90, 64, 80};
    for (int c = 0; c < static_cast<int>(std::size(kWidths)); ++c)
        grdReceipts->setColumnWidth(c, kWidths[c]);

    scrLines = new QScrollArea(this);
    scrLines->setObjectName(QStringLiteral("scrLines"));
    scrLines->setWidgetResizable(true);
    scrLines->setFixedWidth(kCardsWidth);

    btnQtyDec = touchButton(QStringLiteral("-"), QStringLiteral("btnQtyDec"), this);
    lblDays = namedLabel(QString(), QStringLiteral("lblDays"), this);
    lblDayText = namedLabel(QString(), QStringLiteral("lblDayText"), this);
    btnQtyInc = touchButton(QStringLiteral("+"), QStringLiteral("btnQtyInc"), this);
    btnRefresh = touchButton(tr("Refresh"), QStringLiteral("btnRefresh"), this);
    btnFind = touchButton(tr("Find ID"), QStringLiteral("btnFind"), this);
    btnPrint = touchButton(tr("Re-Print"), QStringLiteral("btnPrint"), this);
    btnReverse = touchButton(tr("Re-Start"), QStringLiteral("btnReverse"), this);
    btnTabHist = touchButton(tr("Tab History"), QStringLiteral("btnTabHist"), this);
    btnClose = touchButton(tr("Close"), QStringLiteral("btnClose"), this);
    btnTabHist->hide();
    for (QPushButton* b : {btnQtyDec, btnQtyInc})
        b->setFixedWidth(kTouchHeight);
    lblDays->setAlignment(Qt::AlignCenter);
    lblDays->setMinimumWidth(32);

    auto* top = new QHBoxLayout;
    top->addWidget(grdReceipts, 1);
    top->addWidget(scrLines);
    auto* bottom = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{btnQtyDec, lblDays, lblDayText, btnQtyInc, btnRefresh})
        bottom->addWidget(w);
    bottom->addStretch(1);
    for (QPushButton* b : {btnFind, btnPrint, btnReverse, btnTabHist, btnClose})
        bottom->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(bottom);
    showDays();

    const auto wireTo = [this](QPushButton* b, void (TRecForm::*handler)()) {
        connect(b, &QPushButton::clicked, this, [this, handler] { run([this, handler] { (this->*handler)(); }); });
    };
    wireTo(btnQtyDec, &TRecForm::btnQtyDecClick);
    wireTo(btnQtyInc, &TRecForm::btnQtyIncClick);
    wireTo(btnRefresh, &TRecForm::btnRefreshClick);
    wireTo(btnFind, &TRecForm::btnFindClick);
    wireTo(btnPrint, &TRecForm::btnPrintClick);
    wireTo(btnReverse, &TRecForm::btnReverseClick);
    wireTo(btnTabHist, &TRecForm::btnTabHistClick);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(grdReceipts->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (showing_ || !current.isValid())
                    return;
                receipts_.receipt1().moveTo(current.row());
                run([this] { receipt1AfterScroll(); });
            });

    findMode_ = till_.historyKeyboardModes().addSearch(QStringLiteral("receiptfind"), [this](const QString& text) {
        run([this, &text] { FindReceipt(text); });
    });
}

TRecForm::~TRecForm() = default;

void TRecForm::run(const std::function<void()>& action) { runReportingFailures(prompter_, action); }

void TRecForm::showReceipts() {
    showing_ = true;
    const auto shown = qScopeGuard([this] { showing_ = false; });
    model_->reload();
    const db::Query& list = receipts_.receipt1();
    if (list.isOpen() && !list.isEmpty())
        grdReceipts->selectionModel()->setCurrentIndex(model_->index(list.row(), 0),
                                                       QItemSelectionModel::ClearAndSelect |
                                                           QItemSelectionModel::Rows);
    receipt1AfterScroll();
}

void TRecForm::LoadReceiptsByDays(int days) {
    BusyCursor busy;
    receipts_.LoadReceiptsByDays(days);
    showReceipts();
}

void TRecForm::LoadTabReceipts(int tabId) {
    BusyCursor busy;
    receipts_.LoadTabReceipts(tabId);
    showReceipts();
}

void TRecForm::FindReceipt(const QString& text) {
    if (receipts_.FindReceipt(text))
        showReceipts();
}

void TRecForm::setHistoryTab(int tabId, const QString& tabRef) {
    historyTab_ = tabId;
    btnTabHist->setText(QStringLiteral("Tab: ") + tabRef);
    btnTabHist->show();
}

void TRecForm::receipt1AfterScroll() {
    lines_.clear();
    const int id = receipts_.current().id;
    if (id > 0)
        lines_.LoadReceiptLines(id);
    ShowReceiptLines();
}

void TRecForm::ShowReceiptLines() {
    auto* canvas = new QWidget;
    canvas->setObjectName(QStringLiteral("pnlLines"));
    auto* column = new QVBoxLayout(canvas);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    for (const ReceiptLines::Card& line : lines_.cards())
        column->addWidget(lineCard(line, canvas));
    column->addStretch(1);
    scrLines->setWidget(canvas); // frees the previous cards
}

void TRecForm::showDays() {
    lblDays->setText(QString::number(days_));
    lblDayText->setText(days_ == 1 ? QStringLiteral("Day") : QStringLiteral("Days"));
}

void TRecForm::btnQtyIncClick() {
    ++days_;
    showDays();
}

void TRecForm::btnQtyDecClick() {
    if (days_ > 1)
        --days_;
    showDays();
}

void TRecForm::btnRefreshClick() { LoadReceiptsByDays(days_); }

void TRecForm::btnTabHistClick() { LoadTabReceipts(historyTab_); }

void TRecForm::btnFindClick() {
    openKeyboard(this, prompter_, till_.historyKeyboardModes(), {QStringLiteral("receiptfind"), QString(), QString(), false});
}

void TRecForm::btnPrintClick() {
    if (!prompter_.confirm(QStringLiteral("Re-Print the receipt?")))
        return;
    const ReceiptRow receipt = receipts_.current();
    if (receipt.id < 1)
        return;
    // The reprint is on record before it prints.
    ReceiptRestart::logReprint(till_.historyDatabase(), till_.restartTill(), receipt);
    till_.PrintReceiptOutputs(receipt.id);
}

void TRecForm::btnReverseClick() {
    ReceiptRestart::Outcome outcome;
    {
        BusyCursor busy;
        ReceiptRestart restart(till_.historyDatabase(), till_.historyClock(), prompter_, till_.restartTill());
        outcome = restart.restart(receipts_.current());
    }
    stockMoved_ = stockMoved_ || outcome.stockMoved;
    if (outcome.result == ReceiptRestart::Result::AlreadyRestarted) {
        receipts_.reload(); // shows the receipt that cancelled it
        showReceipts();
        return;
    }
    if (!outcome.showsTab())
        return;
    const auto closing = qScopeGuard([this] { accept(); });
    till_.showRestartedTab(outcome.tabId, outcome.tabRef);
}

void TRecForm::FormClose() {
    receipts_.receipt1().close();
    lines_.clear();
    model_->reload();
    if (stockMoved_)
        run([this] { till_.stockMovedByReversal(); });
}

void TRecForm::done(int result) {
    if (!closed_) {
        closed_ = true;
        FormClose();
    }
    QDialog::done(result);
}

} // namespace pelora
