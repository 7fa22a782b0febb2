#include "print/TOrderForm.h"

#include "common/DateTimeText.h"
#include "common/Mode.h"
#include "common/Prompter.h"
#include "db/StoredProc.h"
#include "print/DocketLayout.h"
#include "print/OrderPapers.h"
#include "print/OrderProcessing.h"
#include "ui/GeneralError.h"
#include "ui/TouchWidgets.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace pelora {

namespace {

constexpr const char* kTabId = "tabId";
constexpr const char* kCaption = "caption";
constexpr const char* kAll = "all";
constexpr const char* kEntry = "entry";
constexpr const char* kStretch = "stretch";

// A card across the lines area: its line text and boxes reach to its right edge.
class OrderCard : public QFrame {
public:
    using QFrame::QFrame;

protected:
    void resizeEvent(QResizeEvent* event) override {
        QFrame::resizeEvent(event);
        for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (w->property(kStretch).toBool())
                w->resize(qMax(width() - w->x() - 5, 50), w->height());
    }
};

QWidget* stretched(QWidget* widget, int left, int top, int height) {
    widget->setProperty(kStretch, true);
    widget->setGeometry(left, top, 200, height);
    return widget;
}

QColor messageColour(const OrderLine& line) {
    if (!line.optMsg.isEmpty())
        return Qt::green;
    if (!line.splitRef.isEmpty() && !line.splitMsg.isEmpty())
        return Qt::yellow;
    return Qt::white;
}

void paint(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(widget->backgroundRole(), colour);
    palette.setColor(QPalette::Base, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QLineEdit* textBox(const QString& text, const QString& name, const QColor& colour, int top, QWidget* card) {
    auto* box = new QLineEdit(text, card);
    box->setObjectName(name);
    stretched(box, 110, top, 20);
    paint(box, colour);
    box->setCursorPosition(0);
    return box;
}

} // namespace

TOrderForm::TOrderForm(const Printing& printing, OrderWindowSettings settings, int tabId, QWidget* parent)
    : QDialog(parent), printing_(printing), settings_(std::move(settings)) {
    setObjectName(QStringLiteral("OrderForm"));
    setWindowTitle(QStringLiteral("Orders"));
    setModal(true);
    resize(900, 640);

    scrTabs = new QScrollArea(this);
    scrTabs->setObjectName(QStringLiteral("scrTabs"));
    scrTabs->setFixedWidth(230);
    scrTabs->setWidget(new QWidget);
    scrLines = new QScrollArea(this);
    scrLines->setObjectName(QStringLiteral("scrLines"));
    scrLines->setWidgetResizable(true); // the cards go across the whole area
    scrLines->setWidget(new QWidget);

    btnRefresh1 = touchButton(tr("Unprocessed"), QStringLiteral("btnRefresh1"), this);
    btnRefresh2 = touchButton(tr("All"), QStringLiteral("btnRefresh2"), this);
    btnOutput = touchButton(tr("Print"), QStringLiteral("btnOutput"), this);
    btnAutoRefresh = touchButton(tr("Auto Refresh"), QStringLiteral("btnAutoRefresh"), this);
    btnAutoRefresh->setCheckable(true);
    btnQtyDec = touchButton(QStringLiteral("-"), QStringLiteral("btnQtyDec"), this);
    lblSeconds = namedLabel(QString(), QStringLiteral("lblSeconds"), this);
    lblSeconds->setAlignment(Qt::AlignCenter);
    lblSeconds->setMinimumWidth(40);
    btnQtyInc = touchButton(QStringLiteral("+"), QStringLiteral("btnQtyInc"), this);
    btnClose = touchButton(tr("Close"), QStringLiteral("btnClose"), this);

    auto* lists = new QHBoxLayout;
    lists->addWidget(scrTabs);
    lists->addWidget(scrLines, 1);
    auto* bar = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{btnRefresh1, btnRefresh2, btnOutput, btnAutoRefresh,
                                                      btnQtyDec, lblSeconds, btnQtyInc})
        bar->addWidget(w);
    bar->addStretch(1);
    bar->addWidget(btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addLayout(bar);

    const auto on = [this](QPushButton* b, void (TOrderForm::*handler)()) {
        connect(b, &QPushButton::clicked, this,
                [this, handler] { runReportingFailures(printing_.prompter, [this, handler] { (this->*handler)(); }); });
    };
    on(btnRefresh1, &TOrderForm::btnRefresh1Click);
    on(btnRefresh2, &TOrderForm::btnRefresh2Click);
    on(btnOutput, &TOrderForm::btnOutputClick);
    on(btnAutoRefresh, &TOrderForm::btnAutoRefreshClick);
    on(btnQtyDec, &TOrderForm::btnQtyDecClick);
    on(btnQtyInc, &TOrderForm::btnQtyIncClick);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
    connect(&Timer1, &QTimer::timeout, this,
            [this] { runReportingFailures(printing_.prompter, [this] { Timer1Timer(); }); });
    setSeconds(10);

    LoadOrderLines(true, tabId);
    BuildTabButtons();
    SelectFirstTab();
}

TOrderForm::~TOrderForm() = default;

void TOrderForm::LoadOrderLines(bool all, int tabId) {
    lines_ = loadOrderLines(printing_.db, {all, tabId, settings_.pcRef, settings_.splitMode});
}

void TOrderForm::BuildTabButtons() {
    auto* canvas = new QWidget;
    canvas->setObjectName(QStringLiteral("pnlTabs"));
    tabButtons.clear();
    std::vector<std::pair<int, QString>> tabs;
    for (const OrderLine& line : lines_) {
        const std::pair<int, QString> tab{line.tabId, line.tabCaption()};
        if (std::find_if(tabs.begin(), tabs.end(), [&](const auto& t) {
                return t.first == tab.first && (!line.isNonTab() || t.second == tab.second);
            }) == tabs.end())
            tabs.push_back(tab);
    }
    int top = 5;
    for (const auto& [tabId, caption] : tabs) {
        for (const bool all : {false, true}) {
            auto* b = new QPushButton(all ? tr("All") : caption, canvas);
            b->setObjectName(all ? QStringLiteral("btnTabAll") : QStringLiteral("btnTab"));
            b->setGeometry(all ? 160 : 5, top, all ? 40 : 150, kColumnButtonHeight);
            b->setProperty(kTabId, tabId);
            b->setProperty(kCaption, caption);
            b->setProperty(kAll, all);
            connect(b, &QPushButton::clicked, this,
                    [this, b] { runReportingFailures(printing_.prompter, [this, b] { buttontag1(b); }); });
            tabButtons.push_back(b);
        }
        top += kColumnStep;
    }
    canvas->resize(205, top);
    scrTabs->setWidget(canvas); // frees the previous buttons
}

void TOrderForm::SelectFirstTab() {
    if (tabButtons.empty()) { // no lines: no tab, and "Print" has nothing to print
        currentTab_ = 0;
        currentCaption_.clear();
        ShowTabLines(0, QString(), true);
        return;
    }
    const QPushButton* first = tabButtons.front();
    currentTab_ = first->property(kTabId).toInt();
    currentCaption_ = first->property(kCaption).toString();
    ShowTabLines(currentTab_, currentCaption_, true);
    allMode_ = true;
}

void TOrderForm::buttontag1(QPushButton* button) {
    const int tabId = button->property(kTabId).toInt();
    const QString caption = button->property(kCaption).toString();
    const bool all = button->property(kAll).toBool();
    if (all != allMode_) // the lines were loaded for the other mode
        LoadOrderLines(all, 0);
    ShowTabLines(tabId, caption, all);
    currentTab_ = tabId;
    currentCaption_ = caption;
    allMode_ = all;
}

void TOrderForm::ShowTabLines(int tabId, const QString& caption, bool all) {
    auto* canvas = new QWidget;
    canvas->setObjectName(QStringLiteral("pnlLines"));
    auto* column = new QVBoxLayout(canvas);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    cards.clear();
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const OrderLine& line = lines_[i];
        if (line.belongsTo(tabId, caption) && (all || !line.processed))
            column->addWidget(addCard(line, static_cast<int>(i), canvas));
    }
    column->addStretch(1);
    scrLines->setWidget(canvas); // frees the previous cards
}

QFrame* TOrderForm::addCard(const OrderLine& line, int index, QWidget* canvas) {
    auto* card = new OrderCard(canvas);
    card->setObjectName(QStringLiteral("crdLine"));
    card->setFrameShape(QFrame::Box);
    card->setProperty(kEntry, index);
    paint(card, line.processed ? palette().color(QPalette::Window) : QColor(Qt::white));
    if (modeIs(settings_.ordMode, '1') && !line.processed) {
        auto* processed = new QPushButton(tr("Processed"), card);
        processed->setObjectName(QStringLiteral("btnProcessed"));
        processed->setGeometry(5, 5, 100, 25);
        processed->setProperty(kEntry, index);
        connect(processed, &QPushButton::clicked, this, [this, processed] { buttontag2(processed); });
    }
    namedLabel(line.outputName, QStringLiteral("lblOutput"), card)->setGeometry(5, 32, 100, 15);
    QLabel* text = namedLabel(docket::quantityText(line.qty) + QStringLiteral("   x   ") + line.itemName +
                                  QStringLiteral("   PC:") + line.pcRef + QStringLiteral("   ") + timeDisplay(line.stamp),
                              QStringLiteral("lblLine"), card);
    QFont bold = text->font();
    bold.setBold(true);
    text->setFont(bold);
    stretched(text, 110, 3, 20);
    int boxTop = 25;
    int boxes = 0;
    if (const QString options = line.optionText(); !options.isEmpty()) {
        textBox(options, QStringLiteral("edtOptions"), Qt::white, boxTop, card);
        boxTop += 22;
        ++boxes;
    }
    if (const QString message = line.messageText(); !message.isEmpty()) {
        textBox(message, QStringLiteral("edtMessage"), messageColour(line), boxTop, card);
        ++boxes;
    }
    card->setFixedHeight(boxes == 2 ? 70 : 50);
    cards.push_back(card);
    return card;
}

void TOrderForm::buttontag2(QPushButton* button) {
    OrderLine& line = lines_.at(static_cast<std::size_t>(button->property(kEntry).toInt()));
    try {
        db::StoredProc proc(printing_.db);
        // A line another till sent meanwhile is left as it is, and shows sent all the same.
        markLineProcessed(printing_.db, proc, line.list, line.id, settings_.countMode);
        line.processed = true;
        linesChanged_ = true;
    } catch (const std::exception&) {
        // Left as it was in the database; the card still shows done until the next refresh.
    }
    markCardDone(static_cast<QFrame*>(button->parentWidget()));
    button->hide();
    button->deleteLater();
}

void TOrderForm::markCardDone(QFrame* card) { paint(card, palette().color(QPalette::Window)); }

void TOrderForm::btnRefresh1Click() {
    LoadOrderLines(false, 0);
    BuildTabButtons();
    SelectFirstTab();
    allMode_ = false;
}

void TOrderForm::btnRefresh2Click() {
    LoadOrderLines(true, 0);
    BuildTabButtons();
    SelectFirstTab();
    allMode_ = true;
}

void TOrderForm::PrintOrders() {
    QStringList reasons;
    for (const OrderPaperFailure& failure : pelora::printOrders(printing_, lines_, {currentTab_, currentCaption_, allMode_}))
        reasons << failure.message;
    if (!reasons.isEmpty())
        printing_.prompter.error(reasons.join(u'\n'));
}

void TOrderForm::btnOutputClick() {
    if (printing_.prompter.confirm(QStringLiteral("Print the order?")))
        PrintOrders();
}

void TOrderForm::btnAutoRefreshClick() {
    const bool down = btnAutoRefresh->isChecked();
    if (down) {
        Timer1.setInterval(seconds_ * 1000);
        Timer1.start();
    } else {
        Timer1.stop();
    }
    setCaptionRed(btnAutoRefresh, down);
}

void TOrderForm::btnQtyDecClick() {
    if (seconds_ > 9)
        setSeconds(seconds_ - 5);
}

void TOrderForm::btnQtyIncClick() { setSeconds(seconds_ + 5); }

void TOrderForm::setSeconds(int seconds) {
    seconds_ = seconds;
    lblSeconds->setText(QString::number(seconds));
    Timer1.setInterval(seconds * 1000);
}

void TOrderForm::Timer1Timer() {
    if (btnAutoRefresh->isChecked())
        btnRefresh1Click();
}

void TOrderForm::done(int result) {
    Timer1.stop();
    QDialog::done(result);
}

} // namespace pelora
