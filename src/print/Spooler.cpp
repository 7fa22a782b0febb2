#include "print/Spooler.h"

namespace pelora {

QString printerNotFound(const QString& printer) {
    return QStringLiteral("Printer %1 not found").arg(printer);
}

QString resolvePrinter(Spooler& spooler, const QString& deviceName) {
    for (const QString& installed : spooler.printers())
        if (installed.compare(deviceName, Qt::CaseInsensitive) == 0)
            return installed;
    const QString fallback = spooler.defaultPrinter();
    // A named printer that is neither installed nor replaceable by a default would otherwise
    // swallow the paper without a word; the operator is told instead.
    if (fallback.isEmpty() && !deviceName.isEmpty())
        throw PrintError(printerNotFound(deviceName));
    return fallback;
}

} // namespace pelora
