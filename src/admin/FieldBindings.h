#pragma once

#include "db/Value.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace pelora {

class Prompter;
class RecordEditor;

// The fields of a window bound to the columns of a record editor's current row. Each shows the
// row's value (`showAll`, whenever the row or its values change) and puts the row into edit
// when the operator changes it; a failure of the change is reported.
class FieldBindings : public QObject {
    Q_OBJECT
public:
    FieldBindings(RecordEditor& editor, Prompter& prompter, QObject* parent = nullptr);

    // A text field of at most `maxLength` characters; empty text writes null.
    void bindText(QLineEdit* edit, const QString& column, int maxLength);
    // A long text (notes); empty text writes null.
    void bindLongText(QPlainTextEdit* edit, const QString& column);
    // A list of texts offered that also takes any text typed (at most `maxLength` characters).
    void bindOfferedText(QComboBox* box, const QString& column, const QStringList& offered, int maxLength);
    // A float column; `money` shows it in the money format "0.00##", else as it is stored.
    // Text that is not a number writes null, which the member refuses.
    void bindNumber(QLineEdit* edit, const QString& column, bool money = false);
    // A "T"/"F" check box.
    void bindCheck(QCheckBox* box, const QString& column);
    // A list of captions, each storing its value; a stored value outside the list shows no
    // choice. An editable box also takes a typed number (`typedNumber`).
    struct Choice {
        QString caption;
        db::Value value;
    };
    void bindCombo(QComboBox* box, const QString& column, const std::vector<Choice>& choices, bool typedNumber = false);
    // Buttons of which one is down: button i stores values[i]; another stored value shows
    // none down.
    void bindButtons(QButtonGroup* group, const QString& column, const std::vector<db::Value>& values);

    // Every field shows the current row.
    void showAll();
    // Runs a change of the operator's to the current row; a failure is reported.
    void edited(const std::function<void()>& setField);

private:
    RecordEditor& editor_;
    Prompter& prompter_;
    std::vector<std::function<void()>> showers_; // each field's display of the current row
};

} // namespace pelora
