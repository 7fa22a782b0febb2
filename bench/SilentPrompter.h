#pragma once

// A prompter for benchmarks of windows: any message means the path measured went wrong, so it
// stops the run with the message's text.

#include "common/Prompter.h"

#include <stdexcept>
#include <string>

namespace bench {

class SilentPrompter : public pelora::Prompter {
public:
    void information(const QString& t) override { fail(t); }
    void warning(const QString& t) override { fail(t); }
    void error(const QString& t) override { fail(t); }
    bool confirm(const QString& t) override { return fail(t), false; }
    Answer confirmWithCancel(const QString& t) override { return fail(t), Answer::Cancel; }
    std::optional<QString> inputText(const QString&, const QString& t, const QString&, Echo) override {
        return fail(t), std::nullopt;
    }
    std::optional<QString> chooseFile(const QString& t, const QString&, const QString&) override {
        return fail(t), std::nullopt;
    }
    std::optional<QString> chooseSaveFile(const QString& t, const QString&, const QString&) override {
        return fail(t), std::nullopt;
    }
    std::optional<std::uint32_t> chooseColour(std::uint32_t) override { return fail({}), std::nullopt; }

private:
    static void fail(const QString& text) { throw std::runtime_error("unexpected message: " + text.toStdString()); }
};

} // namespace bench
