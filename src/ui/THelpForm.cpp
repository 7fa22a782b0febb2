#include "ui/THelpForm.h"

#include "common/Prompter.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <memory>

namespace pelora {

THelpForm::THelpForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("HelpForm"));
    setWindowTitle(QStringLiteral("HelpForm"));
    resize(640, 420);

    memHelp_ = new QPlainTextEdit(this);
    memHelp_->setObjectName(QStringLiteral("memHelp"));
    memHelp_->setReadOnly(true);
    memHelp_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memHelp_->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("btnClose"));
    close->setMinimumHeight(44);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(memHelp_);
    layout->addWidget(close, 0, Qt::AlignRight);
}

void THelpForm::clear() { memHelp_->clear(); }

void THelpForm::addLine(const QString& line) { memHelp_->appendPlainText(line); }

void THelpForm::addLines(const QStringList& lines) {
    for (const QString& line : lines)
        addLine(line);
}

QStringList THelpForm::lines() const { return memHelp_->toPlainText().split(u'\n'); }

void showHelp(QWidget* parent, Prompter& prompter, const QStringList& lines) {
    std::unique_ptr<THelpForm> form;
    try {
        form = std::make_unique<THelpForm>(parent);
        form->clear();
        form->addLines(lines);
    } catch (const std::exception&) {
        prompter.error(QStringLiteral("Cannot open HelpForm."));
        return;
    }
    form->exec();
}

} // namespace pelora
