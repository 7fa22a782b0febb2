#pragma once

#include <functional>
#include <memory>

class QSocketNotifier;

namespace pelora {

// While it lives, SIGTERM and SIGINT run `handler` in the event loop of the thread that made
// it, instead of ending the process on the spot; afterwards the signals act as they did before.
// The signal handler itself only writes a byte to a socket pair. One at a time per process.
class TerminationSignal {
public:
    explicit TerminationSignal(std::function<void()> handler);
    ~TerminationSignal();
    TerminationSignal(const TerminationSignal&) = delete;
    TerminationSignal& operator=(const TerminationSignal&) = delete;

private:
    std::unique_ptr<QSocketNotifier> notifier_;
    std::function<void()> handler_;
};

} // namespace pelora
