#pragma once

#include "print/Printing.h"

class QWidget;

namespace pelora {

namespace db {
class ServerClock;
}

// What the report windows work with: the database, the printers and the operator of the till
// that opens them, the server's clock (a report's "today" is the server's), and the window they
// open over.
struct ReportContext {
    Printing printing;
    db::ServerClock& clock;
    QWidget* parent = nullptr;

    db::Connection& db() const { return printing.db; }
    Prompter& prompter() const { return printing.prompter; }
};

} // namespace pelora
