#pragma once

#include <QDialog>

#include <map>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace pelora {

namespace db {
class RowSet;
}

// The read-only details of a line of one list, with "<<" and ">>" to step through the list.
class TLineForm : public QDialog {
    Q_OBJECT
public:
    explicit TLineForm(db::RowSet& lines, QWidget* parent = nullptr);

    // The value boxes by column name ("qty", "discname", ...).
    QLineEdit* field(const QString& column) const;
    QCheckBox* chkProcessed;
    QTableWidget* options; // "Option 1:" to "Option 10:": caption, choice, cost, price, tax
    QPushButton* btnPrior;
    QPushButton* btnNext;
    QPushButton* btnClose;

    void showLine();

private:
    db::RowSet& lines_;
    std::map<QString, QLineEdit*> fields_;
};

} // namespace pelora
