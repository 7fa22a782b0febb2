#pragma once

#include "admin/RecordEditorMember.h"

#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

namespace db = ::pelora::db;

namespace pelora {

namespace db {
class Connection;
}

// The layouts: their settings, the choices each setting offers, and the terminal's choice of
// one of them.

// A setting chosen from a group of captions, each storing one character.
struct LayoutModeChoice {
    QString caption; // "Tab Mode"
    QString column;  // "tabmode"
    std::vector<std::pair<QString, QString>> choices; // caption, stored value
};
const std::vector<LayoutModeChoice>& layoutModeChoices();

// The character sets the item buttons can use, stored by name.
const QStringList& layoutCharsets();
// The sizes offered for the button fonts and the minutes offered for a restart; another
// number may be typed.
const std::vector<int>& layoutFontSizes();
const std::vector<int>& layoutRestartMinutes();

// The layout editor's rows; layout 1 must remain.
RecordEditorMember layoutMember();

// The layouts a terminal can be switched to: id and name, by name; not the editor's placeholder.
std::vector<std::pair<int, QString>> layoutsByName(db::Connection& db);
// Switches the terminal to the layout; false when no terminal carries that reference.
bool switchTerminalLayout(db::Connection& db, const QString& pcRef, int layoutId);

} // namespace pelora
