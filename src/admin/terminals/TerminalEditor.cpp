#include "admin/terminals/TerminalEditor.h"

#include "admin/EditorMembers.h"
#include "admin/devices/OdRows.h"
#include "common/Placeholders.h"
#include "common/Prompter.h"
#include "db/Connection.h"

namespace pelora {

namespace {

const QString kRef = QStringLiteral("ref");

} // namespace

RecordEditorMember pcMember() {
    RecordEditorMember m;
    m.table = QStringLiteral("pc");
    m.selectSql = QStringLiteral(
        "SELECT id, ref, layoutid, imagepath, mapid, outputid, refreshrate, refreshmode,"
        " layoutmode, checkmode, docketmode, drawermode, nosalemode FROM pc ORDER BY id");
    m.nameColumn = kRef;
    m.nameLabel = QStringLiteral("PCRef");
    m.placeholder = placeholder::kPc;
    m.nothingToDelete = QStringLiteral("There are no PC records to delete.");
    m.deleteQuestion = QStringLiteral("Delete the PC record?");
    m.writeFailure = uniqueWarning(QStringLiteral("Ref"));
    m.keptId = 1;
    m.mustRemain = QStringLiteral("This PC must remain.");
    const QChar q = u'"';
    m.helpLines = {
        QStringLiteral("Every PC will have a pelora.ini file which has a setting for PCRef."),
        QStringLiteral("When Pelora starts, it reads PCRef from the ini file, then it looks for "
                       "the matching entry in "
                       "this form to get additional data."),
        QStringLiteral("Every PCRef in the ini files should have a match in this form."),
        QStringLiteral("PCRef should not exceed 20 characters."),
        QString(),
        QStringLiteral("Pelora uses graphical files for several functions."),
        QStringLiteral(
            "JPG files are used for backgrounds behind the main item buttons and the map buttons."),
        QStringLiteral("BMP files are used for small graphics on the main item buttons."),
        QStringLiteral("Similar files are used to store customer images."),
        QStringLiteral("In any case, Pelora needs to know where to look for these files."),
        QStringLiteral("You can store all images in one folder on the server - this makes admin "
                       "easy, but increases "
                       "network traffic."),
        QStringLiteral("A better plan is to keep a copy of all image files on each PC - this "
                       "greatly reduces network "
                       "traffic, but means more work for the administrator."),
        QStringLiteral("Admin strategy should be to have a master folder of images and always copy "
                       "from the master to "
                       "the client PC's."),
        QStringLiteral("Typically the ImagePath will be c:\\pelora\\images\\ ."),
        QString(),
        QStringLiteral("Layout: Select which layout will appear by default when Pelora is started "
                       "on the current PC."),
        QString(),
        QStringLiteral("Map: Select which map will appear by default when Tab button is clicked."),
        QString(),
        QStringLiteral("Output: Tells the system where to send printed orders when the manual "
                       "register is used."),
        QString(),
        QStringLiteral("Refresh Mode/Rate: By default the inventory count is refreshed everytime "
                       "an item button is "
                       "pressed."),
        QStringLiteral("Choose On-Silent or On-Beep to force the client to request count updates "
                       "automatically."),
        QStringLiteral("The rate is the refresh frequency in seconds."),
        QString(),
        QStringLiteral("LayoutMode: Enables the Layout button."),
        QStringLiteral("This will allow any user to quickly change the current Layout on that PC."),
        QStringLiteral("When enabled, a store manager can instruct staff to go to each PC and "
                       "change the current "
                       "layout."),
        QStringLiteral("When disabled, Admin has to make the changes."),
        QString(),
        QStringLiteral("No Sale: Enables the No Sale button."),
        QStringLiteral("When disabled, Admin has to make the changes."),
        QString(),
        QStringLiteral("DrawerMode: If a separate drawer kick is required, the system needs to "
                       "know how to do it."),
        q + QStringLiteral("Device kick drawer") + q +
            QStringLiteral(":  The printer is used to kick the drawer."),
        q + QStringLiteral("Serial/Parallel port kicks drawer") + q +
            QStringLiteral(": The drawer is connected to the PC trying to open it."),
        QStringLiteral("Note: To make these features work, you must also setup \"Devices\" in the "
                       "Admin Form."),
        QString(),
        QStringLiteral("DocketMode: Pelora is compatible with docket printers and cash drawers."),
        QStringLiteral("Drawers can be opened by sending signals to a connected docket printer, or "
                       "with a direct "
                       "connection to the PC."),
        QStringLiteral(
            "Using standard Windows features allows you to share docket printers with incredible "
            "flexibility."),
        q + QStringLiteral("Dockets and Drawer off") + q +
            QStringLiteral(": Pelora will not attempt to print a docket or ask the printer to open "
                           "the drawer."),
        q + QStringLiteral("Dockets on - combined drawer kick") + q +
            QStringLiteral(": Pelora will attempt to print a docket and open the drawer connected "
                           "to that printer as "
                           "one process."),
        q + QStringLiteral("Dockets on - separate drawer kick") + q +
            QStringLiteral(": Pelora will attempt to print a docket and open the drawer as two "
                           "separate processes."),
        QStringLiteral("This setting is commonly used when the drawer is not opened by the device "
                       "printing the "
                       "docket."),
        q + QStringLiteral("Dockets off - separate drawer kick") + q +
            QStringLiteral(
                ": Pelora will not attempt to print a docket, but will open the drawer."),
        QStringLiteral("When a separate drawer kick is selected, Pelora will look to the \"Drawer "
                       "Mode\" for more "
                       "information on how it should be done."),
        QStringLiteral("Note: To make these features work, you must also setup \"Devices\" in the "
                       "Admin Form."),
        QString(),
        QStringLiteral("Check Mode: Follow the directions for the DocketMode."),
    };
    return m;
}

const std::vector<LayoutModeChoice>& terminalModeChoices() {
    static const std::vector<LayoutModeChoice> table{
        {QStringLiteral("Refresh Mode / Rate in seconds"),
         QStringLiteral("refreshmode"),
         {{QStringLiteral("Off"), QStringLiteral("0")},
          {QStringLiteral("On-Silent"), QStringLiteral("1")},
          {QStringLiteral("On-Beep"), QStringLiteral("2")}}},
        {QStringLiteral("Layout Mode"),
         QStringLiteral("layoutmode"),
         {{QStringLiteral("Disable Button"), QStringLiteral("0")},
          {QStringLiteral("Enable Button"), QStringLiteral("1")}}},
        {QStringLiteral("No Sale Mode"),
         QStringLiteral("nosalemode"),
         {{QStringLiteral("Disable Button"), QStringLiteral("0")},
          {QStringLiteral("Enable Button"), QStringLiteral("1")}}},
        {QStringLiteral("Docket Mode"),
         QStringLiteral("docketmode"),
         {{QStringLiteral("Dockets & Drawer off"), QStringLiteral("0")},
          {QStringLiteral("Dockets on - combined Drawer kick"), QStringLiteral("1")},
          {QStringLiteral("Dockets on - separate Drawer kick"), QStringLiteral("2")},
          {QStringLiteral("Dockets off - separate Drawer kick"), QStringLiteral("3")}}},
        {QStringLiteral("Check Mode"),
         QStringLiteral("checkmode"),
         {{QStringLiteral("Checks & Drawer off"), QStringLiteral("0")},
          {QStringLiteral("Checks on - combined Drawer kick"), QStringLiteral("1")},
          {QStringLiteral("Checks on - separate Drawer kick"), QStringLiteral("2")},
          {QStringLiteral("Checks off - separate Drawer kick"), QStringLiteral("3")}}},
        {QStringLiteral("Drawer Mode"),
         QStringLiteral("drawermode"),
         {{QStringLiteral("Drawer off"), QStringLiteral("0")},
          {QStringLiteral("Device kicks Drawer"), QStringLiteral("1")},
          {QStringLiteral("Serial/Parallel Port kicks Drawer"), QStringLiteral("2")}}},
    };
    return table;
}

TerminalEditor::TerminalEditor(db::Connection& db, Prompter& prompter, const QString& pcRef)
    : RecordEditor(db, prompter, pcMember()), pcRef_(pcRef) {
    QObject::connect(&rows(), &db::RowSet::stateChanged, [this] {
        if (!isEditing())
            rateUnreadable_ = false; // written or dropped: the field shows the stored rate again
    });
}

bool TerminalEditor::locateOwnRow() {
    return locateNoCase(kRef, pcRef_);
}

void TerminalEditor::typedRefreshRate(const QString& text) {
    const QString rate = text.trimmed();
    bool whole = true;
    if (!rate.isEmpty()) {
        const int seconds = rate.toInt(&whole);
        whole = whole && seconds >= 0;
    }
    rateUnreadable_ = !whole;
}

std::optional<QString> TerminalEditor::refusal() {
    if (rateUnreadable_)
        return QStringLiteral("Refresh Rate is not a whole number of seconds.");
    return std::nullopt;
}

QString TerminalEditor::ownRowQuestion(const QString& pcRef) {
    return QStringLiteral("This is the PC record of this till (%1). After the next reset this till "
                          "will run with the "
                          "settings of PC 1 until a record named %1 exists again.")
               .arg(pcRef) +
           kLineBreak + QStringLiteral("Delete it?");
}

QString TerminalEditor::copyDevicesQuestion(const QString& pcRef, const QString& newRef) {
    return QStringLiteral("Copy the outputs and devices of this till (%1) to %2?").arg(pcRef, newRef);
}

void TerminalEditor::write() {
    // The placeholder saved under a PCRef of its own is a new terminal: without `od` rows it
    // could not print a single order, so it may start with this till's.
    const QString newRef = rows().value(kRef).asText();
    const bool isNew = placeholder::isPlaceholder(nameAsRead(), member().placeholder) &&
                       !placeholder::isPlaceholder(newRef, member().placeholder);
    if (!isNew || pcRef_.isEmpty() || outputDeviceCount(connection(), pcRef_) == 0 ||
        outputDeviceCount(connection(), newRef) > 0 || !prompter().confirm(copyDevicesQuestion(pcRef_, newRef))) {
        rows().post();
        return;
    }
    // The copy goes first: a PCRef refused as a duplicate then takes it back with the edit
    // still open.
    db::Transaction transaction(connection());
    copyOutputDevices(connection(), pcRef_, newRef);
    rows().post();
    transaction.commit();
}

bool TerminalEditor::confirmDelete() {
    // Without its row this till falls back to terminal 1 at the next reset, without a word.
    const QString ref = rows().value(kRef).asText();
    if (!pcRef_.isEmpty() && ref.compare(pcRef_, Qt::CaseInsensitive) == 0 &&
        !prompter().confirm(ownRowQuestion(pcRef_)))
        return false;
    return RecordEditor::confirmDelete();
}

} // namespace pelora
