#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

#include <initializer_list>

class QAbstractButton;
class QAbstractItemModel;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QTableView;
class QTableWidget;
class QWidget;

namespace pelora {

// The height of a button a finger can hit.
constexpr int kTouchHeight = 44;

// A push button of touch height, with the object name the handlers and tests know it by.
QPushButton* touchButton(const QString& caption, const QString& objectName, QWidget* parent);
// The column of buttons in a scroll box that the tab pickers list categories and tabs in, and
// the order window its tabs: 5 from the left, one every 30 from the top, each 125 (or `width`)
// wide and filling its pitch but a gap, for a finger. `columnSize` holds `count` of them.
constexpr int kColumnButtonWidth = 125;
constexpr int kColumnStep = 30;
constexpr int kColumnButtonHeight = 26;
void placeInButtonColumn(QWidget* button, int index, int width = kColumnButtonWidth);
QSize buttonColumnSize(int count, int width = kColumnButtonWidth);
// A read-only grid of whole rows, one chosen at a time, with rows a finger can pick and the
// last column taking what room is left.
QTableWidget* touchGrid(const QStringList& headers, const QString& objectName, QWidget* parent);
// The same grid over a model (a long list: only the rows in sight are drawn).
QTableView* touchGridView(QAbstractItemModel* model, const QString& objectName, QWidget* parent);
// The first, prior, next and last buttons ("|<", "<", ">", ">|") under a list of records, in a
// row of their own.
QHBoxLayout* navigationRow(QWidget* parent, QPushButton*& first, QPushButton*& prior, QPushButton*& next,
                           QPushButton*& last);
// A dialog's closing buttons ("Save", "Cancel"), in a row at its right.
QHBoxLayout* closingButtonRow(std::initializer_list<QPushButton*> buttons);
// A label with an object name.
QLabel* namedLabel(const QString& text, const QString& objectName, QWidget* parent);

// A toggle's caption turns red while it is down, and back to the normal text colour.
void setCaptionRed(QAbstractButton* button, bool red);
bool captionIsRed(const QAbstractButton* button);

} // namespace pelora
