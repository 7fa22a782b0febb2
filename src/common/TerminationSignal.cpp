#include "common/TerminationSignal.h"

#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace pelora {

namespace {

int signalFds[2] = {-1, -1};
struct sigaction previousTerm = {};
struct sigaction previousInt = {};

extern "C" void onTermination(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalFds[0], &byte, 1);
}

} // namespace

TerminationSignal::TerminationSignal(std::function<void()> handler) : handler_(std::move(handler)) {
    if (signalFds[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM, 0, signalFds) != 0)
        return;
    notifier_ = std::make_unique<QSocketNotifier>(signalFds[1], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(), [this] {
        char bytes[16];
        [[maybe_unused]] const ssize_t read = ::read(signalFds[1], bytes, sizeof bytes);
        handler_();
    });

    struct sigaction action = {};
    action.sa_handler = onTermination;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, &previousTerm);
    ::sigaction(SIGINT, &action, &previousInt);
}

TerminationSignal::~TerminationSignal() {
    if (!notifier_)
        return;
    ::sigaction(SIGTERM, &previousTerm, nullptr);
    ::sigaction(SIGINT, &previousInt, nullptr);
}

} // namespace pelora
