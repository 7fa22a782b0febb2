#pragma once

#include "db/Connection.h"
#include "ui/KeyboardEntry.h"

#include <QDialog>

#include <vector>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace pelora {

class KeyboardModes;
class Prompter;

// The on-screen keyboard: an entry line, the letter rows, punctuation, a numeric block, "Caps",
// "Space", "<- Back", "Enter" and "Close". Enter runs what the opener's mode stands for (see
// KeyboardModes) and closes. The entry line also takes a physical keyboard's typing.
class TKeyBoardForm : public QDialog {
    Q_OBJECT
public:
    TKeyBoardForm(KeyboardModes& modes, Prompter& prompter, QWidget* parent = nullptr);

    void setMode(const QString& mode);
    QString mode() const;
    // Text to start from; a non-empty one starts in lower case.
    void setPrefill(const QString& text);
    // Every character shows as "*" (password entry).
    void setMasked(bool masked);
    // Small letters from the first one on, instead of a capital first.
    void setCapsOff();

    QString text() const { return entry_.text(); }
    KeyboardEntry::Caps caps() const { return entry_.caps(); }
    // The keyboard's own connection, used only to try a password against the database users.
    db::Connection& probe() { return probe_; }

    // The key with this caption ("A", "7", ";", "Space", "<- Back", ...), or null.
    QPushButton* key(const QString& caption) const;

    // Runs the mode's action with the typed text; closes unless the action keeps it open.
    void btnEnterClick();

    QLineEdit* edtScreen;
    QLabel* lblTarget; // the mode, hidden
    QGroupBox* grpKeyboard;
    QPushButton* btnCaps;
    QPushButton* btnBack;
    QPushButton* btnSpace;
    QPushButton* btnEnter;
    QPushButton* btnClose;

private:
    QPushButton* addKey(const QString& caption, const QString& name, QWidget* parent);
    void showEntry();
    void showCaps();

    KeyboardModes& modes_;
    Prompter& prompter_;
    KeyboardEntry entry_;
    db::Connection probe_;
    std::vector<QPushButton*> keys_;
};

// What an opener gives the keyboard.
struct KeyboardRequest {
    QString mode;
    QString caption; // the window title; "KeyBoardForm" when empty
    QString prefill;
    bool masked = false;
    bool capsOff = false; // small letters from the first one on (a password the server compares exactly)
};

// Opens the keyboard modally and frees it when it closes; "Cannot open KeyBoardForm." when it
// cannot be created.
void openKeyboard(QWidget* parent, Prompter& prompter, KeyboardModes& modes, const KeyboardRequest& request);

} // namespace pelora
