#include "admin/FieldBindings.h"

#include "admin/RecordEditor.h"
#include "common/Flag.h"
#include "common/Money.h"
#include "ui/GeneralError.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>

namespace pelora {

FieldBindings::FieldBindings(RecordEditor& editor, Prompter& prompter, QObject* parent)
    : QObject(parent), editor_(editor), prompter_(prompter) {}

void FieldBindings::showAll() {
    for (const auto& show : showers_)
        show();
}

void FieldBindings::edited(const std::function<void()>& setField) { runReportingFailures(prompter_, setField); }

void FieldBindings::bindText(QLineEdit* edit, const QString& column, int maxLength) {
    edit->setMaxLength(maxLength);
    connect(edit, &QLineEdit::textEdited, this, [this, column](const QString& text) {
        edited([this, column, text] { editor_.setField(column, text.isEmpty() ? db::Value() : db::Value(text)); });
    });
    showers_.push_back([this, edit, column] {
        const QString text = editor_.rows().value(column).asText();
        if (edit->text() != text)
            edit->setText(text);
    });
}

void FieldBindings::bindLongText(QPlainTextEdit* edit, const QString& column) {
    connect(edit, &QPlainTextEdit::textChanged, this, [this, edit, column] {
        const QString text = edit->toPlainText();
        if (text == editor_.rows().value(column).asText())
            return; // shown, not typed
        edited([this, column, text] { editor_.setField(column, text.isEmpty() ? db::Value() : db::Value(text)); });
    });
    showers_.push_back([this, edit, column] {
        const QString text = editor_.rows().value(column).asText();
        if (edit->toPlainText() != text) {
            const QSignalBlocker quiet(edit);
            edit->setPlainText(text);
        }
    });
}

void FieldBindings::bindOfferedText(QComboBox* box, const QString& column, const QStringList& offered,
                                     int maxLength) {
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->lineEdit()->setMaxLength(maxLength);
    {
        const QSignalBlocker quiet(box);
        box->clear();
        box->addItems(offered);
    }
    const auto write = [this, column](const QString& text) {
        edited([this, column, text] { editor_.setField(column, text.isEmpty() ? db::Value() : db::Value(text)); });
    };
    connect(box, &QComboBox::textActivated, this, write);
    connect(box->lineEdit(), &QLineEdit::textEdited, this, write);
    showers_.push_back([this, box, column] {
        const QString text = editor_.rows().value(column).asText();
        if (box->currentText() == text)
            return;
        const QSignalBlocker quiet(box);
        box->setCurrentIndex(box->findText(text));
        box->setEditText(text);
    });
}

void FieldBindings::bindNumber(QLineEdit* edit, const QString& column, bool money) {
    connect(edit, &QLineEdit::textEdited, this, [this, column](const QString& text) {
        bool ok = false;
        const double number = text.trimmed().toDouble(&ok);
        edited([this, column, ok, number] { editor_.setField(column, ok ? db::Value(number) : db::Value()); });
    });
    showers_.push_back([this, edit, column, money] {
        const db::Value& v = editor_.rows().value(column);
        // While the row is in edit, what was typed stays as it is (a half-typed "1e" too).
        if (editor_.isEditing() && edit->isModified())
            return;
        const QString text = v.isNull() ? QString() : money ? moneyText(v.asDouble()) : db::shortestDecimal(v.asDouble());
        if (edit->text() != text)
            edit->setText(text);
        edit->setModified(false);
    });
}

void FieldBindings::bindCheck(QCheckBox* box, const QString& column) {
    connect(box, &QCheckBox::clicked, this, [this, column](bool on) {
        edited([this, column, on] { editor_.setField(column, flagText(on)); });
    });
    showers_.push_back([this, box, column] {
        const QSignalBlocker quiet(box);
        box->setChecked(isTrue(editor_.rows().value(column).asText()));
    });
}

namespace {

bool sameValue(const db::Value& a, const db::Value& b) {
    if (a.isNull() || b.isNull())
        return a.isNull() && b.isNull();
    return a.asText() == b.asText();
}

} // namespace

void FieldBindings::bindCombo(QComboBox* box, const QString& column, const std::vector<Choice>& choices,
                                  bool typedNumber) {
    {
        const QSignalBlocker quiet(box);
        box->clear();
        for (const Choice& c : choices)
            box->addItem(c.caption);
    }
    connect(box, &QComboBox::activated, this, [this, column, choices](int index) {
        if (index < 0 || index >= static_cast<int>(choices.size()))
            return;
        edited([this, column, value = choices[static_cast<std::size_t>(index)].value] { editor_.setField(column, value); });
    });
    if (typedNumber && box->isEditable())
        connect(box->lineEdit(), &QLineEdit::textEdited, this, [this, column](const QString& text) {
            bool ok = false;
            const double number = text.trimmed().toDouble(&ok);
            edited([this, column, ok, number] { editor_.setField(column, ok ? db::Value(number) : db::Value()); });
        });
    showers_.push_back([this, box, column, choices, typedNumber] {
        // While the row is in edit, a typed number stays as it is.
        if (box->isEditable() && editor_.isEditing() && box->lineEdit()->isModified())
            return;
        const QSignalBlocker quiet(box);
        const db::Value& v = editor_.rows().value(column);
        int index = -1;
        for (std::size_t i = 0; i < choices.size() && index < 0; ++i) {
            const db::Value& c = choices[i].value;
            if (sameValue(c, v) || (typedNumber && !v.isNull() && !c.isNull() && c.asDouble() == v.asDouble()))
                index = static_cast<int>(i);
        }
        box->setCurrentIndex(index);
        if (box->isEditable()) {
            box->setEditText(index >= 0 ? choices[static_cast<std::size_t>(index)].caption
                             : v.isNull() ? QString()
                                          : db::shortestDecimal(v.asDouble()));
            box->lineEdit()->setModified(false);
        }
    });
}

void FieldBindings::bindButtons(QButtonGroup* group, const QString& column, const std::vector<db::Value>& values) {
    group->setExclusive(false); // so that none can be down
    const QList<QAbstractButton*> buttons = group->buttons();
    for (int i = 0; i < buttons.size() && i < static_cast<int>(values.size()); ++i) {
        buttons[i]->setCheckable(true);
        connect(buttons[i], &QAbstractButton::clicked, this, [this, column, group, i, value = values[static_cast<std::size_t>(i)]] {
            const QList<QAbstractButton*> all = group->buttons();
            for (int j = 0; j < all.size(); ++j) {
                const QSignalBlocker quiet(all[j]);
                all[j]->setChecked(j == i);
            }
            edited([this, column, value] { editor_.setField(column, value); });
        });
    }
    showers_.push_back([this, group, column, values] {
        const db::Value& v = editor_.rows().value(column);
        const QList<QAbstractButton*> all = group->buttons();
        for (int j = 0; j < all.size(); ++j) {
            const QSignalBlocker quiet(all[j]);
            all[j]->setChecked(j < static_cast<int>(values.size()) && sameValue(values[static_cast<std::size_t>(j)], v));
        }
    });
}

} // namespace pelora
