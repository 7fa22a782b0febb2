#pragma once

// What the benchmarks share: an attachment made bare on the client library, as the layer makes
// it (SYSDBA, role app, UTF8, through a server), and a reporter that keeps each benchmark's
// time so that the ratios can be printed at the end.

#include <QString>

#include <benchmark/benchmark.h>
#include <firebird/Interface.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace bench {

struct BareClient {
    Firebird::IMaster* master = Firebird::fb_get_master_interface();
    Firebird::ThrowStatusWrapper st{master->getStatus()};
    Firebird::IAttachment* att = nullptr;

    BareClient(const QString& database, const QString& sysdbaPassword) {
        using namespace Firebird;
        IXpbBuilder* dpb = master->getUtilInterface()->getXpbBuilder(&st, IXpbBuilder::DPB, nullptr, 0);
        dpb->insertString(&st, isc_dpb_user_name, "SYSDBA");
        dpb->insertString(&st, isc_dpb_password, sysdbaPassword.toUtf8().constData());
        dpb->insertString(&st, isc_dpb_sql_role_name, "app");
        dpb->insertString(&st, isc_dpb_lc_ctype, "UTF8");
        dpb->insertString(&st, isc_dpb_config, "Providers=Remote,Loopback");
        att = master->getDispatcher()->attachDatabase(&st, database.toUtf8().constData(),
                                                      dpb->getBufferLength(&st), dpb->getBuffer(&st));
        dpb->dispose();
    }
    BareClient(const BareClient&) = delete;
    BareClient& operator=(const BareClient&) = delete;
    ~BareClient() {
        att->detach(&st);
        st.dispose();
    }

    // A read-committed transaction as the layer starts them: read-only without waiting, or a
    // writing one that waits for locks.
    Firebird::ITransaction* start(bool readOnly) {
        using namespace Firebird;
        IXpbBuilder* tpb = master->getUtilInterface()->getXpbBuilder(&st, IXpbBuilder::TPB, nullptr, 0);
        tpb->insertTag(&st, readOnly ? isc_tpb_read : isc_tpb_write);
        tpb->insertTag(&st, isc_tpb_read_committed);
        tpb->insertTag(&st, isc_tpb_rec_version);
        tpb->insertTag(&st, readOnly ? isc_tpb_nowait : isc_tpb_wait);
        ITransaction* t = att->startTransaction(&st, tpb->getBufferLength(&st), tpb->getBuffer(&st));
        tpb->dispose();
        return t;
    }
};

// Reads what every benchmark program is given: the database as its one argument and the SYSDBA
// password from ISC_PASSWORD. False, with the usage printed, when the database is missing.
inline bool readTarget(int& argc, char** argv, QString& database, QString& password) {
    benchmark::Initialize(&argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s DATABASE  (SYSDBA password in ISC_PASSWORD)\n", argv[0]);
        return false;
    }
    database = QString::fromLocal8Bit(argv[1]);
    password = qEnvironmentVariable("ISC_PASSWORD");
    return true;
}

// Keeps each benchmark's real time per iteration, by its name.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> perIteration;
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs)
            perIteration[r.benchmark_name()] = r.GetAdjustedRealTime();
    }
};

} // namespace bench
