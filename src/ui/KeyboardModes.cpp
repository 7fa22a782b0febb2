#include "ui/KeyboardModes.h"

#include <utility>

namespace pelora {

KeyboardModes::Registration::Registration(KeyboardModes& modes, QString mode)
    : modes_(&modes), mode_(std::move(mode)) {}

KeyboardModes::Registration::~Registration() {
    if (modes_)
        modes_->entries_.erase(mode_);
}

KeyboardModes::Registration::Registration(Registration&& other) noexcept
    : modes_(std::exchange(other.modes_, nullptr)), mode_(std::move(other.mode_)) {}

KeyboardModes::Registration& KeyboardModes::Registration::operator=(Registration&& other) noexcept {
    if (this != &other) {
        if (modes_)
            modes_->entries_.erase(mode_);
        modes_ = std::exchange(other.modes_, nullptr);
        mode_ = std::move(other.mode_);
    }
    return *this;
}

KeyboardModes::Registration KeyboardModes::add(const QString& mode, Action action, Closing closing) {
    const QString key = mode.toLower();
    entries_[key] = Entry{std::move(action), closing};
    return Registration(*this, key);
}

KeyboardModes::Registration KeyboardModes::addSearch(const QString& mode,
                                                     std::function<void(const QString& text)> search) {
    return add(
        mode,
        [search = std::move(search)](const QString& text, TKeyBoardForm&) {
            search(text);
            return true;
        },
        Closing::BeforeAction); // the search may ask something: the keyboard is out of the way
}

const KeyboardModes::Entry* KeyboardModes::find(const QString& mode) const {
    const auto found = entries_.find(mode.toLower());
    return found == entries_.end() ? nullptr : &found->second;
}

} // namespace pelora
