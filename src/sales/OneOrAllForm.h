#pragma once

#include <QDialog>

#include <functional>

class QPushButton;

namespace pelora {

class Prompter;

// A small window with a group of two buttons, "One" and "All", and "Close": each action says
// whether it did its work, and the window then closes; "Close" only closes.
class OneOrAllForm : public QDialog {
    Q_OBJECT
public:
    using Action = std::function<bool()>;

    QPushButton* btnOne;
    QPushButton* btnAll;
    QPushButton* btnClose;

protected:
    // `name` is the object name and the title; `group` the group's caption.
    OneOrAllForm(const QString& name, const QString& group, Prompter& prompter, Action one, Action all,
                 QWidget* parent);

private:
    void run(const Action& action);

    Prompter& prompter_;
};

} // namespace pelora
