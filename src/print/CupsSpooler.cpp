#include "print/CupsSpooler.h"

#include <cups/cups.h>

namespace pelora {

namespace {

class CupsJob : public SpoolJob {
public:
    explicit CupsJob(QByteArray printer) : printer_(std::move(printer)) {}
    ~CupsJob() override { close(); }

    bool start(const QString& documentName) override {
        const QByteArray title = documentName.toUtf8();
        jobId_ = cupsCreateJob(CUPS_HTTP_DEFAULT, printer_.constData(), title.constData(), 0, nullptr);
        if (jobId_ == 0)
            return false;
        if (cupsStartDocument(CUPS_HTTP_DEFAULT, printer_.constData(), jobId_, title.constData(),
                              CUPS_FORMAT_RAW, 1) != HTTP_STATUS_CONTINUE) {
            cupsCancelJob2(CUPS_HTTP_DEFAULT, printer_.constData(), jobId_, 0);
            jobId_ = 0;
            return false;
        }
        return true;
    }

    bool send(const QByteArray& bytes) override {
        if (jobId_ == 0)
            return false;
        return cupsWriteRequestData(CUPS_HTTP_DEFAULT, bytes.constData(),
                                    static_cast<size_t>(bytes.size())) == HTTP_STATUS_CONTINUE;
    }

    void close() override {
        if (jobId_ == 0)
            return;
        cupsFinishDocument(CUPS_HTTP_DEFAULT, printer_.constData());
        jobId_ = 0;
    }

private:
    QByteArray printer_;
    int jobId_ = 0;
};

// The destinations with their default flag. A spooler that cannot be reached lists nothing.
template <typename Visit>
void forEachDestination(Visit visit) {
    cups_dest_t* dests = nullptr;
    const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    for (int i = 0; i < count; ++i)
        if (dests[i].instance == nullptr)
            visit(QString::fromUtf8(dests[i].name), dests[i].is_default != 0);
    cupsFreeDests(count, dests);
}

} // namespace

QStringList CupsSpooler::printers() {
    QStringList names;
    forEachDestination([&](const QString& name, bool) { names << name; });
    return names;
}

QString CupsSpooler::defaultPrinter() {
    QString found;
    forEachDestination([&](const QString& name, bool isDefault) {
        if (isDefault && found.isEmpty())
            found = name;
    });
    return found;
}

std::unique_ptr<SpoolJob> CupsSpooler::open(const QString& printer) {
    QByteArray name = printer.toUtf8();
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr);
    if (dest == nullptr)
        throw PrintError(printerNotFound(printer));
    cupsFreeDests(1, dest);
    return std::make_unique<CupsJob>(std::move(name));
}

} // namespace pelora
