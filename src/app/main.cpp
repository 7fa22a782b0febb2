#include "admin/AdminConsole.h"
#include "app/ConnectionCheck.h"
#include "app/DocketCommand.h"
#include "app/PeloraApplication.h"
#include "app/TMainDataModule.h"
#include "common/LocalTimeZone.h"
#include "common/TerminationSignal.h"
#include "print/CupsSpooler.h"
#include "sales/TMainForm.h"
#include "ui/CloseWithoutAsking.h"
#include "ui/QtPrompter.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstring>

int main(int argc, char* argv[]) {
    pelora::keepLocalTimeZoneLoaded();
    if (argc > 1 && std::strcmp(argv[1], "--check") == 0) {
        QCoreApplication app(argc, argv);
        QTextStream out(stdout);
        return pelora::checkConnection(out);
    }
    if (argc > 1 && std::strcmp(argv[1], "--docket") == 0) {
        QCoreApplication app(argc, argv);
        QTextStream out(stdout);
        pelora::CupsSpooler spooler;
        return pelora::printDocketCommand(out, argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString(), spooler);
    }
    pelora::PeloraApplication app(argc, argv);
    pelora::QtPrompter prompter;
    app.setPrompter(&prompter);
    pelora::TMainForm mainForm(prompter);
    pelora::TMainDataModule dataModule(mainForm, prompter);
    pelora::plugInAdminConsole(mainForm, dataModule, prompter);
    if (!dataModule.MainDataModuleCreate())
        return 1;
    if (!mainForm.isVisible())
        mainForm.show();
    // Told to stop (a shut-down, Ctrl+C), the till closes as "Close" does and disconnects.
    const pelora::TerminationSignal stop([&mainForm] { pelora::closeWithoutAsking(mainForm); });
    return app.exec();
}
