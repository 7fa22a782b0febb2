#include "sales/TLineForm.h"

#include "common/Flag.h"
#include "common/Money.h"
#include "db/RowSet.h"
#include "sales/LineMath.h"
#include "sales/LineRecord.h"
#include "ui/TouchWidgets.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>


namespace pelora {

namespace {

struct Shown {
    const char* column;
    const char* caption;
    bool money;
};

// Left column, then right column.
constexpr Shown kFields[] = {
    {"pcref", "PCRef:", false},       {"staffref", "StaffRef:", false}, {"itemname", "Item Name:", false},
    {"qty", "Qty:", false},           {"cost", "Cost:", true},          {"price", "Price:", true},
    {"tax", "Tax:", true},            {"discname", "Name:", false},     {"discrate", "Rate:", false},
    {"disc", "Disc:", true},          {"adjcost", "AdjCost:", true},    {"adjprice", "AdjPrice:", true},
    {"adjtax", "AdjTax:", true},      {"extcost", "ExtCost:", true},    {"extprice", "ExtPrice:", true},
    {"exttax", "ExtTax:", true},      {"splitref", "SplitRef:", false}, {"splitmsg", "SplitMsg:", false},
    {"optmsg", "OptMsg:", false},
};

} // namespace

TLineForm::TLineForm(db::RowSet& lines, QWidget* parent) : QDialog(parent), lines_(lines) {
    setObjectName(QStringLiteral("LineForm"));
    setWindowTitle(QStringLiteral("LineForm"));
    setModal(true);

    auto* group = new QGroupBox(tr("Read Only Details"), this);
    group->setObjectName(QStringLiteral("grpDetails"));
    auto* grid = new QGridLayout(group);
    const int perColumn = (std::size(kFields) + 1) / 2;
    int i = 0;
    for (const Shown& f : kFields) {
        const QString column = QString::fromLatin1(f.column);
        auto* edit = new QLineEdit(group);
        edit->setObjectName(QStringLiteral("edt") + column);
        edit->setReadOnly(true);
        if (f.money || column == u"qty" || column == u"discrate")
            edit->setAlignment(Qt::AlignRight);
        fields_[column] = edit;
        const int row = i % perColumn;
        const int col = (i / perColumn) * 2;
        grid->addWidget(new QLabel(QString::fromLatin1(f.caption), group), row, col);
        grid->addWidget(edit, row, col + 1);
        ++i;
    }
    chkProcessed = new QCheckBox(tr("Processed"), group);
    chkProcessed->setObjectName(QStringLiteral("chkProcessed"));
    chkProcessed->setEnabled(false);
    grid->addWidget(chkProcessed, perColumn - 1, 3);

    options = new QTableWidget(LineMath::kOptionSlots, 5, group);
    options->setObjectName(QStringLiteral("grdOptions"));
    options->setHorizontalHeaderLabels(
        {tr("Caption"), tr("Choice"), tr("Cost"), tr("Price"), tr("Tax")});
    QStringList rows;
    for (int n = 1; n <= LineMath::kOptionSlots; ++n)
        rows << QStringLiteral("Option %1:").arg(n);
    options->setVerticalHeaderLabels(rows);
    options->setEditTriggers(QAbstractItemView::NoEditTriggers);
    options->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    options->setMinimumHeight(options->verticalHeader()->defaultSectionSize() * 11);
    grid->addWidget(options, perColumn, 0, 1, 4);

    btnPrior = touchButton(QStringLiteral("<<"), QStringLiteral("btnPrior"), this);
    btnNext = touchButton(QStringLiteral(">>"), QStringLiteral("btnNext"), this);
    btnClose = touchButton(tr("Close"), QStringLiteral("btnClose"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnPrior);
    buttons->addWidget(btnNext);
    buttons->addStretch();
    buttons->addWidget(btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);

    connect(btnPrior, &QPushButton::clicked, this, [this] {
        lines_.prior();
        showLine();
    });
    connect(btnNext, &QPushButton::clicked, this, [this] {
        lines_.next();
        showLine();
    });
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
    showLine();
}

QLineEdit* TLineForm::field(const QString& column) const {
    const auto it = fields_.find(column);
    return it == fields_.end() ? nullptr : it->second;
}

void TLineForm::showLine() {
    for (const Shown& f : kFields) {
        const QString column = QString::fromLatin1(f.column);
        const db::Value& v = lines_.value(column);
        fields_[column]->setText(f.money ? moneyText(v.asDouble()) : v.asText());
    }
    chkProcessed->setChecked(isTrue(lines_.value(u"processed").asText()));
    for (int n = 1; n <= LineMath::kOptionSlots; ++n) {
        const QString texts[] = {lines_.value(LineRecord::optionColumn(n, u"caption")).asText(),
                                 lines_.value(LineRecord::optionColumn(n, u"choice")).asText(),
                                 moneyText(lines_.value(LineRecord::optionColumn(n, u"cost")).asDouble()),
                                 moneyText(lines_.value(LineRecord::optionColumn(n, u"price")).asDouble()),
                                 moneyText(lines_.value(LineRecord::optionColumn(n, u"tax")).asDouble())};
        for (int c = 0; c < 5; ++c) {
            auto* cell = new QTableWidgetItem(texts[c]);
            if (c >= 2)
                cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            options->setItem(n - 1, c, cell);
        }
    }
}

} // namespace pelora
