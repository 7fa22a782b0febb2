#include "admin/EditorMembers.h"

#include "common/Placeholders.h"
#include "common/Prompter.h"

namespace pelora {

QString uniqueWarning(const QString& column) {
    return QStringLiteral("Could not save the changes.") + kLineBreak + QStringLiteral("Make sure %1 is Unique.").arg(column);
}

RecordEditorMember mopMember() {
    RecordEditorMember m;
    m.table = QStringLiteral("mop");
    m.selectSql = QStringLiteral("SELECT id, name FROM mop WHERE id <> 1 ORDER BY name");
    m.nameColumn = QStringLiteral("name");
    m.nameLabel = QStringLiteral("Name");
    m.placeholder = placeholder::kMop;
    m.hiddenUpTo = 1; // "Account"
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
    m.placeholder = placeholder::kDisc;
    m.hiddenUpTo = 1; // "No Discount"
    m.insertValues = {{QStringLiteral("rate"), 0}};
    m.nothingToDelete = QStringLiteral("There are no discs to delete.");
    m.deleteQuestion = QStringLiteral("Delete the disc record?");
    m.writeFailure = uniqueWarning(QStringLiteral("Name"));
    // Above 100 a discount would pay the customer to take the goods; 101 alone deletes the lines
    // it is put on instead.
    m.numberRanges = {{QStringLiteral("rate"), 0, 100,
                       QStringLiteral("Rate must be a number from 0 to 100, or 101 to delete the lines."), 101}};
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
    m.placeholder = placeholder::kStaff;
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
    m.placeholder = placeholder::kLink;
    m.writeFailure = uniqueWarning(QStringLiteral("Name"));
    m.keptId = 1;
    m.mustRemain = QStringLiteral("This link must remain.");
    return m;
}

namespace {

// The item's columns as its editor reads them: prices, then each option's seven, then codes.
QString itemColumns() {
    QStringList columns{QStringLiteral("id"), QStringLiteral("name"), QStringLiteral("qty")};
    for (int level = 1; level <= 3; ++level)
        for (const char* money : {"cost", "price", "tax"})
            columns << QLatin1String(money) + QString::number(level);
    for (int option = 1; option <= 10; ++option)
        for (const char* part : {"caption", "auto", "prompt", "forced", "cost", "price", "tax"})
            columns << QStringLiteral("opt%1").arg(option) + QLatin1String(part);
    columns << QStringLiteral("stockno") << QStringLiteral("barcode1") << QStringLiteral("barcode2")
            << QStringLiteral("outputid") << QStringLiteral("stopline") << QStringLiteral("stopdisc");
    return columns.join(QStringLiteral(", "));
}

} // namespace

QString itemSelect(const QString& condition) {
    return QStringLiteral("SELECT %1 FROM item WHERE id > 1%2 ORDER BY name")
        .arg(itemColumns(), condition.isEmpty() ? QString() : QString(QStringLiteral(" AND ") + condition));
}

RecordEditorMember itemMember() {
    RecordEditorMember m;
    m.table = QStringLiteral("item");
    m.selectSql = itemSelect({});
    m.nameColumn = QStringLiteral("name");
    m.nameLabel = QStringLiteral("Name");
    m.placeholder = placeholder::kItem;
    m.hiddenUpTo = 1; // the manual register's item
    m.nothingToDelete = QStringLiteral("There are no items to delete.");
    m.deleteQuestion = QStringLiteral("Delete the item record?");
    m.writeFailure = uniqueWarning(QStringLiteral("Name"));
    m.askOnNavigate = true;
    m.helpLines = {
        QStringLiteral("Every item must be entered in this form."),
        QStringLiteral("Only enter Qty (Quantity) for items which have to be counted."),
        QStringLiteral("If Qty is zero the count applies, if Qty is blank the count does not apply."),
        QStringLiteral("Stop Line Insert - Disable any buttons linked to this item."),
        QStringLiteral("Stop Discount - Prevent this item from being discounted."),
        QStringLiteral("Note: If a discount is flagged with a \"Stop Override\", this flag will be ignored."),
        QStringLiteral("Output allows Admin to send notice of order to correct area - e.g. Kitchen or Bar. Devices "
                       "must be setup to cater for this."),
        QStringLiteral("Stock No, Barcode1 and Barcode2 are used by the Fast Find feature and some reports."),
        QStringLiteral("The Cost/Price/Tax combo used depends on the pricemode set in the layout."),
        QString(),
        QStringLiteral("Every item can have up to 10 preset options."),
        QStringLiteral("If the Option is set to Auto, and a Prompt is set, the Pelora will automatically popup a "
                       "list of choices when you add the matching item."),
        QStringLiteral("If in addition, forced is set to true, the system will demand that one of the choices is "
                       "picked - and that you can't just close the box."),
        QStringLiteral("The Cost/Price/Tax represent the change in value to the standard Cost/Price/Tax  - positive "
                       "or negative."),
        QStringLiteral("This also applies to the Option Choices."),
        QStringLiteral("Note: If Option choices are applied to a line, the Cost/Price/Tax will be taken from it and "
                       "not the Option. Adjustments are taken from one or the other - not both.")};
    return m;
}

} // namespace pelora
