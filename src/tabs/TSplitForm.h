#pragma once

#include "tabs/SplitRecords.h"
#include "ui/KeyboardModes.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace pelora {

class Prompter;

namespace db {
class Connection;
class StoredProc;
} // namespace db

// The split editor: the refs of the splits with navigation and a search, the current split's
// details, and "Insert"/"Save", "Delete"/"Cancel", "Keyboard", "Image", "Copy to Tab", help and
// "Close". While a split is edited the first two buttons save or cancel it; moving to another
// split, searching or closing saves it first (closing asks).
class TSplitForm : public QDialog {
    Q_OBJECT
public:
    struct Options {
        QString source; // "SplitChoice", "TabFind", "Admin" or empty
        bool discountShown = false;
        bool allDiscounts = false; // restricted discounts too
        QString imagePath;         // folder of the split pictures, joined to the file name as it is
    };

    TSplitForm(db::Connection& db, db::StoredProc& proc, Prompter& prompter, KeyboardModes& keyboardModes,
               Options options, QWidget* parent = nullptr);

    // Every split, the one with that ref current when it is listed.
    void showAll(const QString& selectRef = {});
    // The search box takes the text, then "Find" runs.
    void find(const QString& text);
    // Called after open lines were rewritten (a new ref or message).
    void setLinesChanged(std::function<void()> linesChanged);
    // Called with the ref after "Copy to Tab" from the tab find window; the editor then closes.
    void setCopiedToTab(std::function<void(const QString& ref)> copiedToTab);
    // The split the editor is on (empty when none).
    QString currentRef() const;
    SplitRecords& records() { return records_; }

    void btnInsertClick();
    void btnDeleteClick();
    void btnFindClick();
    void btnAllClick();
    void btnKeyboardClick();
    void btnImageClick();
    void btnBrowseClick();
    void btnCopyToTabClick();
    void btnHelpClick();
    // Closing while a split is edited asks "Save changes?"; a save that is refused keeps the
    // window open.
    void reject() override;

    static QStringList helpLines();

    QTableWidget* grdRefs;
    QPushButton* btnFirst;
    QPushButton* btnPrior;
    QPushButton* btnNext;
    QPushButton* btnLast;
    QGroupBox* grpFind;
    QLineEdit* edtSearch;
    QPushButton* btnFind;
    QPushButton* btnAll;
    QGroupBox* grpDetails;
    QLineEdit* edtRef;
    QComboBox* cboCat;
    QLabel* lblDisc;
    QComboBox* cboDisc;
    QLineEdit* edtName;
    QLineEdit* edtStreet1;
    QLineEdit* edtStreet2;
    QLineEdit* edtSuburb;
    QLineEdit* edtState;
    QLineEdit* edtPostcode;
    QLineEdit* edtHPhone;
    QLineEdit* edtWPhone;
    QLineEdit* edtMPhone;
    QLineEdit* edtEMail;
    QLineEdit* edtMessage;
    QPlainTextEdit* memNotes;
    QLineEdit* edtImage;
    QPushButton* btnBrowse;
    QPushButton* btnInsert;
    QPushButton* btnDelete;
    QPushButton* btnKeyboard;
    QPushButton* btnImage;
    QPushButton* btnCopyToTab;
    QPushButton* btnHelp;
    QPushButton* btnClose;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // A line of the details bound to a column, and the keyboard mode that writes it.
    struct TextField {
        QLineEdit* edit;
        QString column;
        QString mode;
    };

    void buildDetails();
    void registerKeyboardModes();
    void setField(const QString& column, const db::Value& value);
    void showRecord();
    void showRefs();
    void selectCurrentRef();
    void showCategories();
    void showDiscounts();
    void showState();
    // Saves an edit before the list moves or is read again; false when the save was refused.
    bool leaveRecord();
    bool save();
    void navigate(const std::function<void()>& move);
    void run(const std::function<void()>& action);

    Prompter& prompter_;
    KeyboardModes& keyboardModes_;
    Options options_;
    SplitRecords records_;
    std::vector<TextField> textFields_;
    std::vector<KeyboardModes::Registration> modes_;
    std::function<void(const QString&)> copiedToTab_;
    bool loading_ = false;
    bool shown_ = false;
};

} // namespace pelora
