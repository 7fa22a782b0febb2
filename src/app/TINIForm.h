#pragma once

#include "db/RowSet.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace pelora {

class Prompter;
class TMainDataModule;

// The configuration-file editor: the three values of this PC's pelora.ini, written back with
// "Write to INI file", and the requery flags of the `master` row that every PC shares.
class TINIForm : public QDialog {
    Q_OBJECT
public:
    // `imagePath` is the images folder of the terminal settings now loaded: a terminal added
    // for a new PCRef takes it.
    TINIForm(TMainDataModule& module, const QString& imagePath, Prompter& prompter,
             QWidget* parent = nullptr);
    ~TINIForm() override;

    // Keeps "Write to INI file" off whatever is typed (the admin console edits the shared flags
    // only).
    void forbidWriting();
    // Opens `master1` on the requery flags; the opener runs it before showing the window.
    void openMaster();
    db::RowSet& master1() { return master1_; }

    void btnWriteFileClick();
    void btnBrowseClick();
    void btnIniHelpClick();
    void btnMasterHelpClick();
    void btnSaveClick();
    void btnCancelClick();

    // The help lines of the two groups.
    static QStringList iniHelpLines();
    static QStringList masterHelpLines();

    QLineEdit* edtPassword;
    QLineEdit* edtPCRef;
    QLineEdit* edtDBPath;
    QPushButton* btnBrowse;
    QPushButton* btnWriteFile;
    QPushButton* btnIniHelp;
    QPushButton* btnSave;
    QPushButton* btnCancel;
    QPushButton* btnMasterHelp;
    QPushButton* btnClose;
    static constexpr int kFlags = 6;
    std::array<QCheckBox*, kFlags> flagBoxes{};

    // Closing asks "Save changes?" while a flag is changed and not saved.
    void reject() override;

private:
    void FormCreate();
    void showFlags();
    void flagToggled(int index, bool on);
    void masterStateChanged();
    bool closeMaster();

    TMainDataModule& module_;
    QString imagePath_;
    Prompter& prompter_;
    db::RowSet master1_;
    bool showingFlags_ = false;
    bool writingAllowed_ = true;
};

} // namespace pelora
