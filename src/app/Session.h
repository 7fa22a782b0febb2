#pragma once

#include <QString>

namespace pelora {

// The values the start-up keeps for the life of the process.
struct Session {
    QString startFolder; // the current directory when the till started
    QString iniPassword; // the database password from pelora.ini, in clear
    QString pcRef;       // this terminal's reference, matched with pc.ref
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
