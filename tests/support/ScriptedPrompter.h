#pragma once

#include "common/Prompter.h"

#include <QString>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace pelora::test {

// The prompter of tests: every prompt must have been expected, in order and with its exact
// text, and is answered from the expectation. A prompt not expected, a text that differs, or an
// expectation left unused (reported on destruction or verify()) is a failure, reported through
// the sink the test framework gives.
class ScriptedPrompter : public Prompter {
public:
    enum class Kind { Information, Warning, Error, Confirm, ConfirmWithCancel, Input, File, SaveFile, Colour };
    struct Prompt {
        Kind kind;
        QString text; // the message, or the input box's prompt
    };
    using FailureSink = std::function<void(const QString& failure)>;

    explicit ScriptedPrompter(FailureSink sink);
    ~ScriptedPrompter() override;

    ScriptedPrompter& expectInformation(const QString& text);
    ScriptedPrompter& expectWarning(const QString& text);
    ScriptedPrompter& expectError(const QString& text);
    ScriptedPrompter& expectConfirm(const QString& text, bool yes);
    ScriptedPrompter& expectConfirmWithCancel(const QString& text, Answer answer);
    // An input box with this caption and prompt; no value answers as Cancel.
    ScriptedPrompter& expectInput(const QString& caption, const QString& prompt,
                                  std::optional<QString> answer);
    ScriptedPrompter& expectFile(std::optional<QString> answer);
    // A save dialog; the answer is the file chosen (none: cancelled).
    ScriptedPrompter& expectSaveFile(std::optional<QString> answer);
    ScriptedPrompter& expectColour(std::optional<std::uint32_t> answer);

    // Runs while the next prompt is on screen, as the operator's box would be: what the program
    // does meanwhile (a timer firing, say) runs inside it. Used once.
    void whileNextPromptShows(std::function<void()> during) { during_ = std::move(during); }

    // Every prompt shown so far, in order.
    const std::vector<Prompt>& shown() const { return shown_; }
    // Reports expectations not yet used, and forgets them.
    void verify();

    void information(const QString& text) override;
    void warning(const QString& text) override;
    void error(const QString& text) override;
    bool confirm(const QString& text) override;
    Answer confirmWithCancel(const QString& text) override;
    std::optional<QString> inputText(const QString& caption, const QString& prompt,
                                     const QString& initial, Echo echo) override;
    std::optional<QString> chooseFile(const QString& caption, const QString& folder,
                                      const QString& filter) override;
    std::optional<QString> chooseSaveFile(const QString& caption, const QString& suggested,
                                          const QString& filter) override;
    std::optional<std::uint32_t> chooseColour(std::uint32_t initial) override;

    static QString kindName(Kind kind);

private:
    struct Expected {
        Expected(Kind k, QString t) : kind(k), text(std::move(t)) {}
        Kind kind;
        QString text;
        bool yes = false;
        Answer answer = Answer::No;
        std::optional<QString> textAnswer;
        std::optional<std::uint32_t> colourAnswer;
    };
    // The expectation for this prompt, when it matches; a failure is reported otherwise.
    std::optional<Expected> take(Kind kind, const QString& text);

    FailureSink sink_;
    std::deque<Expected> expected_;
    std::vector<Prompt> shown_;
    std::function<void()> during_;
};

} // namespace pelora::test
