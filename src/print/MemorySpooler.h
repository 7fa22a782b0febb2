#pragma once

#include "print/Spooler.h"

#include <vector>

namespace pelora {

// A spooler held in memory: the printers it lists, and every document sent, byte for byte.
// It can be told to refuse a printer, a document start or the Nth send of a document, so the
// paths that must survive a failing printer can be driven without one.
class MemorySpooler : public Spooler {
public:
    struct Document {
        QString printer;
        QString name;
        QByteArray bytes;
        bool closed = false;
    };

    QStringList installed;
    QString defaultName;
    QStringList unopenable;  // listed, but open() fails
    bool refuseStart = false;
    QStringList refusing;    // these printers refuse the start of every document
    int failingSend = -1;    // 0-based index of the send that fails in each document; -1: none

    std::vector<Document> documents;

    QStringList printers() override { return installed; }
    QString defaultPrinter() override { return defaultName; }
    std::unique_ptr<SpoolJob> open(const QString& printer) override;

    // Every byte the printer received, documents in order.
    QByteArray bytesFor(const QString& printer) const;
};

} // namespace pelora
