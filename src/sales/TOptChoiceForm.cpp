#include "sales/TOptChoiceForm.h"

#include "common/Flag.h"
#include "common/Prompter.h"
#include "ui/BusyCursor.h"
#include "ui/GeneralError.h"
#include "ui/TouchWidgets.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace pelora {

TOptChoiceForm::TOptChoiceForm(Prompter& prompter, Choose choose, Clear clear, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), prompter_(prompter),
      choose_(std::move(choose)), clear_(std::move(clear)), column_(QStringLiteral("scrOpt"), this) {
    setObjectName(QStringLiteral("OptChoiceForm"));
    setWindowTitle(QStringLiteral("OptChoiceForm"));
    setModal(true);

    lblButton = namedLabel(QString(), QStringLiteral("lblButton"), this);
    lblPrompt = namedLabel(QString(), QStringLiteral("lblPrompt"), this);
    lblButton->hide();
    lblPrompt->hide();

    lstOpt = new QListWidget(this);
    lstOpt->setObjectName(QStringLiteral("lstOpt"));
    grdOpt = touchGrid({QStringLiteral("choice"), QStringLiteral("price")}, QStringLiteral("grdOpt"), this);
    for (QAbstractItemView* view : {static_cast<QAbstractItemView*>(lstOpt), static_cast<QAbstractItemView*>(grdOpt)}) {
        view->setMinimumWidth(180);
        view->viewport()->installEventFilter(this); // a double touch, even on an empty list
    }
    grdOpt->hide();

    btnClear = touchButton(tr("Clear the Option"), QStringLiteral("btnClear"), this);
    btnClose = touchButton(tr("Close"), QStringLiteral("btnClose"), this);
    connect(btnClear, &QPushButton::clicked, this, [this] { runReportingFailures(prompter_, [this] { btnClearClick(); }); });
    connect(btnClose, &QPushButton::clicked, this, &TOptChoiceForm::reject);

    auto* choices = new QHBoxLayout;
    choices->addWidget(lstOpt, 1);
    choices->addWidget(grdOpt, 1);
    choices->addWidget(column_.box());
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnClear);
    buttons->addWidget(btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices, 1);
    layout->addLayout(buttons);
}

void TOptChoiceForm::showSlot(int n, const OptionSlots::Slot& slot, std::vector<OptionSlots::Choice> choices,
                              bool grid) {
    slot_ = n;
    grid_ = grid;
    choices_ = std::move(choices);
    lblButton->setText(QString::number(n));
    lblPrompt->setText(slot.prompt);

    lstOpt->clear();
    grdOpt->setRowCount(0);
    std::vector<QString> captions, names;
    for (std::size_t i = 0; i < choices_.size(); ++i) {
        const OptionSlots::Choice& c = choices_[i];
        if (grid) {
            const int row = grdOpt->rowCount();
            grdOpt->insertRow(row);
            grdOpt->setItem(row, 0, new QTableWidgetItem(c.choice));
            grdOpt->setItem(row, 1, new QTableWidgetItem(c.priceText.isEmpty() ? QString() : c.price.toString()));
        } else {
            lstOpt->addItem(c.listText());
        }
        captions.push_back(c.choice);
        names.push_back(QStringLiteral("btnChoice") + QString::number(i + 1));
    }
    lstOpt->setVisible(!grid);
    grdOpt->setVisible(grid);
    if (!choices_.empty())
        selectRow(0);

    column_.rebuild(captions, names);
    for (QPushButton* b : column_.buttons())
        connect(b, &QPushButton::clicked, this, [this, b] { runReportingFailures(prompter_, [this, b] { buttontag(b); }); });

    const bool forced = isTrue(slot.forced);
    btnClear->setVisible(!forced);
    btnClose->setEnabled(!(forced && !slot.chosen()));
    adjustSize();
}

int TOptChoiceForm::selectedRow() const { return grid_ ? grdOpt->currentRow() : lstOpt->currentRow(); }

void TOptChoiceForm::selectRow(int row) {
    if (grid_)
        grdOpt->selectRow(row);
    else
        lstOpt->setCurrentRow(row);
}

void TOptChoiceForm::buttontag(QPushButton* button) {
    const auto& buttons = column_.buttons();
    const auto found = std::find(buttons.begin(), buttons.end(), button);
    if (found == buttons.end())
        return;
    selectRow(static_cast<int>(found - buttons.begin()));
    BusyCursor busy;
    chooseSelected();
}

void TOptChoiceForm::chooseSelected() {
    if (choices_.empty()) {
        prompter_.warning(QStringLiteral("Option list is blank."));
        finish([this] { choose_(nullptr); });
        return;
    }
    const int row = std::clamp(selectedRow(), 0, static_cast<int>(choices_.size()) - 1);
    finish([this, row] { choose_(&choices_.at(static_cast<std::size_t>(row))); });
}

void TOptChoiceForm::btnClearClick() {
    finish(clear_);
}

void TOptChoiceForm::finish(const std::function<void()>& change) {
    // A change that fails (the line paid or deleted on another till meanwhile) closes the
    // chooser too: its failure is reported, the lists show what is left, and a forced slot
    // cannot hold the operator in a chooser whose line is gone.
    try {
        change();
    } catch (...) {
        accept();
        throw;
    }
    accept();
}

void TOptChoiceForm::reject() {
    if (btnClose->isEnabled())
        QDialog::reject();
}

bool TOptChoiceForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick &&
        (watched == lstOpt->viewport() || watched == grdOpt->viewport())) {
        runReportingFailures(prompter_, [this] { chooseSelected(); });
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace pelora
