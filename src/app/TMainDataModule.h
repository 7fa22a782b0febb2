#pragma once

#include "app/Session.h"
#include "db/Connection.h"
#include "db/Query.h"
#include "db/ServerClock.h"
#include "db/StoredProc.h"
#include "print/Spooler.h"

#include <QObject>
#include <QTimer>

#include <memory>

namespace pelora {

class Prompter;
class TMainForm;

// The till's one database connection `db1`, the shared query `query1` and stored-procedure
// object `storedProc1`, and the start-up that brings the till from nothing to a connected main
// window: splash, pelora.ini, the connection with its fall-backs, the terminal settings. Also
// the application reset that the admin console runs after its editors.
class TMainDataModule : public QObject {
    Q_OBJECT
public:
    TMainDataModule(TMainForm& mainForm, Prompter& prompter, QObject* parent = nullptr);
    ~TMainDataModule() override;

    // Runs the start-up. False when the program has to end at once (pelora.ini cannot be read,
    // or no password is accepted); a failure after that is reported and the program runs on.
    bool MainDataModuleCreate();
    void MainDataModuleDestroy();

    // Asks "Reset the application?"; on Yes reconnects with the same user and password to the
    // database of the current DBPath and loads the terminal settings again. A failure to
    // reconnect is thrown to the caller's general error report.
    void ApplicationReset();

    // Looked at every few seconds while no window of the till's is open over the sales screen
    // (nor the button or tab map editor beside it):
    // a connection the server or the network dropped is made again and the settings loaded, as
    // the application reset does, and the operator is told. While the database cannot be
    // reached that is said once, and the till keeps trying. A connection an action found lost
    // (and said so with its one message) is only made again, quietly, the screen left as it is.
    void watchConnection();

    Session& session() { return session_; }
    const Session& session() const { return session_; }
    db::ServerClock& clock() { return serverClock_; }
    // The printers: the system's spooler unless another is put in its place (the tests'
    // in-memory one).
    Spooler& spooler() { return *spooler_; }
    void setSpooler(std::unique_ptr<Spooler> spooler) { spooler_ = std::move(spooler); }

    db::Connection db1;
    db::Query query1{db1};
    db::StoredProc storedProc1{db1};

private:
    // Connects again with the same user and password to the database of the current DBPath and
    // loads the terminal settings again.
    void reconnect();

    TMainForm& mainForm_;
    Prompter& prompter_;
    Session session_;
    db::DatabaseClock serverClock_{db1};
    std::unique_ptr<Spooler> spooler_;
    QTimer connectionWatch_;
    bool unreachableSaid_ = false;
};

} // namespace pelora
