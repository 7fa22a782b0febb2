#pragma once

#include <QDialog>

#include <functional>
#include <vector>

class QPushButton;
class QScrollArea;

namespace pelora {

namespace db {
class Connection;
}
class Prompter;

// "Active": one button for every tab with open lines on any till; pressing one chooses it.
class TTabOpenForm : public QDialog {
    Q_OBJECT
public:
    // Gets the pressed tab's id and caption; the window then closes.
    using Choose = std::function<void(int tabId, const QString& ref)>;

    TTabOpenForm(db::Connection& db, Prompter& prompter, Choose choose, QWidget* parent = nullptr);

    void tabButtonClick(QPushButton* button);

    QScrollArea* scrTabs;
    std::vector<QPushButton*> tabButtons;
    QPushButton* btnClose;

private:
    Prompter& prompter_;
    Choose choose_;
};

} // namespace pelora
