#pragma once

#include "common/Prompter.h"

#include <QTextStream>

namespace pelora {

// The prompter of the till's command-line services: messages go to the stream, every question
// is answered "No" or left unanswered.
class StreamPrompter : public Prompter {
public:
    explicit StreamPrompter(QTextStream& out) : out_(out) {}

    void information(const QString& text) override { out_ << text << '\n'; }
    void warning(const QString& text) override { out_ << text << '\n'; }
    void error(const QString& text) override { out_ << text << '\n'; }
    bool confirm(const QString& text) override;
    Answer confirmWithCancel(const QString& text) override;
    std::optional<QString> inputText(const QString&, const QString&, const QString&, Echo) override { return {}; }
    std::optional<QString> chooseFile(const QString&, const QString&, const QString&) override { return {}; }
    std::optional<QString> chooseSaveFile(const QString&, const QString&, const QString&) override { return {}; }
    std::optional<std::uint32_t> chooseColour(std::uint32_t) override { return {}; }

private:
    QTextStream& out_;
};

} // namespace pelora
