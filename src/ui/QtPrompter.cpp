#include "ui/QtPrompter.h"

#include "ui/BusyCursor.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace pelora {

namespace {
QString caption() { return QStringLiteral("Pelora"); }
} // namespace

void QtPrompter::information(const QString& text) {
    NormalCursor normal;
    QMessageBox::information(parent_, caption(), text);
}

void QtPrompter::warning(const QString& text) {
    NormalCursor normal;
    QMessageBox::warning(parent_, caption(), text);
}

void QtPrompter::error(const QString& text) {
    NormalCursor normal;
    QMessageBox::critical(parent_, caption(), text);
}

bool QtPrompter::confirm(const QString& text) {
    NormalCursor normal;
    return QMessageBox::question(parent_, caption(), text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

Prompter::Answer QtPrompter::confirmWithCancel(const QString& text) {
    NormalCursor normal;
    switch (QMessageBox::question(parent_, caption(), text,
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
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
    bool ok = false;
    const QString text = QInputDialog::getText(
        parent_, caption, prompt, echo == Echo::Password ? QLineEdit::Password : QLineEdit::Normal,
        initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

std::optional<QString> QtPrompter::chooseFile(const QString& caption, const QString& folder,
                                              const QString& filter) {
    NormalCursor normal;
    const QString file = QFileDialog::getOpenFileName(parent_, caption, folder, filter);
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
