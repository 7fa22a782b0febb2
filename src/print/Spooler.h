#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <stdexcept>

namespace pelora {

// A print failure the operator is told about ("Printer Kitchen not found"), as opposed to a
// failed send, which ends a paper silently.
class PrintError : public std::runtime_error {
public:
    explicit PrintError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

// One raw document on an opened printer. close() ends the document and releases the printer;
// the destructor closes a job that is still open.
class SpoolJob {
public:
    virtual ~SpoolJob() = default;
    // Starts the document (and its page). False when the spooler refuses it.
    virtual bool start(const QString& documentName) = 0;
    // Hands the bytes to the spooler unchanged; false when they were not accepted.
    virtual bool send(const QByteArray& bytes) = 0;
    virtual void close() = 0;
};

// The printers installed on this PC and raw jobs on them. The till prints through CUPS; tests
// put an in-memory spooler in its place.
class Spooler {
public:
    virtual ~Spooler() = default;
    virtual QStringList printers() = 0;
    // The system's default printer, or an empty text when there is none.
    virtual QString defaultPrinter() = 0;
    // Opens a printer by name for one raw document; throws PrintError "Printer %s not found"
    // when it cannot be opened.
    virtual std::unique_ptr<SpoolJob> open(const QString& printer) = 0;
};

// The text of the error raised when a printer cannot be opened.
QString printerNotFound(const QString& printer);

// The printer a device name stands for: the installed printer of that name in any letter case,
// else the default printer. With neither, an empty device name gives an empty printer (nothing
// is printed) and any other throws PrintError "Printer %s not found".
QString resolvePrinter(Spooler& spooler, const QString& deviceName);

} // namespace pelora
