#include "admin/devices/TODForm.h"

#include "admin/devices/DeviceSetupList.h"
#include "admin/devices/OdRows.h"
#include "admin/devices/TDeviceEditForm.h"
#include "admin/devices/TODEditForm.h"
#include "admin/devices/TOutputEditForm.h"
#include "print/Spooler.h"
#include "ui/FormOpener.h"
#include "ui/GeneralError.h"
#include "ui/THelpForm.h"
#include "ui/TouchWidgets.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

namespace pelora {

namespace {

// The columns of the `od` list, as the grid heads them.
const QStringList kOdColumns{QStringLiteral("PCREF"),      QStringLiteral("OUTPUTNAME"), QStringLiteral("DEVICENAME"),
                             QStringLiteral("BEGINCODE1"), QStringLiteral("BEGINCODE2"), QStringLiteral("ENDCODE1"),
                             QStringLiteral("ENDCODE2"),   QStringLiteral("EJECTLINES"), QStringLiteral("HTEXT"),
                             QStringLiteral("HFONT"),      QStringLiteral("HCPL"),       QStringLiteral("HALIGN"),
                             QStringLiteral("BFONT"),      QStringLiteral("BCPL"),       QStringLiteral("FTEXT"),
                             QStringLiteral("FFONT"),      QStringLiteral("FCPL"),       QStringLiteral("FALIGN")};

// Fills a grid with the rows of a list, the given columns, and marks the list's current row.
void fillGrid(QTableWidget* grid, const RecordEditor& list, const QStringList& columns) {
    const QSignalBlocker quiet(grid);
    const db::RowSet& rows = list.rows();
    grid->setRowCount(0);
    grid->setRowCount(rows.rowCount());
    for (int c = 0; c < columns.size(); ++c) {
        const int field = rows.fieldIndex(columns[c].toLower());
        for (int r = 0; r < rows.rowCount(); ++r) {
            // A text of several lines shows on one.
            QString text = rows.valueAt(r, field).asText();
            text.replace(QStringLiteral("\r\n"), QStringLiteral(" ")).replace(u'\n', u' ');
            grid->setItem(r, c, new QTableWidgetItem(text));
        }
    }
    if (!list.isEmpty())
        grid->selectRow(rows.row());
}

} // namespace

TODForm::TODForm(db::Connection& db, Prompter& prompter, Spooler& spooler, const QString& pcRef, QWidget* parent)
    : QDialog(parent), prompter_(prompter), spooler_(spooler), pcRef_(pcRef),
      outputs_(DeviceSetupList::outputs(db, prompter)), devices_(DeviceSetupList::devices(db, prompter)),
      od_(std::make_unique<OdRows>(db, prompter)) {
    setObjectName(QStringLiteral("ODForm"));
    setWindowTitle(QStringLiteral("ODForm"));
    setModal(true);

    const auto listColumn = [this](const QString& caption, QTableWidget* grid, QPushButton* insert,
                                   QPushButton* edit, QPushButton* remove) {
        auto* column = new QVBoxLayout;
        column->addWidget(namedLabel(caption, QStringLiteral("lbl") + caption, this));
        column->addWidget(grid, 1);
        auto* buttons = new QHBoxLayout;
        for (QPushButton* b : {insert, edit, remove})
            buttons->addWidget(b);
        column->addLayout(buttons);
        return column;
    };
    grdOutput = touchGrid({QStringLiteral("NAME")}, QStringLiteral("grdOutput"), this);
    btnOutputInsert = touchButton(tr("Insert"), QStringLiteral("btnOutputInsert"), this);
    btnOutputEdit = touchButton(tr("Edit"), QStringLiteral("btnOutputEdit"), this);
    btnOutputDelete = touchButton(tr("Delete"), QStringLiteral("btnOutputDelete"), this);
    grdDevice = touchGrid({QStringLiteral("NAME"), QStringLiteral("CAT")}, QStringLiteral("grdDevice"), this);
    grdDevice->setColumnWidth(0, 220);
    btnDeviceInsert = touchButton(tr("Insert"), QStringLiteral("btnDeviceInsert"), this);
    btnDeviceEdit = touchButton(tr("Edit"), QStringLiteral("btnDeviceEdit"), this);
    btnDeviceDelete = touchButton(tr("Delete"), QStringLiteral("btnDeviceDelete"), this);
    auto* lists = new QHBoxLayout;
    lists->addLayout(listColumn(tr("Output"), grdOutput, btnOutputInsert, btnOutputEdit, btnOutputDelete), 1);
    lists->addLayout(listColumn(tr("Device"), grdDevice, btnDeviceInsert, btnDeviceEdit, btnDeviceDelete), 1);

    btnLink = touchButton(QStringLiteral("\u2193"), QStringLiteral("btnLink"), this);
    btnUnlink = touchButton(QStringLiteral("\u2191"), QStringLiteral("btnUnlink"), this);
    btnODEdit = touchButton(tr("Edit"), QStringLiteral("btnODEdit"), this);
    btnHelp = touchButton(tr("Help"), QStringLiteral("btnHelp"), this);
    btnClose = touchButton(tr("Close"), QStringLiteral("btnClose"), this);
    auto* arrows = new QHBoxLayout;
    for (QPushButton* b : {btnLink, btnUnlink, btnODEdit})
        arrows->addWidget(b);
    arrows->addStretch(1);
    arrows->addWidget(btnHelp);
    arrows->addWidget(btnClose);

    grdOD = touchGrid(kOdColumns, QStringLiteral("grdOD"), this);
    grdOD->horizontalHeader()->setStretchLastSection(false);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addLayout(arrows);
    layout->addWidget(grdOD, 1);
    resize(900, 640);

    connect(btnOutputInsert, &QPushButton::clicked, this, [this] { btnOutputInsertClick(); });
    connect(btnOutputEdit, &QPushButton::clicked, this, [this] { btnOutputEditClick(); });
    connect(btnOutputDelete, &QPushButton::clicked, this, [this] { btnOutputDeleteClick(); });
    connect(btnDeviceInsert, &QPushButton::clicked, this, [this] { btnDeviceInsertClick(); });
    connect(btnDeviceEdit, &QPushButton::clicked, this, [this] { btnDeviceEditClick(); });
    connect(btnDeviceDelete, &QPushButton::clicked, this, [this] { btnDeviceDeleteClick(); });
    connect(btnLink, &QPushButton::clicked, this, [this] { btnLinkClick(); });
    connect(btnUnlink, &QPushButton::clicked, this, [this] { btnUnlinkClick(); });
    connect(btnODEdit, &QPushButton::clicked, this, [this] { btnODEditClick(); });
    connect(btnHelp, &QPushButton::clicked, this, [this] { btnHelpClick(); });
    connect(btnClose, &QPushButton::clicked, this, [this] { reject(); });
    const std::pair<QTableWidget*, RecordEditor*> grids[] = {
        {grdOutput, outputs_.get()}, {grdDevice, devices_.get()}, {grdOD, od_.get()}};
    for (const auto& [grid, list] : grids)
        connect(grid, &QTableWidget::currentCellChanged, this, [this, list = list](int row) {
            if (row >= 0)
                act([list, row] { list->moveTo(row); });
        });
}

TODForm::~TODForm() = default;

void TODForm::open() {
    outputs_->load();
    devices_->load();
    od_->load();
    showLists();
}

void TODForm::showLists() {
    fillGrid(grdOutput, *outputs_, {QStringLiteral("name")});
    fillGrid(grdDevice, *devices_, {QStringLiteral("name"), QStringLiteral("cat")});
    fillGrid(grdOD, *od_, kOdColumns);
    grdOD->resizeColumnsToContents(); // the codes read whole
    for (QPushButton* b : {btnOutputEdit, btnOutputDelete})
        b->setEnabled(!outputs_->isEmpty());
    for (QPushButton* b : {btnDeviceEdit, btnDeviceDelete})
        b->setEnabled(!devices_->isEmpty());
}

void TODForm::act(const std::function<void()>& action) {
    if (showing_)
        return; // the grids follow the lists: not a choice of the operator's
    runReportingFailures(prompter_, action);
    showing_ = true;
    runReportingFailures(prompter_, [this] { showLists(); });
    showing_ = false;
}

template <typename Dialog, typename Rows, typename... Args>
bool TODForm::editRow(Rows& rows, Args&&... args) {
    auto dialog = makeFilledForm<Dialog>(prompter_, [&] {
        return std::make_unique<Dialog>(rows, prompter_, std::forward<Args>(args)..., this);
    });
    return dialog && showModal(*dialog) == QDialog::Accepted && dialog->submitted();
}

void TODForm::insertThenEdit(DeviceSetupList& list, void (TODForm::*edit)()) {
    bool inserted = false;
    act([&list, &inserted] { inserted = list.insert(); });
    if (inserted)
        (this->*edit)();
}

void TODForm::editName(DeviceSetupList& list, const std::function<bool()>& openDialog) {
    act([this, &list, &openDialog] {
        if (!list.mayEdit() || !openDialog())
            return;
        // The `od` list shows the name too.
        list.load();
        od_->load();
    });
}

void TODForm::removeName(DeviceSetupList& list) {
    act([this, &list] {
        list.remove();
        od_->load();
    });
}

void TODForm::btnOutputInsertClick() { insertThenEdit(*outputs_, &TODForm::btnOutputEditClick); }

void TODForm::btnOutputEditClick() {
    editName(*outputs_, [this] { return editRow<TOutputEditForm>(*outputs_); });
}

void TODForm::btnOutputDeleteClick() { removeName(*outputs_); }

void TODForm::btnDeviceInsertClick() { insertThenEdit(*devices_, &TODForm::btnDeviceEditClick); }

void TODForm::btnDeviceEditClick() {
    editName(*devices_, [this] { return editRow<TDeviceEditForm>(*devices_, spooler_.printers()); });
}

void TODForm::btnDeviceDeleteClick() { removeName(*devices_); }

void TODForm::btnLinkClick() {
    bool linked = false;
    act([this, &linked] { linked = od_->link(outputs_->currentId(), devices_->currentId(), pcRef_); });
    if (linked)
        btnODEditClick();
}

void TODForm::btnUnlinkClick() {
    act([this] { od_->unlink(); });
}

void TODForm::btnODEditClick() {
    act([this] {
        if (od_->isEmpty() || !editRow<TODEditForm>(*od_, spooler_))
            return;
        od_->load();
    });
}

QStringList TODForm::helpLines() {
    return {
        QStringLiteral("Pelora can handle all sorts of docket printers and drawers."),
        QStringLiteral("Setup can be a little confusing  - but once done it need not be altered."),
        QStringLiteral("The first step is to get the network administrator to connect all devices to the network."),
        QStringLiteral("Windows Printers should be shared if required and take note of the name assigned by Windows."),
        QStringLiteral("e.g. Generic / Text Only"),
        QStringLiteral("This name will be entered into the Device grid - along with device (esc) codes."),
        QStringLiteral("Once all Outputs and Devices are added, highlight one in Output, then one in device and press "
                       "the down button to link them in the bottom grid."),
        QStringLiteral("Change the PCRef to match the PC which will use these settings."),
        QStringLiteral("To remove a line, just click the up arrow."),
        QStringLiteral("Enter Drawer Kick codes in the BeginCode1 and BeginCode2 fields. Refer to your device "
                       "documentation for these codes."),
        QStringLiteral("e.g. for an Epson TM-U210B the cut code is #29#86#01"),
        QStringLiteral("Enter the cut code as EndCode1 or EndCode2."),
        QStringLiteral("To get this printer to kick the drawer use a BeginCode of #27#112#00#00#00"),
        QStringLiteral("Cat is the device category: P - printer, D - drawer, L - LCD."),
        QStringLiteral("Eject Lines is tells the printer how many blank lines to print before cutting the paper.")};
}

void TODForm::btnHelpClick() { showHelp(this, prompter_, helpLines()); }

void openODForm(db::Connection& db, Prompter& prompter, Spooler& spooler, const QString& pcRef, QWidget* parent) {
    if (auto form = makeFilledForm<TODForm>(prompter, [&] {
            auto made = std::make_unique<TODForm>(db, prompter, spooler, pcRef, parent);
            made->open();
            return made;
        }))
        showModal(*form);
}

} // namespace pelora
