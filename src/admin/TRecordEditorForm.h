#pragma once

#include "admin/FieldBindings.h"
#include "admin/RecordEditor.h"
#include "common/PictureFiles.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QGroupBox;
class QHBoxLayout;
class QLineEdit;
class QListWidget;
class QPushButton;
class QVBoxLayout;

namespace pelora {

class PicturePane;
class Prompter;

// The one window of the record editors: the list of rows, the navigation, "Insert"/"Save",
// "Delete"/"Cancel", the help and the "Details" group, whose fields a member adds and binds to
// its columns. Typing in a field puts the row into edit. Everything it does is the editor's.
class TRecordEditorForm : public QDialog {
    Q_OBJECT
public:
    TRecordEditorForm(std::unique_ptr<RecordEditor> editor, Prompter& prompter, QWidget* parent = nullptr);
    ~TRecordEditorForm() override;

    RecordEditor& editor() { return *editor_; }

    // Reads the rows (the opener may then position them) and shows them.
    void open();

    // A save or a cancel shows the row's picture again (`addPictureField`).
    virtual void btnInsertClick();
    virtual void btnDeleteClick();
    void btnHelpClick();
    void navigate(RecordEditor::Move where);

    QListWidget* lstRecords;
    QPushButton* btnFirst;
    QPushButton* btnPrior;
    QPushButton* btnNext;
    QPushButton* btnLast;
    QPushButton* btnInsert;
    QPushButton* btnDelete;
    QPushButton* btnHelp;
    QPushButton* btnClose;
    QGroupBox* grpDetails;

    // Closing asks "Save changes?" while a row is being edited.
    void reject() override;
    void done(int result) override;

protected:
    // A text field of a column, at most `maxLength` characters; empty text writes null.
    QLineEdit* addTextField(const QString& label, const QString& column, int maxLength, const QString& objectName);
    // A number field; text that is not a number writes null, which the member refuses.
    QLineEdit* addNumberField(const QString& label, const QString& column, const QString& objectName);
    // A "T"/"F" check box of a column.
    QCheckBox* addCheckField(const QString& caption, const QString& column, const QString& objectName);

    // Bindings of fields a member lays out itself (outside the "Details" form). Each shows the
    // current row's value and puts the row into edit when the operator changes it.
    void bindText(QLineEdit* edit, const QString& column, int maxLength);
    // A float column; `money` shows it in the money format "0.00##", else as it is stored.
    void bindNumber(QLineEdit* edit, const QString& column, bool money = false);
    void bindCheck(QCheckBox* box, const QString& column);
    // A list of captions, each storing its value; a stored value outside the list shows no
    // choice. An editable box also takes a typed number (`typedNumber`).
    using Choice = FieldBindings::Choice;
    void bindCombo(QComboBox* box, const QString& column, const std::vector<Choice>& choices, bool typedNumber = false);
    // Buttons of which one is down: button i stores values[i]; another stored value shows
    // none down.
    void bindButtons(QButtonGroup* group, const QString& column, const std::vector<db::Value>& values);
    // A group box of radio buttons bound as above, one per choice (caption, stored value), named
    // "grp" + column, its buttons "rdo" + column + value. The group's layout is free for more.
    QGroupBox* choiceGroup(QWidget* parent, const QString& caption, const QString& column,
                           const std::vector<std::pair<QString, QString>>& choices);
    // "Browse" for a picture kept by its file name in `column`, shown in `field`: the operator
    // picks it starting in the image folder; the name chosen is put into the edit and given.
    std::optional<QString> browsePicture(QLineEdit* field, const QString& column, const QString& caption,
                                         const QString& imageFolder, const QString& filter = kPictureFilter);

    // The current row's picture, kept by its file name and read from this terminal's image folder.
    struct PictureRules {
        QString column;      // the file name's column
        QString imageFolder; // the image folder, ending in its separator
        QString browseCaption;
        QString filter = kPictureFilter;
        // An empty file name shows no picture and says nothing; otherwise it is read as any
        // other name is (and the folder alone is no picture).
        bool emptyIsNone = true;
        // The picture of the row shown, or of the row just saved, cannot be read (a cancel
        // shows the row's picture again without a word).
        std::function<void(const QString& fileName)> unreadable;
        // A picture chosen with "Browse" cannot be read from the image folder.
        std::function<void(const QString& fileName)> notInFolder;
    };
    // The file name's field with its "Browse" in "Details", and the room under "Details" given
    // to the picture at its own size. The picture follows the row shown, a save and a cancel;
    // "Browse" puts the chosen name into the edit and shows its picture.
    struct PictureField {
        QLineEdit* fileName;
        QPushButton* browse;
        PicturePane* pane;
    };
    PictureField addPictureField(const QString& label, PictureRules rules, const QString& paneName,
                                 const QString& pictureName);
    // A list of short names, `width` wide with its navigation squeezed under it, leaves the room
    // to the details.
    void narrowList(int width);
    // The field "Insert" puts the cursor in (the first field added, unless set).
    void setFirstField(QWidget* field) { firstField_ = field; }
    // Runs a change of the operator's; a failure is reported and the window shows the rows as
    // they now are.
    void act(const std::function<void()>& action);
    // A field changed by the operator: only the edit changes, the list stays as it is.
    void edited(const std::function<void()>& setField);
    // Shows the rows again (after a change made outside the editor).
    void showRows();
    // Where a member lays out parts of its own: the column of the list (list, navigation), the
    // column of "Details" (the group, then room), the bar of buttons under both.
    QVBoxLayout* listColumn() const { return listColumn_; }
    QVBoxLayout* detailsColumn() const { return detailsColumn_; }
    QHBoxLayout* buttonBar() const { return buttonBar_; }

private:
    QLineEdit* addLineEdit(const QString& label, const QString& objectName);
    void showFields();
    void showState();
    void focusFirstField();
    // Shows the current row's picture; with `warn`, one that cannot be read is told.
    void showPicture(bool warn);
    void browseShownPicture();

    std::unique_ptr<RecordEditor> editor_;
    Prompter& prompter_;
    QFormLayout* form_;
    FieldBindings* fields_;
    QVBoxLayout* listColumn_;
    QVBoxLayout* detailsColumn_;
    QHBoxLayout* buttonBar_;
    QWidget* firstField_ = nullptr;
    bool closed_ = false;
    PictureRules pictureRules_;
    PictureField picture_{};
    int pictureShownId_ = -1; // the row whose picture shows
};

} // namespace pelora
