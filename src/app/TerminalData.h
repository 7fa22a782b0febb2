#pragma once

#include "app/TerminalSettings.h"
#include "db/TextTable.h"
#include "print/OutputDeviceTable.h"
#include "sales/ButtonCache.h"

#include <QDateTime>

namespace pelora {

namespace db {
class Connection;
class ServerClock;
} // namespace db

// Everything the sales screen reads from the database when the terminal settings load: the
// settings, the requery flags, the caches (each empty when its requery flag is "T"), the
// picture rows, the staff, this terminal's output devices and the time of the last stock
// refresh. The next load replaces all of it.
struct TerminalData {
    TerminalSettings settings;
    MasterFlags master;
    db::TextTable pictureRows; // id, filename of every image, when glyphmode is "1"
    db::TextTable staff;
    ButtonCache buttons;
    db::TextTable optionChoices;
    db::TextTable tabMap;
    db::TextTable maps;
    db::TextTable mops;
    db::TextTable discounts;
    OutputDeviceTable outputDevices;
    QDateTime lastRefresh;

    // Reads it all for the terminal `pcRef` (which becomes terminal 1's reference when no `pc`
    // row carries it). `previousCharsetCode` is kept when the layout's character set is unknown.
    static TerminalData load(db::Connection& db, db::ServerClock& clock, QString& pcRef,
                             int previousCharsetCode);
};

enum PictureColumn { PictureId, PictureFileName };

} // namespace pelora
