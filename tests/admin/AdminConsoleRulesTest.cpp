#include "admin/AdminLogin.h"
#include "admin/AdminPermissions.h"
#include "db/Query.h"

#include "TestDatabase.h"

using namespace pelora;

namespace {

using AdminConsoleRules = test::DatabaseTest;

TEST_F(AdminConsoleRules, ThePermissionsReadAndWriteTheirOwnColumnInTheTablesOrder) {
    db::Query query(db);
    EXPECT_EQ(AdminPermissions::load(query), std::vector<bool>(AdminPermissions::kCount, false));
    AdminPermissions::write(query, AdminPermissions::indexOf(QStringLiteral("admin2xnosale")), true);
    AdminPermissions::write(query, 0, true);
    AdminPermissions::write(query, 0, false);
    exec(QStringLiteral("UPDATE master SET admin2rptinv = 'T', admin2item = 't'")); // only "T" grants
    const std::vector<bool> granted = AdminPermissions::load(query);
    for (int i = 0; i < AdminPermissions::kCount; ++i) {
        const QString column = QString::fromLatin1(AdminPermissions::entries()[i].column);
        EXPECT_EQ(granted[i], column == u"admin2xnosale" || column == u"admin2rptinv") << column.toStdString();
    }
    EXPECT_EQ(scalar(QStringLiteral("SELECT admin2master || admin2xnosale FROM master")), QStringLiteral("FT"));
}

TEST_F(AdminConsoleRules, ThePasswordSaysTheLevelOnAConnectionOfItsOwn) {
    const QString path = database.path();
    EXPECT_EQ(adminLevelForPassword(path, database.sysdba().password), AdminLevel::Admin);
    EXPECT_EQ(adminLevelForPassword(path, database.admin1().password), AdminLevel::Admin);
    EXPECT_EQ(adminLevelForPassword(path, database.admin2().password), AdminLevel::Admin2);
    EXPECT_EQ(adminLevelForPassword(path, QStringLiteral("not-a-password")), AdminLevel::None);
    // The till's own connection carries on as it was.
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM master")), QStringLiteral("1"));
}

} // namespace
