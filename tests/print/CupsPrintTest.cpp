#include "print/CupsSpooler.h"
#include "print/ReceiptDocket.h"

#include "PrintFixture.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <future>

using namespace pelora;

namespace {

// The raw queue the test set-up keeps for this test, and the port it prints to.
const QString kQueue = QStringLiteral("pelora-test");
constexpr int kPort = 19100;

// A stand-in network printer on 127.0.0.1: takes one connection and keeps what arrives until
// the spooler closes it.
class Listener {
public:
    Listener() {
        fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
        const int on = 1;
        ::setsockopt(fd_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(kPort);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bound_ = ::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 && ::listen(fd_, 1) == 0;
    }
    ~Listener() { ::close(fd_); }
    bool bound() const { return bound_; }

    // Everything one job sent, or nothing when no job came within the time.
    QByteArray receive(int timeoutMs) {
        pollfd waiting{fd_, POLLIN, 0};
        if (::poll(&waiting, 1, timeoutMs) <= 0)
            return {};
        const int peer = ::accept(fd_, nullptr, nullptr);
        QByteArray bytes;
        char buffer[4096];
        for (pollfd reading{peer, POLLIN, 0}; ::poll(&reading, 1, timeoutMs) > 0;) {
            const ssize_t n = ::read(peer, buffer, sizeof buffer);
            if (n <= 0)
                break;
            bytes.append(buffer, n);
        }
        ::close(peer);
        return bytes;
    }

private:
    int fd_ = -1;
    bool bound_ = false;
};

class CupsPrintTest : public test::PrintTest {};

TEST_F(CupsPrintTest, ADocketReachesTheNetworkPrinterThroughARawQueueByteForByte) {
    exec(QStringLiteral("INSERT INTO receipt (id, pcref, tabref, mop, tendered, cr) VALUES (7, 'Bar', 'Table 1', 'Cash', 10, 0)"));
    exec(QStringLiteral("INSERT INTO recline (id, recid, itemid, itemname, qty, extprice, exttax) VALUES (1, 7, 20, 'Beer', 2, 9, 0.8182)"));
    addOutput(1, QStringLiteral("Docket"), kQueue,
              {{QStringLiteral("begincode1"), "#27#64"}, {QStringLiteral("htext"), "THE BAR"}, {QStringLiteral("bcpl"), 40},
               {QStringLiteral("ejectlines"), 2}, {QStringLiteral("endcode1"), "#29#86#66#0"}});
    printDocket(printing(), 7); // the same docket into memory, to compare with
    ASSERT_EQ(spooler.documents.size(), 1u);
    const QByteArray expected = spooler.documents.front().bytes;
    ASSERT_TRUE(expected.endsWith(QByteArray("\n\n\x1dVB\x00", 6)));

    Listener printer;
    ASSERT_TRUE(printer.bound()) << "port " << kPort << " is taken";
    auto received = std::async(std::launch::async, [&] { return printer.receive(30000); });
    CupsSpooler cups;
    ASSERT_TRUE(cups.printers().contains(kQueue)) << "the test queue is missing: run scripts/start-cups.sh";
    printDocket({db, cups, outputs, prompter}, 7);
    EXPECT_EQ(received.get(), expected);
}

TEST_F(CupsPrintTest, APrinterTheSpoolerDoesNotKnowIsReported) {
    CupsSpooler cups;
    try {
        cups.open(QStringLiteral("no-such-printer-here"));
        ADD_FAILURE() << "an unknown printer opened";
    } catch (const PrintError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Printer no-such-printer-here not found"));
    }
}

} // namespace
