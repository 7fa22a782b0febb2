#include "app/TINIForm.h"

#include "app/IniFile.h"
#include "app/TMainDataModule.h"
#include "common/Flag.h"
#include "common/FolderPath.h"
#include "common/Prompter.h"
#include "ui/GeneralError.h"
#include "ui/THelpForm.h"
#include "ui/TouchWidgets.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <stdexcept>

namespace pelora {

namespace {

struct FlagColumn {
    const char* caption;
    const char16_t* column;
    const char* objectName;
};
// In the order of the window; "Tab Requery" is shown but cannot be changed here.
constexpr FlagColumn kFlagColumns[TINIForm::kFlags] = {
    {"Link Requery", u"linkrequery", "chkLinkRequery"}, {"Item Requery", u"itemrequery", "chkItemRequery"},
    {"Tab Requery", u"tabrequery", "chkTabRequery"},    {"Opt Requery", u"optrequery", "chkOptRequery"},
    {"MOP Requery", u"moprequery", "chkMopRequery"},    {"Disc Requery", u"discrequery", "chkDiscRequery"},
};
constexpr int kTabRequery = 2;

QLineEdit* edit(const QString& name, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setMinimumHeight(36);
    return e;
}

} // namespace

TINIForm::TINIForm(TMainDataModule& module, const QString& imagePath, Prompter& prompter, QWidget* parent)
    : QDialog(parent), module_(module), imagePath_(imagePath), prompter_(prompter),
      master1_(module.db1, QStringLiteral("master")) {
    setObjectName(QStringLiteral("INIForm"));
    setWindowTitle(QStringLiteral("INIForm"));

    auto* iniGroup = new QGroupBox(tr("INI File"), this);
    iniGroup->setObjectName(QStringLiteral("grpIniFile"));
    edtPassword = edit(QStringLiteral("edtPassword"), iniGroup);
    edtPCRef = edit(QStringLiteral("edtPCRef"), iniGroup);
    edtPCRef->setMaxLength(20);
    edtDBPath = edit(QStringLiteral("edtDBPath"), iniGroup);
    btnBrowse = touchButton(tr("Browse"), QStringLiteral("btnBrowse"), iniGroup);
    btnWriteFile = touchButton(tr("Write to INI file"), QStringLiteral("btnWriteFile"), iniGroup);
    btnIniHelp = touchButton(QStringLiteral("?"), QStringLiteral("btnIniHelp"), iniGroup);
    btnIniHelp->setFixedWidth(kTouchHeight);
    auto* iniLayout = new QGridLayout(iniGroup);
    iniLayout->addWidget(new QLabel(tr("Password"), iniGroup), 0, 0);
    iniLayout->addWidget(edtPassword, 0, 1, 1, 2);
    iniLayout->addWidget(new QLabel(tr("PCRef"), iniGroup), 1, 0);
    iniLayout->addWidget(edtPCRef, 1, 1, 1, 2);
    iniLayout->addWidget(new QLabel(tr("DBPath"), iniGroup), 2, 0);
    iniLayout->addWidget(edtDBPath, 2, 1);
    iniLayout->addWidget(btnBrowse, 2, 2);
    auto* iniButtons = new QHBoxLayout;
    iniButtons->addWidget(btnIniHelp);
    iniButtons->addStretch();
    iniButtons->addWidget(btnWriteFile);
    iniLayout->addLayout(iniButtons, 3, 0, 1, 3);
    iniLayout->setColumnStretch(1, 1);

    auto* masterGroup = new QGroupBox(tr("Master"), this);
    masterGroup->setObjectName(QStringLiteral("grpMaster"));
    auto* masterLayout = new QGridLayout(masterGroup);
    for (int i = 0; i < kFlags; ++i) {
        auto* box = new QCheckBox(QString::fromLatin1(kFlagColumns[i].caption), masterGroup);
        box->setObjectName(QString::fromLatin1(kFlagColumns[i].objectName));
        box->setMinimumHeight(32);
        masterLayout->addWidget(box, i / 2, i % 2);
        connect(box, &QCheckBox::toggled, this, [this, i](bool on) {
            runReportingFailures(prompter_, [&] { flagToggled(i, on); });
        });
        flagBoxes[static_cast<std::size_t>(i)] = box;
    }
    flagBoxes[kTabRequery]->setEnabled(false);
    btnSave = touchButton(tr("Save"), QStringLiteral("btnSave"), masterGroup);
    btnCancel = touchButton(tr("Cancel"), QStringLiteral("btnCancel"), masterGroup);
    btnMasterHelp = touchButton(QStringLiteral("?"), QStringLiteral("btnMasterHelp"), masterGroup);
    btnMasterHelp->setFixedWidth(kTouchHeight);
    auto* masterButtons = new QHBoxLayout;
    masterButtons->addWidget(btnMasterHelp);
    masterButtons->addStretch();
    masterButtons->addWidget(btnSave);
    masterButtons->addWidget(btnCancel);
    masterLayout->addLayout(masterButtons, 3, 0, 1, 2);

    btnClose = touchButton(tr("Close"), QStringLiteral("btnClose"), this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(iniGroup);
    layout->addWidget(masterGroup);
    layout->addWidget(btnClose, 0, Qt::AlignRight);

    auto handle = [this](QPushButton* button, void (TINIForm::*handler)()) {
        connect(button, &QPushButton::clicked, this,
                [this, handler] { runReportingFailures(prompter_, [this, handler] { (this->*handler)(); }); });
    };
    handle(btnWriteFile, &TINIForm::btnWriteFileClick);
    handle(btnBrowse, &TINIForm::btnBrowseClick);
    handle(btnIniHelp, &TINIForm::btnIniHelpClick);
    handle(btnMasterHelp, &TINIForm::btnMasterHelpClick);
    handle(btnSave, &TINIForm::btnSaveClick);
    handle(btnCancel, &TINIForm::btnCancelClick);
    connect(btnClose, &QPushButton::clicked, this, &TINIForm::reject);
    connect(&master1_, &db::RowSet::stateChanged, this, &TINIForm::masterStateChanged);
    btnSave->setEnabled(false);
    btnCancel->setEnabled(false);

    FormCreate();
    setFixedSize(sizeHint().expandedTo(QSize(560, 0)));
}

TINIForm::~TINIForm() = default;

void TINIForm::FormCreate() {
    Session& session = module_.session();
    QDir::setCurrent(session.startFolder);
    if (const std::optional<IniSettings> ini = IniFile::read()) {
        session.configuredPcRef = ini->pcRef; // both take effect at the next load of the settings
        session.dbPath = ini->dbPath;
        edtPassword->setText(ini->password);
        edtPCRef->setText(ini->pcRef);
        edtDBPath->setText(ini->dbPath);
    } else {
        prompter_.warning(QStringLiteral("Problem reading from pelora.ini file."));
    }
    btnWriteFile->setEnabled(false);
    for (QLineEdit* e : {edtPassword, edtPCRef, edtDBPath})
        connect(e, &QLineEdit::textChanged, btnWriteFile, [this] { btnWriteFile->setEnabled(writingAllowed_); });
}

void TINIForm::forbidWriting() {
    writingAllowed_ = false;
    btnWriteFile->setEnabled(false);
}

void TINIForm::openMaster() {
    master1_.setSql(QStringLiteral("SELECT id, linkrequery, itemrequery, optrequery, tabrequery,"
                                   " moprequery, discrequery FROM master"));
    master1_.open();
    showFlags();
}

void TINIForm::showFlags() {
    showingFlags_ = true;
    for (int i = 0; i < kFlags; ++i)
        flagBoxes[static_cast<std::size_t>(i)]->setChecked(
            isTrue(master1_.value(QStringView(kFlagColumns[i].column)).asText()));
    showingFlags_ = false;
}

void TINIForm::flagToggled(int index, bool on) {
    if (showingFlags_ || !master1_.isOpen())
        return;
    if (!master1_.isEditing())
        master1_.edit();
    master1_.setField(QStringView(kFlagColumns[index].column), flagText(on));
}

void TINIForm::masterStateChanged() {
    const bool editing = master1_.isEditing();
    btnSave->setEnabled(editing);
    btnCancel->setEnabled(editing);
}

void TINIForm::btnSaveClick() {
    if (master1_.isEditing())
        master1_.post();
}

void TINIForm::btnCancelClick() {
    master1_.cancel();
    showFlags();
}

void TINIForm::btnWriteFileClick() {
    const QString password = edtPassword->text();
    const QString pcRef = edtPCRef->text();
    const QString dbPath = edtDBPath->text();
    if (password.isEmpty()) {
        prompter_.warning(QStringLiteral("Password cannot be blank."));
        return;
    }
    if (pcRef.isEmpty()) {
        prompter_.warning(QStringLiteral("PCRef cannot be blank."));
        return;
    }
    if (dbPath.isEmpty()) {
        prompter_.warning(QStringLiteral("DBPath cannot be blank."));
        return;
    }
    Session& session = module_.session();
    session.configuredPcRef = pcRef; // both take effect at the next application reset
    session.dbPath = dbPath;
    try {
        QDir::setCurrent(session.startFolder);
        if (!IniFile::write({password, pcRef, dbPath}))
            throw std::runtime_error("pelora.ini was not written");
        btnWriteFile->setEnabled(false);

        db::Query& q = module_.query1;
        q.setSql(QStringLiteral("SELECT id FROM pc WHERE ref = ?"));
        q.open({pcRef});
        if (q.isEmpty()) {
            prompter_.information(pcRef + QStringLiteral(" will be added to the PCForm automatically."));
            const int id = module_.storedProc1.nextId(QStringLiteral("pc"));
            q.setSql(QStringLiteral("INSERT INTO pc (id, ref, imagepath) VALUES (?, ?, ?)"));
            q.exec({id, pcRef, imagePath_});
        }
    } catch (const std::exception&) {
        prompter_.warning(QStringLiteral("Problem writing to pelora.ini file."));
    }
}

void TINIForm::btnBrowseClick() {
    const Session& session = module_.session();
    const QString current = db::localDatabaseFile(session.databasePath());
    const QString folder = !current.isEmpty() && QFileInfo(current).absoluteDir().exists()
                               ? QFileInfo(current).absolutePath()
                               : session.startFolder;
    const std::optional<QString> file = prompter_.chooseFile(
        tr("DBPath"), folder, QStringLiteral("Firebird Database (pelora.gdb PELORA.GDB)"));
    if (file)
        edtDBPath->setText(folderOfFile(*file));
}

QStringList TINIForm::iniHelpLines() {
    return {
        QStringLiteral("Pelora reads information from a file called pelora.ini - this must be in the folder pelora is started from ."),
        QStringLiteral("These files are stored by default in the /srv/pelora folder."),
        QStringLiteral("The password is encrypted and stored under [app_pelora]."),
        QStringLiteral("Enter the Firebird password of SYSDBA or of the user ADMIN1_PELORA."),
        QStringLiteral("PCRef is stored in the ini file and is an identifier for that PC - e.g. CLIENT12."),
        QStringLiteral("Do not exceed 20 characters."),
        QStringLiteral("Under normal conditions, the PCRef will be unique for each PC - the Admin must check the pelora.ini file on each pc to ensure this."),
        QStringLiteral("The Admin may choose to use a non-unique identifier instead - e.g. Bar or Kitchen. Avoid doing this without good reason."),
        QString(),
        QStringLiteral("Pelora stores data in database file called pelora.gdb ."),
        QStringLiteral("This file is stored in a shared folder on the server."),
        QStringLiteral("e.g. DBPath on a client: server1:/srv/pelora/data/"),
        QStringLiteral("DBPath is stored in the pelora.ini file on each PC, it can be different on each client."),
        QStringLiteral("DBPath is usually /srv/pelora/data/ when configured standalone."),
    };
}

QStringList TINIForm::masterHelpLines() {
    return {
        QStringLiteral("Pelora uses sophisticated techniques to improve performance."),
        QStringLiteral("One technique is to store data to local memory rather than constantly accessing the server hard drive."),
        QStringLiteral("On older PC's with very limited memory, this may be unacceptable."),
        QStringLiteral("By checking the boxes, you are telling the system to Re-Query the server for the data every time and minimise local memory usage."),
        QStringLiteral("Changes to these checkboxes apply to all PC's on the network - not just the local PC."),
        QStringLiteral("Note: Only check the boxes when advised to do so by support. This facility may be dropped in future versions."),
    };
}

void TINIForm::btnIniHelpClick() { showHelp(this, prompter_, iniHelpLines()); }

void TINIForm::btnMasterHelpClick() { showHelp(this, prompter_, masterHelpLines()); }

bool TINIForm::closeMaster() {
    if (master1_.isEditing()) {
        try {
            if (prompter_.confirm(QStringLiteral("Save changes?")))
                master1_.post();
            else
                master1_.cancel();
        } catch (const std::exception& failure) {
            reportFailure(prompter_, failure);
            return false; // the change is still there to save or cancel
        }
    }
    master1_.close();
    return true;
}

void TINIForm::reject() {
    if (closeMaster())
        QDialog::reject();
}

} // namespace pelora
