#include "ui/QtPrompter.h"

#include "ui/BusyCursor.h"
#include "ui/TouchWidgets.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace pelora {

namespace {

QString caption() { return QStringLiteral("Pelora"); }

// A finger, not a mouse, answers the till's questions: every button of a prompt is of touch
// height.
void sizeForTouch(QDialog& dialog) {
    dialog.setStyleSheet(QStringLiteral("QPushButton { min-height: %1px; min-width: 96px; }").arg(kTouchHeight));
}

QMessageBox::StandardButton ask(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                QMessageBox::StandardButtons buttons) {
    NormalCursor normal;
    QMessageBox box(icon, caption(), text, buttons, parent);
    sizeForTouch(box);
    box.exec();
    return box.standardButton(box.clickedButton());
}

} // namespace

void QtPrompter::information(const QString& text) { ask(parent_, QMessageBox::Information, text, QMessageBox::Ok); }

void QtPrompter::warning(const QString& text) { ask(parent_, QMessageBox::Warning, text, QMessageBox::Ok); }

void QtPrompter::error(const QString& text) { ask(parent_, QMessageBox::Critical, text, QMessageBox::Ok); }

bool QtPrompter::confirm(const QString& text) {
    return ask(parent_, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

Prompter::Answer QtPrompter::confirmWithCancel(const QString& text) {
    switch (ask(parent_, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

std::optional<QString> QtPrompter::inputText(const QString& caption, const QString& prompt,
                                             const QString& initial, Echo echo) {
    NormalCursor normal;
    QInputDialog dialog(parent_);
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextEchoMode(echo == Echo::Password ? QLineEdit::Password : QLineEdit::Normal);
    dialog.setTextValue(initial);
    sizeForTouch(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

std::optional<QString> QtPrompter::chooseFile(const QString& caption, const QString& folder,
                                              const QString& filter) {
    NormalCursor normal;
    const QString file = QFileDialog::getOpenFileName(parent_, caption, folder, filter);
    if (file.isEmpty())
        return std::nullopt;
    return file;
}

std::optional<QString> QtPrompter::chooseSaveFile(const QString& caption, const QString& suggested,
                                                  const QString& filter) {
    NormalCursor normal;
    const QString file = QFileDialog::getSaveFileName(parent_, caption, suggested, filter);
    if (file.isEmpty())
        return std::nullopt;
    return file;
}

std::optional<std::uint32_t> QtPrompter::chooseColour(std::uint32_t initial) {
    NormalCursor normal;
    // The database keeps red in the low byte, blue in the high one.
    const QColor start(static_cast<int>(initial & 0xff), static_cast<int>((initial >> 8) & 0xff),
                       static_cast<int>((initial >> 16) & 0xff));
    const QColor chosen = QColorDialog::getColor(start, parent_);
    if (!chosen.isValid())
        return std::nullopt;
    return static_cast<std::uint32_t>(chosen.red()) |
           (static_cast<std::uint32_t>(chosen.green()) << 8) |
           (static_cast<std::uint32_t>(chosen.blue()) << 16);
}

} // namespace pelora
