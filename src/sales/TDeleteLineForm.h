#pragma once

#include <QDialog>

#include <functional>

class QPushButton;

namespace pelora {

class Prompter;

// "Delete": "One" deletes the current line, "All" every line of the list in use. Each action
// says whether it deleted, and the window then closes; "Close" only closes.
class TDeleteLineForm : public QDialog {
    Q_OBJECT
public:
    using Action = std::function<bool()>;

    TDeleteLineForm(Prompter& prompter, Action one, Action all, QWidget* parent = nullptr);

    QPushButton* btnOne;
    QPushButton* btnAll;
    QPushButton* btnClose;

private:
    void run(const Action& action);

    Prompter& prompter_;
};

} // namespace pelora
