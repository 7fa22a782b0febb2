#include "print/MemorySpooler.h"

namespace pelora {

namespace {

class MemoryJob : public SpoolJob {
public:
    MemoryJob(MemorySpooler& spooler, QString printer) : spooler_(spooler), printer_(std::move(printer)) {}
    ~MemoryJob() override { close(); }

    bool start(const QString& documentName) override {
        if (spooler_.refuseStart || spooler_.refusing.contains(printer_))
            return false;
        spooler_.documents.push_back({printer_, documentName, {}, false});
        index_ = static_cast<int>(spooler_.documents.size()) - 1;
        return true;
    }

    bool send(const QByteArray& bytes) override {
        if (index_ < 0 || sends_++ == spooler_.failingSend)
            return false;
        spooler_.documents.at(static_cast<std::size_t>(index_)).bytes += bytes;
        return true;
    }

    void close() override {
        if (index_ >= 0)
            spooler_.documents.at(static_cast<std::size_t>(index_)).closed = true;
        index_ = -1;
    }

private:
    MemorySpooler& spooler_;
    QString printer_;
    int index_ = -1;
    int sends_ = 0;
};

} // namespace

std::unique_ptr<SpoolJob> MemorySpooler::open(const QString& printer) {
    if (!installed.contains(printer) || unopenable.contains(printer))
        throw PrintError(printerNotFound(printer));
    return std::make_unique<MemoryJob>(*this, printer);
}

QByteArray MemorySpooler::bytesFor(const QString& printer) const {
    QByteArray all;
    for (const Document& d : documents)
        if (d.printer == printer)
            all += d.bytes;
    return all;
}

} // namespace pelora
