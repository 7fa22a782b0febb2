#pragma once

#include <QDialog>

#include <vector>

class QPushButton;
class QScrollArea;

namespace pelora {

class Prompter;

namespace db {
class Connection;
}

// The layout chooser: one button per layout, by name; touching one switches this terminal to
// it. The opener reloads the terminal's settings when a layout was chosen.
class TLayoutChoiceForm : public QDialog {
    Q_OBJECT
public:
    TLayoutChoiceForm(db::Connection& db, Prompter& prompter, const QString& pcRef, QWidget* parent = nullptr);

    // Switches the terminal to the layout and closes; an id below 1 is refused.
    void chooseLayout(int layoutId);
    // A layout was chosen and written.
    bool switched() const { return switched_; }

    QScrollArea* scrLayouts;
    std::vector<QPushButton*> layoutButtons;
    QPushButton* btnClose;

private:
    db::Connection& db_;
    Prompter& prompter_;
    QString pcRef_;
    bool switched_ = false;
};

} // namespace pelora
