#include "admin/EditorMembers.h"

#include "common/Prompter.h"

namespace pelora {

namespace {

QString uniqueWarning(const QString& column) {
    return QStringLiteral("Could not save the changes.") + kLineBreak + QStringLiteral("Make sure %1 is Unique.").arg(column);
}

} // namespace

RecordEditorMember mopMember() {
    RecordEditorMember m;
    m.table = QStringLiteral("mop");
    m.selectSql = QStringLiteral("SELECT id, name FROM mop WHERE id <> 1 ORDER BY name");
    m.nameColumn = QStringLiteral("name");
    m.nameLabel = QStringLiteral("Name");
    m.placeholder = QStringLiteral("New MOP");
    m.nothingToDelete = QStringLiteral("There are no mops to delete.");
    m.deleteQuestion = QStringLiteral("Delete the mop record?");
    m.writeFailure = uniqueWarning(QStringLiteral("Name"));
    m.helpLines = {QStringLiteral("MOP stands for Method of Payment."),
                   QStringLiteral("Credit has already been added - and must not be deleted."),
                   QStringLiteral("Cash is also added by default - but can be deleted in a cash free economy."),
                   QStringLiteral("Max of 10 characters.")};
    return m;
}

RecordEditorMember discMember() {
    RecordEditorMember m;
    m.table = QStringLiteral("disc");
    m.selectSql = QStringLiteral(
        "SELECT id, name, rate, restricted, stopoveride FROM disc WHERE id <> 1 ORDER BY name");
    m.nameColumn = QStringLiteral("name");
    m.nameLabel = QStringLiteral("Name");
    m.placeholder = QStringLiteral("New Disc");
    m.insertValues = {{QStringLiteral("rate"), 0}};
    m.nothingToDelete = QStringLiteral("There are no discs to delete.");
    m.deleteQuestion = QStringLiteral("Delete the disc record?");
    m.writeFailure = uniqueWarning(QStringLiteral("Name"));
    // Above 100 a discount would pay the customer to take the goods.
    m.numberRanges = {{QStringLiteral("rate"), 0, 100, QStringLiteral("Rate must be a number from 0 to 100.")}};
    m.helpLines = {
        QStringLiteral("Different discount rates can be handled by Pelora."),
        QStringLiteral("If restricted, the listed discount will only be available to Admin."),
        QStringLiteral("Override Stop Discount - If an item is flagged with a stop discount it's price is not "
                       "reduced by a normal discount."),
        QStringLiteral("This flag gives the discount the power to override a Stop Discount and reduce the price."),
        QStringLiteral("A discount of 100 will charge goods at zero, but still adjust any stock qty's if required.")};
    return m;
}

RecordEditorMember staffMember() {
    RecordEditorMember m;
    m.table = QStringLiteral("staff");
    m.selectSql = QStringLiteral("SELECT id, ref, pword, fname, lname FROM staff");
    m.nameColumn = QStringLiteral("ref");
    m.nameLabel = QStringLiteral("Ref");
    m.placeholder = QStringLiteral("New Staff");
    m.nothingToDelete = QStringLiteral("There are no Staff records to delete.");
    m.deleteQuestion = QStringLiteral("Delete the Staff record?");
    m.writeFailure = uniqueWarning(QStringLiteral("Ref"));
    m.keptId = 1;
    m.mustRemain = QStringLiteral("This Staff record must remain.");
    m.helpLines = {
        QStringLiteral("Pelora can be setup with various levels of security."),
        QStringLiteral("If a PC is setup in a public area, you can setup a one button logout function to prevent "
                       "unauthorised access."),
        QStringLiteral("In addition, users can be assigned a PIN number to login and help track staff data entries."),
        QStringLiteral("Make sure the Ref is unique and less than 20 characters."),
        QStringLiteral("The PIN can be up to 10 characters - but it is strongly suggested that you keep it shorter."),
        QStringLiteral("For example, Jane Citizen could use her initials and four digits: JC1234."),
        QStringLiteral("The PIN must be unique for every staff member."),
        QStringLiteral("First and Last names are self explanatory - keep each under 20 characters.")};
    return m;
}

RecordEditorMember linkMember() {
    RecordEditorMember m;
    m.table = QStringLiteral("link");
    m.selectSql = QStringLiteral("SELECT id, name FROM link WHERE id = ?");
    m.nameColumn = QStringLiteral("name");
    m.nameLabel = QStringLiteral("Name");
    m.placeholder = QStringLiteral("New Link");
    m.writeFailure = uniqueWarning(QStringLiteral("Name"));
    m.keptId = 1;
    m.mustRemain = QStringLiteral("This link must remain.");
    return m;
}

} // namespace pelora
