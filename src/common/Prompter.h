#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace pelora {

// The line break inside a message of two or more lines.
inline const QString kLineBreak = QStringLiteral("\n");

// The one way domain code talks to the operator. Windows install the Qt implementation; tests
// install a scripted one that checks every text.
class Prompter {
public:
    enum class Answer { Yes, No, Cancel };
    enum class Echo { Normal, Password };

    virtual ~Prompter() = default;

    virtual void information(const QString& text) = 0;
    virtual void warning(const QString& text) = 0;
    virtual void error(const QString& text) = 0;
    // Yes/No; true for Yes.
    virtual bool confirm(const QString& text) = 0;
    // Yes/No/Cancel.
    virtual Answer confirmWithCancel(const QString& text) = 0;
    // A text-input box; no value when cancelled.
    virtual std::optional<QString> inputText(const QString& caption, const QString& prompt,
                                             const QString& initial, Echo echo = Echo::Normal) = 0;
    // A file-open dialog; `filter` is a "Description (PATTERN)" list as Qt takes it.
    virtual std::optional<QString> chooseFile(const QString& caption, const QString& folder,
                                              const QString& filter) = 0;
    // A file-save dialog starting on a suggested file; no value when cancelled.
    virtual std::optional<QString> chooseSaveFile(const QString& caption, const QString& suggested,
                                                  const QString& filter) = 0;
    // A colour dialog on a colour held as the database holds it: red in the low byte.
    virtual std::optional<std::uint32_t> chooseColour(std::uint32_t initial) = 0;
};

} // namespace pelora
