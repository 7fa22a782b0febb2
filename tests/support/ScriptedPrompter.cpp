#include "ScriptedPrompter.h"

#include <utility>

namespace pelora::test {

ScriptedPrompter::ScriptedPrompter(FailureSink sink) : sink_(std::move(sink)) {}

ScriptedPrompter::~ScriptedPrompter() { verify(); }

QString ScriptedPrompter::kindName(Kind kind) {
    switch (kind) {
    case Kind::Information:
        return QStringLiteral("information");
    case Kind::Warning:
        return QStringLiteral("warning");
    case Kind::Error:
        return QStringLiteral("error");
    case Kind::Confirm:
        return QStringLiteral("confirmation");
    case Kind::ConfirmWithCancel:
        return QStringLiteral("confirmation with cancel");
    case Kind::Input:
        return QStringLiteral("input box");
    case Kind::SaveFile:
        return QStringLiteral("save dialog");
    case Kind::File:
        return QStringLiteral("file dialog");
    case Kind::Colour:
        return QStringLiteral("colour dialog");
    }
    return {};
}

ScriptedPrompter& ScriptedPrompter::expectInformation(const QString& text) {
    expected_.push_back({Kind::Information, text});
    return *this;
}

ScriptedPrompter& ScriptedPrompter::expectWarning(const QString& text) {
    expected_.push_back({Kind::Warning, text});
    return *this;
}

ScriptedPrompter& ScriptedPrompter::expectError(const QString& text) {
    expected_.push_back({Kind::Error, text});
    return *this;
}

ScriptedPrompter& ScriptedPrompter::expectConfirm(const QString& text, bool yes) {
    Expected e{Kind::Confirm, text};
    e.yes = yes;
    expected_.push_back(e);
    return *this;
}

ScriptedPrompter& ScriptedPrompter::expectConfirmWithCancel(const QString& text, Answer answer) {
    Expected e{Kind::ConfirmWithCancel, text};
    e.answer = answer;
    expected_.push_back(e);
    return *this;
}

ScriptedPrompter& ScriptedPrompter::expectInput(const QString& caption, const QString& prompt,
                                                std::optional<QString> answer) {
    Expected e{Kind::Input, caption + u'\n' + prompt};
    e.textAnswer = std::move(answer);
    expected_.push_back(e);
    return *this;
}

ScriptedPrompter& ScriptedPrompter::expectSaveFile(std::optional<QString> answer) {
    Expected e{Kind::SaveFile, {}};
    e.textAnswer = std::move(answer);
    expected_.push_back(std::move(e));
    return *this;
}

ScriptedPrompter& ScriptedPrompter::expectFile(std::optional<QString> answer) {
    Expected e{Kind::File, {}};
    e.textAnswer = std::move(answer);
    expected_.push_back(e);
    return *this;
}

ScriptedPrompter& ScriptedPrompter::expectColour(std::optional<std::uint32_t> answer) {
    Expected e{Kind::Colour, {}};
    e.colourAnswer = answer;
    expected_.push_back(e);
    return *this;
}

void ScriptedPrompter::verify() {
    for (const Expected& e : expected_)
        sink_(QStringLiteral("Expected %1 \"%2\" was never shown.").arg(kindName(e.kind), e.text));
    expected_.clear();
}

std::optional<ScriptedPrompter::Expected> ScriptedPrompter::take(Kind kind, const QString& text) {
    shown_.push_back({kind, text});
    if (during_)
        std::exchange(during_, nullptr)();
    if (expected_.empty()) {
        sink_(QStringLiteral("Unexpected %1: \"%2\"").arg(kindName(kind), text));
        return std::nullopt;
    }
    Expected e = expected_.front();
    expected_.pop_front();
    if (e.kind != kind || e.text != text) {
        sink_(QStringLiteral("Expected %1 \"%2\", but %3 \"%4\" was shown.")
                  .arg(kindName(e.kind), e.text, kindName(kind), text));
        return std::nullopt;
    }
    return e;
}

void ScriptedPrompter::information(const QString& text) { take(Kind::Information, text); }

void ScriptedPrompter::warning(const QString& text) { take(Kind::Warning, text); }

void ScriptedPrompter::error(const QString& text) { take(Kind::Error, text); }

bool ScriptedPrompter::confirm(const QString& text) {
    const auto e = take(Kind::Confirm, text);
    return e && e->yes;
}

Prompter::Answer ScriptedPrompter::confirmWithCancel(const QString& text) {
    const auto e = take(Kind::ConfirmWithCancel, text);
    return e ? e->answer : Answer::Cancel;
}

std::optional<QString> ScriptedPrompter::inputText(const QString& caption, const QString& prompt,
                                                   const QString&, Echo) {
    const auto e = take(Kind::Input, caption + u'\n' + prompt);
    return e ? e->textAnswer : std::nullopt;
}

std::optional<QString> ScriptedPrompter::chooseFile(const QString&, const QString&,
                                                    const QString&) {
    const auto e = take(Kind::File, {});
    return e ? e->textAnswer : std::nullopt;
}

std::optional<QString> ScriptedPrompter::chooseSaveFile(const QString&, const QString&, const QString&) {
    const auto e = take(Kind::SaveFile, {});
    return e ? e->textAnswer : std::nullopt;
}

std::optional<std::uint32_t> ScriptedPrompter::chooseColour(std::uint32_t) {
    const auto e = take(Kind::Colour, {});
    return e ? e->colourAnswer : std::nullopt;
}

} // namespace pelora::test
