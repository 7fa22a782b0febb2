#pragma once

#include <QString>

#include <functional>
#include <map>

namespace pelora {

class TKeyBoardForm;

// What the on-screen keyboard's Enter does, by the mode its opener gave it. Each window that
// opens the keyboard registers the modes it answers while it is there; a mode nobody answers
// only closes the keyboard.
class KeyboardModes {
public:
    // Runs with the typed text. False keeps the keyboard open (a refused password).
    using Action = std::function<bool(const QString& text, TKeyBoardForm& keyboard)>;
    enum class Closing {
        AfterAction, // the keyboard closes once the action has run
        BeforeAction // the keyboard is out of sight while the action runs (a search that may ask)
    };

    // Answers a mode (compared in lower case) until the registration is dropped.
    class Registration {
    public:
        Registration() = default;
        Registration(KeyboardModes& modes, QString mode);
        ~Registration();
        Registration(Registration&& other) noexcept;
        Registration& operator=(Registration&& other) noexcept;
        Registration(const Registration&) = delete;
        Registration& operator=(const Registration&) = delete;

    private:
        KeyboardModes* modes_ = nullptr;
        QString mode_;
    };

    [[nodiscard]] Registration add(const QString& mode, Action action, Closing closing = Closing::AfterAction);
    // A finder's search: Enter closes the keyboard and hands the text to `search`.
    [[nodiscard]] Registration addSearch(const QString& mode, std::function<void(const QString& text)> search);

    struct Entry {
        Action action;
        Closing closing = Closing::AfterAction;
    };
    // The entry of a mode, or null when no window answers it.
    const Entry* find(const QString& mode) const;

private:
    std::map<QString, Entry> entries_;
};

} // namespace pelora
