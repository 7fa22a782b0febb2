#pragma once

#include "print/Spooler.h"

namespace pelora {

// The system's spooler: the CUPS destinations of this PC, and raw jobs sent to them unchanged.
class CupsSpooler : public Spooler {
public:
    QStringList printers() override;
    QString defaultPrinter() override;
    std::unique_ptr<SpoolJob> open(const QString& printer) override;
};

} // namespace pelora
