#include "app/TMainDataModule.h"

#include "app/ConnectionSequence.h"
#include "app/EventLog.h"
#include "app/IniFile.h"
#include "app/TSplashForm.h"
#include "common/Prompter.h"
#include "print/CupsSpooler.h"
#include "sales/StatusLine.h"
#include "sales/TMainForm.h"
#include "ui/BusyCursor.h"
#include "ui/GeneralError.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>

#include <memory>

namespace pelora {

namespace {

constexpr int kConnectionWatchMs = 5000;
// A server that does not answer at all (a network that is down) is not waited for longer when
// the till connects again, so the till is not held up for minutes at each try.
constexpr int kReconnectTimeoutSeconds = 10;

} // namespace

TMainDataModule::TMainDataModule(TMainForm& mainForm, Prompter& prompter, QObject* parent)
    : QObject(parent), mainForm_(mainForm), prompter_(prompter), spooler_(std::make_unique<CupsSpooler>()) {
    setObjectName(QStringLiteral("MainDataModule"));
    mainForm_.attach(*this);
    connectionWatch_.setInterval(kConnectionWatchMs);
    connect(&connectionWatch_, &QTimer::timeout, this, &TMainDataModule::watchConnection);
}

TMainDataModule::~TMainDataModule() { MainDataModuleDestroy(); }

bool TMainDataModule::MainDataModuleCreate() {
    session_.startFolder = QDir::currentPath();
    std::unique_ptr<TSplashForm> splash;
    try {
        splash = std::make_unique<TSplashForm>();
        splash->showNow();
        splash->advance(25);

        const std::optional<IniSettings> ini = IniFile::read();
        if (!ini) {
            splash.reset();
            prompter_.warning(QStringLiteral("Problem reading from pelora.ini file."));
            return false;
        }
        session_.iniPassword = ini->password;
        session_.configuredPcRef = session_.pcRef = ini->pcRef;
        session_.dbPath = ini->dbPath;

        if (!connectAtStartUp(db1, session_.databasePath(), session_.iniPassword, prompter_,
                              [&splash] { splash->paintNow(); }, kLastUserFileName)) {
            return false;
        }
        splash->advance(50);
        // Every deletion, discount, refund or no sale is refused until the exception log is there.
        if (!eventlog::present(db1)) {
            splash.reset();
            prompter_.warning(QStringLiteral("This database has no exception log, so deletions, discounts, refunds "
                                             "and no sales will be refused.") +
                              kLineBreak +
                              QStringLiteral("Close the tills and run pelora-dbinit --upgrade on the database."));
        }

        mainForm_.statusLine().setText(0, QString::fromLatin1(StatusLine::kLoggedOut));
        mainForm_.LoadTerminalSettings();

        splash->advance(25);
        splash.reset();
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            mainForm_.setGeometry(screen->availableGeometry()); // also without a window manager
        mainForm_.showMaximized();
        mainForm_.sayTerminalNotice();
        connectionWatch_.start();
    } catch (const std::exception&) {
        splash.reset();
        prompter_.error(QStringLiteral("There was an initialisation problem."));
    }
    return true;
}

void TMainDataModule::MainDataModuleDestroy() {
    connectionWatch_.stop();
    query1.close();
    db1.disconnect();
}

void TMainDataModule::ApplicationReset() {
    if (!prompter_.confirm(QStringLiteral("Reset the application?")))
        return;
    reconnect();
}

void TMainDataModule::reconnect() {
    BusyCursor busy;
    db::ConnectParams params = db1.params();
    db1.disconnect();
    params.path = session_.databasePath();
    params.connectTimeoutSeconds = kReconnectTimeoutSeconds;
    db1.connect(params);
    mainForm_.statusLine().setText(0, QStringLiteral("Reset Globals"));
    mainForm_.LoadTerminalSettings();
    mainForm_.sayTerminalNotice();
}

void TMainDataModule::watchConnection() {
    // A window over the sales screen may hold rows or a transaction of the connection, and the
    // button and tab map editors work on the screen's own buttons: each is left to finish first.
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget() || mainForm_.buttonEditor() ||
        mainForm_.tabMapEditor())
        return;
    // Lost in the middle of an action, which has said so: made again quietly, the screen as it is.
    if (db1.isLost()) {
        try {
            db1.reattach();
        } catch (const std::exception&) {
            // still out of reach: the next look, or the operator's next action, tries again
        }
        return;
    }
    if (db1.ping())
        return;
    try {
        reconnect();
    } catch (const std::exception& failure) {
        if (!unreachableSaid_) {
            unreachableSaid_ = true;
            prompter_.error(QStringLiteral("The till has lost its connection to the database and cannot connect "
                                           "again yet; it keeps trying.") +
                            kLineBreak + failureText(failure));
        }
        return;
    }
    unreachableSaid_ = false;
    prompter_.information(QStringLiteral("The till lost its connection to the database and has connected again.") +
                          kLineBreak + QStringLiteral("Nothing stored was lost: choose the tab again."));
}

} // namespace pelora
