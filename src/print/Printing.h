#pragma once

namespace pelora {

class OutputDeviceTable;
class Prompter;
class Spooler;

namespace db {
class Connection;
}

// What every print path of a terminal works with: the database, the spooler, this terminal's
// outputs and the operator.
struct Printing {
    db::Connection& db;
    Spooler& spooler;
    const OutputDeviceTable& outputs;
    Prompter& prompter;
};

} // namespace pelora
