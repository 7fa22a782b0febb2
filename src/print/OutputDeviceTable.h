#pragma once

#include "db/TextTable.h"

namespace pelora {

namespace db {
class Connection;
}

// This terminal's output devices: one entry per `od` row whose pcref is the terminal's, each
// the output's and device's names with the framing settings, as texts.
class OutputDeviceTable {
public:
    enum Column {
        Id, OutputName, DeviceName, Cat, BeginCode1, BeginCode2, EndCode1, EndCode2, EjectLines,
        HText, HFont, HCpl, HAlign, BFont, BCpl, FText, FFont, FCpl, FAlign, ColumnCount
    };

    void load(db::Connection& db, const QString& pcRef);
    void clear() { entries_.clear(); }

    // The terminal whose rows these are.
    const QString& pcRef() const { return pcRef_; }
    // Whether lines of this output are sent to a printer at all: every output but output 1
    // (the items that go nowhere) and none.
    bool printsLinesOf(const QString& outputName) const;

    const db::TextTable& entries() const { return entries_; }
    // The first entry whose output name is exactly the one wanted, or -1 when the output is not
    // configured on this terminal.
    int find(const QString& outputName) const;

private:
    db::TextTable entries_;
    QString pcRef_;
    QString unprintedOutput_; // the name of output 1

};

} // namespace pelora
