#include "TillFixture.h"

#include "app/IniFile.h"
#include "db/DbError.h"
#include "sales/LinePanel.h"
#include "sales/StatusLine.h"
#include "sales/TabPage.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>

using namespace pelora;
using test::TillTest;

namespace {

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QString kIniRefused = QStringLiteral("INI password invalid. Cannot connect to database.");

class StartUp : public TillTest {
protected:
    void SetUp() override {
        TillTest::SetUp();
        sql(QStringLiteral("UPDATE layout SET logoutmode = '0'")); // no login asked for
    }
    bool splashShown() const {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("SplashForm"))
                return true;
        return false;
    }
};

TEST_F(StartUp, OpensTheSalesScreenOfTheTerminal) {
    ASSERT_TRUE(start());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Pelora - v01282"));
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(splashShown());
    EXPECT_TRUE(module->db1.isConnected());
    EXPECT_EQ(module->db1.params().user, QStringLiteral("SYSDBA"));
    EXPECT_EQ(module->db1.params().role, QStringLiteral("app"));
    EXPECT_EQ(module->session().staffRef, QStringLiteral("Default"));

    settle();
    EXPECT_EQ(form->statusLine().text(0), QStringLiteral("PC/Staff: Bar/Default"));
    EXPECT_EQ(form->statusLine().text(1), QStringLiteral("Layout: Bar"));
    const int widths[] = {200, 150, 100, 50};
    for (int panel = 0; panel < 4; ++panel)
        EXPECT_EQ(form->statusLine().panel(panel)->width(), widths[panel]);

    EXPECT_TRUE(form->statusBar()->isVisible());
    EXPECT_TRUE(form->sidePanelsShown());
    EXPECT_FALSE(form->lblResetting->isVisible());
    EXPECT_TRUE(form->pgcMain->tabBar()->isHidden());
    // The demo terminal starts on the Tab page with the right-hand panel folded away.
    EXPECT_EQ(form->pgcMain->currentWidget(), static_cast<QWidget*>(form->pgeTab));
    EXPECT_TRUE(form->rightPanelCollapsed());
    EXPECT_EQ(form->pnlRight->width(), 0);
    EXPECT_EQ(form->pnlRight->lblTabRef->text(), QStringLiteral("Unknown"));
    EXPECT_EQ(form->state().currentTab, 0);
}

// A till whose PCRef has no row runs as terminal 1 and says so once; the reset after its row is
// added in the console makes it itself, without the file being read again.
TEST_F(StartUp, AnUnknownTerminalRunsAsTerminalOneUntilItsRowIsAdded) {
    const QString missing = QStringLiteral("This till (Till 9) has no terminal record: it runs with the settings of"
                                           " terminal 1 until one is added in the console's PC.");
    prompter.expectWarning(missing);
    ASSERT_TRUE(start(QStringLiteral("Till 9")));
    settle();
    EXPECT_EQ(form->statusLine().text(0), QStringLiteral("PC/Staff: Default/Default"));
    EXPECT_EQ(form->statusLine().text(1), QStringLiteral("Layout: Default"));
    EXPECT_EQ(IniFile::read(site.iniFile())->pcRef, QStringLiteral("Till 9")); // the file is not changed
    EXPECT_EQ(module->session().pcRef, QStringLiteral("Default"));

    // Reset before the row exists: not said again.
    prompter.expectConfirm(QStringLiteral("Reset the application?"), true);
    module->ApplicationReset();
    settle();
    EXPECT_EQ(form->statusLine().text(0), QStringLiteral("PC/Staff: Default/Default"));

    // The file is not read again: a pelora.ini changed on disk meanwhile plays no part.
    IniSettings changed = *IniFile::read(site.iniFile());
    changed.pcRef = QStringLiteral("Bar");
    ASSERT_TRUE(IniFile::write(changed, site.iniFile()));
    sql(QStringLiteral("INSERT INTO pc (id, ref, layoutid, mapid) VALUES (9, 'Till 9', 3, 2)"));
    prompter.expectConfirm(QStringLiteral("Reset the application?"), true);
    module->ApplicationReset();
    settle();
    EXPECT_EQ(module->session().pcRef, QStringLiteral("Till 9"));
    EXPECT_EQ(form->statusLine().text(0), QStringLiteral("PC/Staff: Till 9/Default"));
    EXPECT_EQ(form->statusLine().text(1), QStringLiteral("Layout: Happy Hour"));

    // Its row deleted again, the next reset says so again.
    sql(QStringLiteral("DELETE FROM pc WHERE id = 9"));
    prompter.expectConfirm(QStringLiteral("Reset the application?"), true);
    prompter.expectWarning(missing);
    module->ApplicationReset();
    settle();
    EXPECT_EQ(module->session().pcRef, QStringLiteral("Default"));
}

TEST_F(StartUp, WithoutItsConfigurationFileTheProgramEnds) {
    prompter.expectWarning(QStringLiteral("Problem reading from pelora.ini file."));
    EXPECT_FALSE(startAsItIs());
    EXPECT_FALSE(module->db1.isConnected());
    EXPECT_FALSE(splashShown());
}

TEST_F(StartUp, HeaderLinesAreNotLookedAt) {
    site.writeIni(QStringLiteral("Bar"), site.dbPath());
    QByteArray bytes = fileBytes(site.iniFile());
    bytes.replace("[app_pelora]", "[anything]").replace("[PCRef]", "terminal").replace("[DBPath]", "");
    QFile f(site.iniFile());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
    f.close();
    ASSERT_TRUE(startAsItIs());
    settle();
    EXPECT_EQ(form->statusLine().text(0), QStringLiteral("PC/Staff: Bar/Default"));
}

TEST_F(StartUp, ATypedPasswordServesThisRunAndLeavesTheFileAlone) {
    site.writeIni(QStringLiteral("Bar"), site.dbPath(), QStringLiteral("an old password"));
    const QByteArray before = fileBytes(site.iniFile());
    prompter.expectError(kIniRefused)
        .expectInput(QStringLiteral("Try manual password entry"), QStringLiteral("Enter Password"),
                     test::admin1Password());
    ASSERT_TRUE(startAsItIs());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(fileBytes(site.iniFile()), before);
    EXPECT_EQ(module->session().iniPassword, QStringLiteral("an old password"));
}

TEST_F(StartUp, WhenNoPasswordIsAcceptedTheProgramEnds) {
    site.writeIni(QStringLiteral("Bar"), site.dbPath(), QStringLiteral("an old password"));
    prompter.expectError(kIniRefused)
        .expectInput(QStringLiteral("Try manual password entry"), QStringLiteral("Enter Password"),
                     QStringLiteral("a guess"))
        .expectError(QStringLiteral("Cannot connect to database.\nConfirm that the username and "
                                    "password exist in the database."));
    EXPECT_FALSE(startAsItIs());
    EXPECT_FALSE(form->isVisible());
}

TEST_F(StartUp, AnEmptyDBPathOpensPeloraGdbInTheStartFolder) {
    site.writeIni(QStringLiteral("Bar"), QString());
    ASSERT_TRUE(startAsItIs());
    EXPECT_EQ(module->db1.params().path, QStringLiteral("pelora.gdb"));
    settle();
    EXPECT_EQ(form->statusLine().text(1), QStringLiteral("Layout: Bar"));
}

TEST_F(StartUp, AFailureAfterConnectingIsReportedAndTheProgramRunsOn) {
    sql(QStringLiteral("DELETE FROM pc")); // neither this terminal nor terminal 1
    prompter.expectError(QStringLiteral("There was an initialisation problem."));
    EXPECT_TRUE(start());
    EXPECT_FALSE(splashShown());
    EXPECT_TRUE(module->db1.isConnected());
    EXPECT_FALSE(form->sidePanelsShown());
    EXPECT_TRUE(form->lblResetting->isVisibleTo(form.get()));
}

TEST_F(StartUp, TheApplicationResetReconnectsAndReloadsTheSettings) {
    ASSERT_TRUE(start());
    settle();
    sql(QStringLiteral("UPDATE layout SET name = 'Evening' WHERE id = 2"));

    prompter.expectConfirm(QStringLiteral("Reset the application?"), false);
    module->ApplicationReset();
    settle();
    EXPECT_EQ(form->statusLine().text(1), QStringLiteral("Layout: Bar"));

    prompter.expectConfirm(QStringLiteral("Reset the application?"), true);
    module->ApplicationReset();
    EXPECT_EQ(form->statusLine().text(0), QStringLiteral("Reset Globals"));
    settle();
    EXPECT_EQ(form->statusLine().text(0), QStringLiteral("PC/Staff: Bar/Default"));
    EXPECT_EQ(form->statusLine().text(1), QStringLiteral("Layout: Evening"));
    EXPECT_TRUE(module->db1.isConnected());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // A database that is not there any more reaches the caller, with the cursor restored.
    module->session().dbPath = site.dbPath() + QStringLiteral("gone/");
    prompter.expectConfirm(QStringLiteral("Reset the application?"), true);
    EXPECT_THROW(module->ApplicationReset(), db::DbError);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// The server or the network drops the till's connection in the middle of service: the till
// connects again by itself, says so, and goes on; while the database cannot be reached that is
// said once.
TEST_F(StartUp, ADroppedConnectionIsMadeAgainAndSaidSo) {
    ASSERT_TRUE(start());
    settle();
    touchTab(QStringLiteral("Table 1"));
    touchItem(QStringLiteral("Pale Ale"));
    module->watchConnection(); // a connection that stands: nothing happens
    EXPECT_TRUE(prompter.shown().empty());

    // The server shuts down the till's attachment, as at a restart of the server.
    const auto drop = [this] {
        const QString attachment = module->db1.run(QStringLiteral("SELECT CURRENT_CONNECTION FROM RDB$DATABASE"))
                                       .rows.at(0).at(0).asText();
        db::Connection server;
        server.connect({QStringLiteral("SYSDBA"), test::sysdbaPassword(), QString(), site.databasePath()});
        server.run(QStringLiteral("DELETE FROM MON$ATTACHMENTS WHERE MON$ATTACHMENT_ID = ?"), {attachment.toLongLong()});
    };
    drop();
    EXPECT_FALSE(module->db1.ping());

    // Nothing is done under the tab map editor, which works on the Tab page's own buttons.
    struct Picker : TabButtonPicker {
        void pickTabButton(int, QPoint) override {}
        void dropTabButton(int, QPoint) override {}
        void clearSelection() override {}
    } editor;
    form->setTabMapEditor(&editor);
    module->watchConnection();
    EXPECT_FALSE(module->db1.ping());
    form->setTabMapEditor(nullptr);

    // Not yet reachable: said once, however often the till tries.
    const QString dbPath = module->session().dbPath;
    module->session().dbPath = site.dbPath() + QStringLiteral("gone/");
    QString serverText;
    try {
        db::Connection gone;
        db::ConnectParams params = module->db1.params();
        params.path = module->session().databasePath();
        gone.connect(params);
    } catch (const db::DbError& failure) {
        serverText = failure.text();
    }
    prompter.expectError(QStringLiteral("The till has lost its connection to the database and cannot connect again "
                                        "yet; it keeps trying.\n") + serverText);
    module->watchConnection();
    module->watchConnection();
    EXPECT_EQ(prompter.shown().size(), 1u);

    module->session().dbPath = dbPath;
    prompter.expectInformation(QStringLiteral("The till lost its connection to the database and has connected again.\n"
                                              "Nothing stored was lost: choose the tab again."));
    module->watchConnection();
    settle();
    EXPECT_TRUE(module->db1.ping());
    touchTab(QStringLiteral("Table 1"));
    touchItem(QStringLiteral("Lager"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT LIST(itemname, ',') FROM (SELECT itemname FROM tabline1 WHERE tabid = 3 ORDER BY id)")),
              QStringLiteral("Pale Ale,Lager"));

    // Dropped again and reachable at once: only the second message.
    drop();
    prompter.expectInformation(QStringLiteral("The till lost its connection to the database and has connected again.\n"
                                              "Nothing stored was lost: choose the tab again."));
    module->watchConnection();
    EXPECT_TRUE(module->db1.ping());
}

} // namespace
