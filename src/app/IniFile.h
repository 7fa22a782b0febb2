#pragma once

#include <QString>

#include <optional>

namespace pelora {

// The per-PC configuration file pelora.ini: six lines ended by CR LF, of which the till reads
// line 2 (the database password, scrambled), line 4 (the terminal reference PCRef) and line 6
// (the database folder DBPath); lines 1, 3 and 5 are headers whose text is never looked at.
//
// A scrambled password holding a CR or LF byte could not be read back from a line of its own;
// such a password (and one whose scrambled form happens to begin with the marker byte 0x1F)
// is written as the marker followed by the scrambled bytes in hexadecimal. Every other password
// is written as its raw scrambled bytes, as the plain scheme writes them.
struct IniSettings {
    QString password; // in clear
    QString pcRef;
    QString dbPath;
};

class IniFile {
public:
    static constexpr const char* kFileName = "pelora.ini";

    // No value when the file cannot be opened or read. Missing lines read as empty.
    static std::optional<IniSettings> read(const QString& path = QString::fromLatin1(kFileName));
    // Rewrites the whole file; false when it cannot be written.
    static bool write(const IniSettings& settings,
                      const QString& path = QString::fromLatin1(kFileName));

    // The database the till opens: DBPath followed directly by "pelora.gdb" (nothing is put
    // between), or "pelora.gdb" alone when DBPath is empty.
    static QString databasePath(const QString& dbPath);
};

} // namespace pelora
