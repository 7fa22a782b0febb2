#pragma once

#include <QString>

namespace pelora {

// The values the start-up keeps for the life of the process.
struct Session {
    QString startFolder; // the current directory when the till started
    QString iniPassword; // the database password from pelora.ini, in clear
    // This till's reference in pelora.ini (or as the INI editor last set it). Every load of the
    // terminal settings looks it up first, so the application reset makes the till itself once
    // its `pc` row exists.
    QString configuredPcRef;
    // The reference this run uses, matched with pc.ref: the configured one, or terminal 1's
    // while the configured one has no row.
    QString pcRef;
    QString dbPath;      // folder of pelora.gdb, from pelora.ini
    QString staffRef = QStringLiteral("Default"); // written into lines and receipts
    // The admin console's session logins ("Session Password"): kept until its Logout or the end
    // of the program, never stored. The Admin one also lets an old receipt be restarted.
    bool adminSession = false;
    bool admin2Session = false;

    // The database the till opens: DBPath followed directly by "pelora.gdb".
    QString databasePath() const;
};

} // namespace pelora
