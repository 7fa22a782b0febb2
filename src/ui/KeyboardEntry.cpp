#include "ui/KeyboardEntry.h"

namespace pelora {

void KeyboardEntry::reset(const QString& prefill) {
    text_ = prefill;
    caps_ = prefill.isEmpty() ? Caps::FirstLetter : Caps::Lower;
}

void KeyboardEntry::setText(const QString& text) {
    text_ = text;
    if (caps_ == Caps::Lock)
        return;
    caps_ = text_.isEmpty() ? Caps::FirstLetter : Caps::Lower;
}

void KeyboardEntry::letter(QChar letter) {
    append(caps_ == Caps::Lower ? letter.toLower() : letter.toUpper());
}

void KeyboardEntry::character(QChar c) { append(c); }

void KeyboardEntry::append(QChar c) {
    text_.append(c);
    if (caps_ == Caps::FirstLetter && text_.size() == 1)
        caps_ = Caps::Lower;
}

void KeyboardEntry::back() {
    if (text_.isEmpty())
        return;
    const bool lastOne = text_.size() == 1;
    text_.chop(1);
    if (lastOne && caps_ != Caps::Lock)
        caps_ = Caps::FirstLetter;
}

void KeyboardEntry::toggleCaps() { caps_ = caps_ == Caps::Lock ? Caps::Lower : Caps::Lock; }

} // namespace pelora
