#pragma once

class QCoreApplication;

namespace pelora::printsim {

// Ends the application's event loop on SIGTERM or SIGINT. The handler only writes a byte to a
// socket pair; the quit itself happens in the event loop.
void quitOnTermination(QCoreApplication& app);

} // namespace pelora::printsim
