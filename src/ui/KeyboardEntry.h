#pragma once

#include <QString>

namespace pelora {

// What the on-screen keyboard's keys do to its entry line, without the window: the text and
// the caps state. Every key appends at the end of the text.
class KeyboardEntry {
public:
    enum class Caps { Lower = 0, Lock = 1, FirstLetter = 2 };

    const QString& text() const { return text_; }
    Caps caps() const { return caps_; }

    // A fresh opening starts with a capital first letter; a prefilled text starts in lower case.
    void reset(const QString& prefill);
    // Text typed on a physical keyboard replaces the line; the caps state follows as it would
    // after the same keys: lower case once there is a letter, a capital first on an empty line.
    void setText(const QString& text);

    // A letter key: the capital while caps lock is on or the first letter is due, else the
    // small letter. After the first letter the line goes on in lower case.
    void letter(QChar letter);
    // A digit, "-", ";", "'", ",", "." or the blank of "Space".
    void character(QChar c);
    // "<- Back": removes the last character; emptying the line makes the next letter a capital
    // again unless caps lock is on.
    void back();
    // "Caps": caps lock on from either other state, off from caps lock.
    void toggleCaps();
    // Small letters from the first one on (a password).
    void capsOff() { caps_ = Caps::Lower; }

private:
    void append(QChar c);

    QString text_;
    Caps caps_ = Caps::FirstLetter;
};

} // namespace pelora
