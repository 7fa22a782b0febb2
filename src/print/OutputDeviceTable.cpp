#include "print/OutputDeviceTable.h"

#include "db/Connection.h"

namespace pelora {

void OutputDeviceTable::load(db::Connection& db, const QString& pcRef) {
    // In id order, so that of two rows for one output the older is the one used.
    entries_ = db::TextTable::load(
        db,
        QStringLiteral(
            "SELECT od.id, output.name AS outputname, device.name AS devicename, device.cat,"
            " od.begincode1, od.begincode2, od.endcode1, od.endcode2, od.ejectlines, od.htext,"
            " od.hfont, od.hcpl, od.halign, od.bfont, od.bcpl, od.ftext, od.ffont, od.fcpl,"
            " od.falign"
            " FROM od LEFT OUTER JOIN output ON od.outputid = output.id"
            " LEFT OUTER JOIN device ON od.deviceid = device.id"
            " WHERE od.pcref = ? ORDER BY od.id"),
        {pcRef});
    pcRef_ = pcRef;
    const db::ResultData none = db.run(QStringLiteral("SELECT name FROM output WHERE id = 1"));
    unprintedOutput_ = none.rows.empty() ? QString() : none.rows.front().at(0).asText();
}

bool OutputDeviceTable::printsLinesOf(const QString& outputName) const {
    return !outputName.isEmpty() && outputName != unprintedOutput_;
}

int OutputDeviceTable::find(const QString& outputName) const {
    for (int r = 0; r < entries_.rowCount(); ++r)
        if (entries_.at(r, OutputName) == outputName)
            return r;
    return -1;
}

} // namespace pelora
