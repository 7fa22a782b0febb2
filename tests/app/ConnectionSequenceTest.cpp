#include "app/ConnectionSequence.h"

#include "GTestSupport.h"
#include "TestDatabase.h"

#include <QFile>
#include <QTemporaryDir>

using namespace pelora;
using pelora::test::ScriptedPrompter;

namespace {

const QString kIniRefused = QStringLiteral("INI password invalid. Cannot connect to database.");
const QString kNoConnection = QStringLiteral("Cannot connect to database.\nConfirm that the username and "
                                             "password exist in the database.");

class StartUpConnection : public ::testing::Test {
protected:
    bool connect(const QString& iniPassword) {
        repaints = 0;
        refusals.clear();
        return connectAtStartUp(db, database.path(), iniPassword, prompter, [this] { ++repaints; }, lastUserFile,
                                [this](const QString& user, const db::DbError&) { refusals << user; });
    }
    QString lastUser() const {
        QFile file(lastUserFile);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QStringLiteral("(none)");
    }
    test::TestDatabase database;
    db::Connection db;
    ScriptedPrompter prompter{test::gtestFailures()};
    QTemporaryDir folder;
    QString lastUserFile = folder.filePath(kLastUserFileName);
    int repaints = 0;
    QStringList refusals;
};

TEST_F(StartUpConnection, TheIniPasswordOfEitherUserConnectsWithoutAPrompt) {
    ASSERT_TRUE(connect(test::sysdbaPassword()));
    EXPECT_EQ(db.params().user, QStringLiteral("SYSDBA"));
    EXPECT_EQ(db.params().role, QStringLiteral("app"));

    ASSERT_TRUE(connect(test::admin1Password()));
    EXPECT_EQ(db.params().user, QStringLiteral("admin1_pelora"));
    EXPECT_EQ(repaints, 0);
    EXPECT_TRUE(prompter.shown().empty());
}

// The server makes every few refused logins from one address wait seconds: a till set up with
// admin1_pelora's password is refused as SYSDBA only at its first start.
TEST_F(StartUpConnection, TheUserWhoConnectedLastIsTriedFirst) {
    ASSERT_TRUE(connect(test::admin1Password()));
    EXPECT_EQ(refusals, QStringList{"SYSDBA"});
    EXPECT_EQ(lastUser(), QStringLiteral("admin1_pelora\r\n")); // the name, never the password
    db.disconnect();
    for (int start = 0; start < 3; ++start) {
        ASSERT_TRUE(connect(test::admin1Password()));
        EXPECT_EQ(db.params().user, QStringLiteral("admin1_pelora"));
        EXPECT_TRUE(refusals.isEmpty());
        db.disconnect();
    }

    // The file given the SYSDBA password later: one refusal, and SYSDBA is kept from then on.
    ASSERT_TRUE(connect(test::sysdbaPassword()));
    EXPECT_EQ(refusals, QStringList{"admin1_pelora"});
    EXPECT_EQ(lastUser(), QStringLiteral("SYSDBA\r\n"));
    db.disconnect();
    ASSERT_TRUE(connect(test::sysdbaPassword()));
    EXPECT_TRUE(refusals.isEmpty());
    EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(StartUpConnection, ARefusedIniPasswordAsksForOneForThisRun) {
    prompter.expectError(kIniRefused)
        .expectInput(QStringLiteral("Try manual password entry"), QStringLiteral("Enter Password"),
                     test::admin1Password());
    ASSERT_TRUE(connect(QStringLiteral("not the password")));
    EXPECT_TRUE(db.isConnected());
    EXPECT_EQ(db.params().user, QStringLiteral("admin1_pelora"));
    EXPECT_EQ(repaints, 1);
    EXPECT_EQ(lastUser(), QStringLiteral("(none)")); // a password typed for this run is not the file's
}

TEST_F(StartUpConnection, NoPasswordAcceptedMeansNoConnection) {
    prompter.expectError(kIniRefused)
        .expectInput(QStringLiteral("Try manual password entry"), QStringLiteral("Enter Password"),
                     QStringLiteral("still wrong"))
        .expectError(kNoConnection);
    EXPECT_FALSE(connect(QStringLiteral("wrong")));
    EXPECT_FALSE(db.isConnected());
}

} // namespace
