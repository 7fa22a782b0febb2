#pragma once

#include <QDialog>
#include <QStringList>

#include <functional>
#include <memory>

class QPushButton;
class QTableWidget;

namespace pelora {

class DeviceSetupList;
class OdRows;
class Prompter;
class RecordEditor;
class Spooler;

namespace db {
class Connection;
}

// The output and device window: the outputs (named destinations of the papers), the devices
// (printers as the spooler knows them) and, below, the `od` rows of every terminal that bind
// one output to one device with the settings its papers print with. The down arrow links the
// output and device chosen for this terminal and opens the new row; the up arrow removes the
// row chosen. The settings take effect on the sales screen after the application reset.
class TODForm : public QDialog {
    Q_OBJECT
public:
    TODForm(db::Connection& db, Prompter& prompter, Spooler& spooler, const QString& pcRef,
            QWidget* parent = nullptr);
    ~TODForm() override;

    // Reads the three lists; throws when they cannot be read.
    void open();

    DeviceSetupList& outputs() { return *outputs_; }
    DeviceSetupList& devices() { return *devices_; }
    OdRows& odRows() { return *od_; }

    void btnOutputInsertClick();
    void btnOutputEditClick();
    void btnOutputDeleteClick();
    void btnDeviceInsertClick();
    void btnDeviceEditClick();
    void btnDeviceDeleteClick();
    void btnLinkClick();
    void btnUnlinkClick();
    void btnODEditClick();
    void btnHelpClick();

    static QStringList helpLines();

    QTableWidget* grdOutput;
    QPushButton* btnOutputInsert;
    QPushButton* btnOutputEdit;
    QPushButton* btnOutputDelete;
    QTableWidget* grdDevice;
    QPushButton* btnDeviceInsert;
    QPushButton* btnDeviceEdit;
    QPushButton* btnDeviceDelete;
    QPushButton* btnLink;
    QPushButton* btnUnlink;
    QPushButton* btnODEdit;
    QPushButton* btnHelp;
    QPushButton* btnClose;
    QTableWidget* grdOD;

private:
    // Runs an operator's action; a failure is reported, and the lists show the rows as they
    // now are.
    void act(const std::function<void()>& action);
    void showLists();
    // The outputs' and devices' "Insert" (then `edit`), "Edit" (the dialog `openDialog` opens,
    // true when it wrote) and "Delete".
    void insertThenEdit(DeviceSetupList& list, void (TODForm::*edit)());
    void editName(DeviceSetupList& list, const std::function<bool()>& openDialog);
    void removeName(DeviceSetupList& list);
    // The dialog of the row a list stands on; true when "Submit" wrote it.
    template <typename Dialog, typename Rows, typename... Args>
    bool editRow(Rows& rows, Args&&... args);

    Prompter& prompter_;
    Spooler& spooler_;
    QString pcRef_;
    std::unique_ptr<DeviceSetupList> outputs_;
    std::unique_ptr<DeviceSetupList> devices_;
    std::unique_ptr<OdRows> od_;
    bool showing_ = false;
};

// Opens the window modally over `parent`; "Cannot open ODForm." when it cannot be filled.
void openODForm(db::Connection& db, Prompter& prompter, Spooler& spooler, const QString& pcRef, QWidget* parent);

} // namespace pelora
