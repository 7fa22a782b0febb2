#include "print/CashDrawer.h"

#include "common/Mode.h"
#include "common/Prompter.h"
#include "print/CodeString.h"
#include "print/OutputDeviceTable.h"
#include "print/PrintFrame.h"
#include "print/Spooler.h"

#include <QFile>

namespace pelora {

namespace {

bool writePort(const QString& port, const QByteArray& bytes) {
    if (port.isEmpty())
        return false;
    QFile file(port);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return false;
    const bool written = file.write(bytes) == bytes.size();
    file.close();
    return written && file.error() == QFileDevice::NoError;
}

} // namespace

void openDrawer(Spooler& spooler, const OutputDeviceTable& outputs, QStringView drawerMode,
                Prompter& prompter) {
    const int row = outputs.find(QStringLiteral("Drawer"));
    const auto at = [&](int column) { return row < 0 ? QString() : outputs.entries().at(row, column); };
    if (modeIs(drawerMode, '1')) {
        if (row < 0)
            return;
        printRaw(spooler, resolvePrinter(spooler, at(OutputDeviceTable::DeviceName)),
                 decodeCodes(at(OutputDeviceTable::BeginCode1)), decodeCodes(at(OutputDeviceTable::BeginCode2)));
    } else if (modeIs(drawerMode, '2')) {
        if (!writePort(at(OutputDeviceTable::BeginCode2), printerBytes(at(OutputDeviceTable::BeginCode1)) + "\r\n"))
            prompter.error(QStringLiteral("Error opening cash drawer."));
    }
}

} // namespace pelora
