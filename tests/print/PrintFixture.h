#pragma once

#include "print/MemorySpooler.h"
#include "print/OutputDeviceTable.h"
#include "print/Printing.h"

#include "GTestSupport.h"
#include "TestDatabase.h"

#include <map>

namespace pelora::test {

// A terminal "Till1" printing into memory: its outputs are added row by row, each on a printer
// installed under the device's name.
class PrintTest : public DatabaseTest {
protected:
    static inline const QString kTill = QStringLiteral("Till1");

    // An od row of the till for the output and device (both made when missing); `fields` are
    // further od columns. Reloads the till's output table.
    void addOutput(int odId, const QString& output, const QString& device,
                   const std::map<QString, db::Value>& fields = {{QStringLiteral("bcpl"), 40}}) {
        QString outputId = scalar(QStringLiteral("SELECT id FROM output WHERE name = ?"), {output});
        if (outputId.isEmpty()) {
            outputId = QString::number(500 + odId);
            exec(QStringLiteral("INSERT INTO output (id, name) VALUES (?, ?)"), {outputId.toInt(), output});
        }
        QString deviceId = scalar(QStringLiteral("SELECT id FROM device WHERE name = ?"), {device});
        if (deviceId.isEmpty()) {
            deviceId = QString::number(500 + odId);
            exec(QStringLiteral("INSERT INTO device (id, name, cat) VALUES (?, ?, 'P')"), {deviceId.toInt(), device});
        }
        QString columns = QStringLiteral("id, pcref, outputid, deviceid");
        QString marks = QStringLiteral("?, ?, ?, ?");
        std::vector<db::Value> values{odId, kTill, outputId.toInt(), deviceId.toInt()};
        for (const auto& [column, value] : fields) {
            columns += QStringLiteral(", ") + column;
            marks += QStringLiteral(", ?");
            values.push_back(value);
        }
        exec(QStringLiteral("INSERT INTO od (%1) VALUES (%2)").arg(columns, marks), values);
        if (!spooler.installed.contains(device))
            spooler.installed << device;
        outputs.load(db, kTill);
    }

    Printing printing() { return {db, spooler, outputs, prompter}; }

    MemorySpooler spooler;
    OutputDeviceTable outputs;
    ScriptedPrompter prompter{gtestFailures()};
};

// The bytes of text lines, each ending in CR LF.
inline QByteArray crlf(std::initializer_list<const char*> lines) {
    QByteArray bytes;
    for (const char* line : lines)
        bytes += QByteArray(line) + "\r\n";
    return bytes;
}

} // namespace pelora::test
