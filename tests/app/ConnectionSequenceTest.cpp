#include "app/ConnectionSequence.h"

#include "GTestSupport.h"
#include "TestDatabase.h"

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
        return connectAtStartUp(db, database.path(), iniPassword, prompter, [this] { ++repaints; });
    }
    test::TestDatabase database;
    db::Connection db;
    ScriptedPrompter prompter{test::gtestFailures()};
    int repaints = 0;
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

TEST_F(StartUpConnection, ARefusedIniPasswordAsksForOneForThisRun) {
    prompter.expectError(kIniRefused)
        .expectInput(QStringLiteral("Try manual password entry"), QStringLiteral("Enter Password"),
                     test::admin1Password());
    ASSERT_TRUE(connect(QStringLiteral("not the password")));
    EXPECT_TRUE(db.isConnected());
    EXPECT_EQ(db.params().user, QStringLiteral("admin1_pelora"));
    EXPECT_EQ(repaints, 1);
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
