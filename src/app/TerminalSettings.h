#pragma once

#include <QString>

namespace pelora {

namespace db {
class Connection;
}

// The settings of this till: its `pc` row, the `layout` that row points to and the name of the
// output its manual-register lines go to. Modes are one-character codes (see common/Mode.h).
struct TerminalSettings {
    // pc
    int layoutId = 0;
    QString imagePath; // folder prefix of every picture file, joined with nothing between
    int mapId = 0;     // the first map of the Tab page
    int refreshRate = 0; // seconds between refreshes of the item grid
    QString refreshMode; // "0" off, "1" on, "2" on with a beep
    QString layoutMode;
    QString checkMode;
    QString docketMode;
    QString drawerMode;
    QString noSaleMode;
    // output of pc.outputid
    int outputId = 0;
    QString outputName; // outputname of manual-register lines
    // layout
    QString layoutName;
    QString fileName; // picture behind the item grid
    int linkId = 0;   // the link page shown first
    QString charset;
    int charsetCode = 0; // font character set of the item buttons
    int libtnfsize = 0;  // item button font size
    int tmbtnfsize = 0;  // tab button font size
    double restartMins = 0;
    QString tabMode;
    QString startMode;
    QString splitMode;
    QString priceMode;
    QString qtyMode;
    QString manRegMode;
    double manRegCostRate = 0;
    double manRegTaxRate = 0;
    QString optMode;
    QString findMode;
    QString accountMode;
    QString discMode;
    QString ordMode;
    QString processMode;
    QString countMode;
    QString refMode;
    QString roundMode;
    QString glyphMode;
    QString logoutMode;

    // The width of the right-hand panel of the sales screen: wider when the options column shows.
    int normalRightPanelWidth() const;
};

// The requery flags of the single `master` row: "T" reads that data from the database each
// time instead of from a cache.
struct MasterFlags {
    QString linkRequery;
    QString itemRequery;
    QString optRequery;
    QString tabRequery;
    QString mopRequery;
    QString discRequery;
};

// The font character-set code a layout's character-set name selects; a name not in the table
// keeps the code of the previous load.
int charsetCode(const QString& name, int previousCode);

// Finds this till's terminal and reads its settings. A PCRef that no `pc` row carries runs the
// till as terminal 1: `pcRef` then becomes terminal 1's reference for this run. Throws DbError
// when neither exists.
TerminalSettings loadTerminalSettings(db::Connection& db, QString& pcRef, int previousCharsetCode);

MasterFlags loadMasterFlags(db::Connection& db);

} // namespace pelora
