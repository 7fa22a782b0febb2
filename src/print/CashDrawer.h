#pragma once

#include <QStringView>

namespace pelora {

class OutputDeviceTable;
class Prompter;
class Spooler;

// Kicks this terminal's cash drawer as its drawer mode says.
// - "1": the "Drawer" output's decoded begin codes go as one raw document to its printer;
//   nothing happens when the terminal has no "Drawer" output. Printer errors are thrown.
// - "2": the "Drawer" output's second begin code names a file or device port (a serial or USB
//   printer device); its first begin code is written there as stored, followed by CR LF.
//   A port that cannot be written, or no "Drawer" output to name one, shows "Error opening
//   cash drawer." and the caller goes on.
// - any other mode: nothing.
void openDrawer(Spooler& spooler, const OutputDeviceTable& outputs, QStringView drawerMode,
                Prompter& prompter);

} // namespace pelora
