#pragma once

#include <QDialog>
#include <QStringList>

class QPlainTextEdit;

namespace pelora {

// The help viewer: a read-only page of text that its opener fills, and "Close".
class THelpForm : public QDialog {
    Q_OBJECT
public:
    explicit THelpForm(QWidget* parent = nullptr);

    void clear();
    void addLine(const QString& line);
    void addLines(const QStringList& lines);
    QStringList lines() const;

private:
    QPlainTextEdit* memHelp_;
};

class Prompter;

// Opens the help viewer with these lines, modally; "Cannot open HelpForm." when it cannot.
void showHelp(QWidget* parent, Prompter& prompter, const QStringList& lines);

} // namespace pelora
