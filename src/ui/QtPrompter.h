#pragma once

#include "common/Prompter.h"

class QWidget;

namespace pelora {

// The operator's prompts as Qt message boxes and dialogs, captioned "Pelora".
class QtPrompter : public Prompter {
public:
    explicit QtPrompter(QWidget* parent = nullptr) : parent_(parent) {}

    void information(const QString& text) override;
    void warning(const QString& text) override;
    void error(const QString& text) override;
    bool confirm(const QString& text) override;
    Answer confirmWithCancel(const QString& text) override;
    std::optional<QString> inputText(const QString& caption, const QString& prompt,
                                     const QString& initial, Echo echo) override;
    std::optional<QString> chooseSaveFile(const QString& caption, const QString& suggested,
                                          const QString& filter) override;
    std::optional<QString> chooseFile(const QString& caption, const QString& folder,
                                      const QString& filter) override;
    std::optional<std::uint32_t> chooseColour(std::uint32_t initial) override;

private:
    QWidget* parent_;
};

} // namespace pelora
