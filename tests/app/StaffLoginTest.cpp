#include "app/StaffList.h"
#include "db/Connection.h"

#include "GTestSupport.h"
#include "TestDatabase.h"

using namespace pelora;

namespace {

class StaffLogin : public test::DemoDatabaseTest {};

TEST_F(StaffLogin, AStaffPasswordMatchesInAnyCaseAndABlankOneNever) {
    exec(QStringLiteral("UPDATE staff SET pword = 'Secret' WHERE ref = 'Sam'"));
    exec(QStringLiteral("INSERT INTO staff (id, ref, pword) VALUES (4, 'Kim', NULL)"));
    exec(QStringLiteral("INSERT INTO staff (id, ref, pword) VALUES (5, 'Jo', 'SECRET')"));
    const db::TextTable staff = loadStaffList(db);
    EXPECT_EQ(staffRefForPassword(staff, QStringLiteral("sEcReT")), QStringLiteral("Sam")); // the first by id
    EXPECT_EQ(staffRefForPassword(staff, QStringLiteral("1234")), QStringLiteral("Alex"));
    EXPECT_EQ(staffRefForPassword(staff, QString()), std::nullopt); // Kim has no password
    EXPECT_EQ(staffRefForPassword(staff, QStringLiteral("12345")), std::nullopt);
}

TEST_F(StaffLogin, TheDatabaseUsersAreTriedInTurnAndLeftDisconnected) {
    db::Connection probe;
    EXPECT_EQ(databaseUserForPassword(probe, database.path(), test::admin1Password()), QStringLiteral("admin1"));
    EXPECT_FALSE(probe.isConnected());
    EXPECT_EQ(databaseUserForPassword(probe, database.path(), QStringLiteral("wrong")), std::nullopt);
    EXPECT_FALSE(probe.isConnected());
}

} // namespace
