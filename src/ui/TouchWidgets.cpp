#include "ui/TouchWidgets.h"

#include <QFont>
#include <QHeaderView>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace pelora {

QPushButton* touchButton(const QString& caption, const QString& objectName, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setMinimumHeight(kTouchHeight);
    button->setFocusPolicy(Qt::NoFocus); // touching a button leaves the focus where it was
    // Enter on a keyboard presses only a button a window names as its default, never whichever
    // button happens to come first (a keypad's "7", a "Delete"'s "One").
    button->setAutoDefault(false);
    return button;
}

namespace {
constexpr int kColumnLeft = 5;
constexpr int kColumnTop = 5;
} // namespace

void placeInButtonColumn(QWidget* button, int index, int width) {
    button->setGeometry(kColumnLeft, kColumnTop + kColumnStep * index, width, kColumnButtonHeight);
}

QSize buttonColumnSize(int count, int width) {
    return {kColumnLeft + width + 5, kColumnTop + kColumnStep * count};
}

namespace {

void setUpTouchGrid(QTableView* grid, const QString& objectName) {
    grid->setObjectName(objectName);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(kTouchHeight * 3 / 4);
    grid->horizontalHeader()->setStretchLastSection(true);
}

} // namespace

QTableWidget* touchGrid(const QStringList& headers, const QString& objectName, QWidget* parent) {
    auto* grid = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    grid->setHorizontalHeaderLabels(headers);
    setUpTouchGrid(grid, objectName);
    return grid;
}

QTableView* touchGridView(QAbstractItemModel* model, const QString& objectName, QWidget* parent) {
    auto* grid = new QTableView(parent);
    grid->setModel(model);
    setUpTouchGrid(grid, objectName);
    return grid;
}

QHBoxLayout* closingButtonRow(std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (QPushButton* b : buttons)
        row->addWidget(b);
    return row;
}

QHBoxLayout* navigationRow(QWidget* parent, QPushButton*& first, QPushButton*& prior, QPushButton*& next,
                           QPushButton*& last) {
    first = touchButton(QStringLiteral("|<"), QStringLiteral("btnFirst"), parent);
    prior = touchButton(QStringLiteral("<"), QStringLiteral("btnPrior"), parent);
    next = touchButton(QStringLiteral(">"), QStringLiteral("btnNext"), parent);
    last = touchButton(QStringLiteral(">|"), QStringLiteral("btnLast"), parent);
    auto* row = new QHBoxLayout;
    for (QPushButton* b : {first, prior, next, last})
        row->addWidget(b);
    return row;
}

QLabel* namedLabel(const QString& text, const QString& objectName, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    return label;
}

void setCaptionRed(QAbstractButton* button, bool red) {
    if (!red) {
        button->setPalette(QPalette()); // back to the palette it inherits
        return;
    }
    QPalette palette = button->palette();
    palette.setColor(QPalette::Active, QPalette::ButtonText, Qt::red);
    palette.setColor(QPalette::Inactive, QPalette::ButtonText, Qt::red);
    button->setPalette(palette);
}

bool captionIsRed(const QAbstractButton* button) {
    return button->palette().color(QPalette::Active, QPalette::ButtonText) == QColor(Qt::red);
}

} // namespace pelora
