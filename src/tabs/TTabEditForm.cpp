#include "tabs/TTabEditForm.h"

#include "admin/FieldBindings.h"
#include "common/Placeholders.h"
#include "db/Connection.h"
#include "payment/ReBalance.h"
#include "tabs/TabAccounts.h"
#include "ui/GeneralError.h"
#include "ui/TouchWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pelora {

namespace {

constexpr int kCatLength = 20; // `tab`.`cat`

} // namespace

TTabEditForm::TTabEditForm(TabAccounts& accounts, db::Connection& db, Prompter& prompter, QWidget* parent)
    : QDialog(parent), accounts_(accounts), db_(db), prompter_(prompter),
      fields_(new FieldBindings(accounts, prompter, this)) {
    setObjectName(QStringLiteral("TabEditForm"));
    setWindowTitle(QStringLiteral("TabEditForm"));
    setModal(true);

    grpDetails = new QGroupBox(tr("Enter the Tab Details"), this);
    grpDetails->setObjectName(QStringLiteral("grpDetails"));
    edtRef = text(QStringLiteral("edtRef"), QStringLiteral("ref"), 20);

    cboCat = new QComboBox(grpDetails);
    cboCat->setObjectName(QStringLiteral("cboCat"));
    QStringList categories{QString()};
    for (const db::Row& r :
         db.run(QStringLiteral("SELECT DISTINCT cat FROM tab WHERE cat IS NOT NULL AND cat <> '' ORDER BY cat")).rows)
        categories << r[0].asText();
    fields_->bindOfferedText(cboCat, QStringLiteral("cat"), categories, kCatLength);

    cboDisc = new QComboBox(grpDetails);
    cboDisc->setObjectName(QStringLiteral("cboDisc"));
    std::vector<FieldBindings::Choice> discounts;
    for (const db::Row& r : db.run(QStringLiteral("SELECT id, name, rate FROM disc ORDER BY id")).rows)
        if (!placeholder::isPlaceholder(r[1].asText(), placeholder::kDisc)) // a discount not yet named
            discounts.push_back({r[1].asText(), r[0]});
    fields_->bindCombo(cboDisc, QStringLiteral("discid"), discounts);

    edtBalance = new QLineEdit(grpDetails);
    edtBalance->setObjectName(QStringLiteral("edtBalance"));
    fields_->bindNumber(edtBalance, QStringLiteral("balance"), true);
    btnReBalance = touchButton(tr("Re-Balance"), QStringLiteral("btnReBalance"), grpDetails);
    edtCrLimit = new QLineEdit(grpDetails);
    edtCrLimit->setObjectName(QStringLiteral("edtCrLimit"));
    fields_->bindNumber(edtCrLimit, QStringLiteral("crlimit"), true);
    chkCrStop = new QCheckBox(tr("Cr Stop"), grpDetails);
    chkCrStop->setObjectName(QStringLiteral("chkCrStop"));
    fields_->bindCheck(chkCrStop, QStringLiteral("crstop"));
    edtMessage = text(QStringLiteral("edtMessage"), QStringLiteral("crmessage"), 100);
    edtName = text(QStringLiteral("edtName"), QStringLiteral("name"), 50);
    edtStreet1 = text(QStringLiteral("edtStreet1"), QStringLiteral("street1"), 40);
    edtStreet2 = text(QStringLiteral("edtStreet2"), QStringLiteral("street2"), 40);
    edtSuburb = text(QStringLiteral("edtSuburb"), QStringLiteral("suburb"), 30);
    edtState = text(QStringLiteral("edtState"), QStringLiteral("state"), 10);
    edtPostcode = text(QStringLiteral("edtPostcode"), QStringLiteral("postcode"), 10);
    edtHPhone = text(QStringLiteral("edtHPhone"), QStringLiteral("hphone"), 15);
    edtWPhone = text(QStringLiteral("edtWPhone"), QStringLiteral("wphone"), 15);
    edtMPhone = text(QStringLiteral("edtMPhone"), QStringLiteral("mphone"), 15);
    edtEmail = text(QStringLiteral("edtEmail"), QStringLiteral("email"), 50);
    memNotes = new QPlainTextEdit(grpDetails);
    memNotes->setObjectName(QStringLiteral("memNotes"));
    memNotes->setMaximumHeight(80);
    fields_->bindLongText(memNotes, QStringLiteral("notes"));

    auto pair = [this](QWidget* a, QWidget* b) {
        auto* holder = new QWidget(grpDetails);
        auto* row = new QHBoxLayout(holder);
        row->setContentsMargins(0, 0, 0, 0);
        row->addWidget(a, 1);
        row->addWidget(b);
        return holder;
    };
    // The account on the left, the address on the right.
    auto* account = new QFormLayout;
    account->addRow(tr("Ref:"), edtRef);
    account->addRow(tr("Cat:"), cboCat);
    account->addRow(tr("Discount:"), cboDisc);
    account->addRow(tr("Balance:"), pair(edtBalance, btnReBalance));
    account->addRow(tr("CrLimit:"), pair(edtCrLimit, chkCrStop));
    account->addRow(tr("Message:"), edtMessage);
    account->addRow(tr("Notes:"), memNotes);
    auto* address = new QFormLayout;
    address->addRow(tr("Name:"), edtName);
    address->addRow(tr("Street1:"), edtStreet1);
    address->addRow(tr("Street2:"), edtStreet2);
    address->addRow(tr("Suburb:"), edtSuburb);
    address->addRow(tr("State:"), edtState);
    address->addRow(tr("Postcode:"), edtPostcode);
    address->addRow(tr("HPhone:"), edtHPhone);
    address->addRow(tr("WPhone:"), edtWPhone);
    address->addRow(tr("MPhone:"), edtMPhone);
    address->addRow(tr("EMail:"), edtEmail);
    auto* columns = new QHBoxLayout(grpDetails);
    columns->addLayout(account, 1);
    columns->addLayout(address, 1);

    btnSave = touchButton(tr("Save"), QStringLiteral("btnSave"), this);
    btnCancel = touchButton(tr("Cancel"), QStringLiteral("btnCancel"), this);
    QHBoxLayout* bar = closingButtonRow({btnSave, btnCancel});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grpDetails, 1);
    layout->addLayout(bar);

    connect(btnSave, &QPushButton::clicked, this, [this] { btnSaveClick(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { btnCancelClick(); });
    connect(btnReBalance, &QPushButton::clicked, this, [this] { btnReBalanceClick(); });
    db::RowSet& rows = accounts_.rows();
    connect(&rows, &db::RowSet::dataChanged, this, [this] { fields_->showAll(); });
    connect(&rows, &db::RowSet::scrolled, this, [this] { fields_->showAll(); });
    fields_->showAll();
    resize(760, 440);
}

TTabEditForm::~TTabEditForm() = default;

QLineEdit* TTabEditForm::text(const QString& objectName, const QString& column, int maxLength) {
    auto* edit = new QLineEdit(grpDetails);
    edit->setObjectName(objectName);
    edit->setMinimumHeight(kTouchHeight - 12);
    fields_->bindText(edit, column, maxLength);
    return edit;
}

void TTabEditForm::btnSaveClick() {
    bool written = false;
    runReportingFailures(prompter_, [this, &written] { written = accounts_.save(); });
    if (!written)
        return; // refused: the edit stays open with the warning
    saved_ = true;
    closing_ = true;
    accept();
}

void TTabEditForm::btnCancelClick() {
    runReportingFailures(prompter_, [this] { accounts_.cancel(); });
    closing_ = true;
    QDialog::reject();
}

void TTabEditForm::btnReBalanceClick() {
    runReportingFailures(prompter_, [this] {
        reBalanceTab(db_, prompter_, accounts_.currentId(), accounts_.rows().value(u"ref").asText());
    });
}

void TTabEditForm::reject() {
    if (closing_)
        return QDialog::reject();
    bool settled = false;
    runReportingFailures(prompter_, [this, &settled] { settled = accounts_.settleEdit(); });
    if (!settled)
        return;
    closing_ = true;
    QDialog::reject();
}

} // namespace pelora
