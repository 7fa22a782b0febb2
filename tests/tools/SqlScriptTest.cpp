#include "SqlScript.h"

#include "GTestSupport.h"

using namespace pelora::dbinit;

namespace {

TEST(SqlScript, SplitsAtTheTerminatorOutsideQuotesAndComments) {
    const QString script = QStringLiteral(
        "-- a comment; with a semicolon\n"
        "CREATE TABLE a (x VARCHAR(5));\n"
        "/* block; comment */ INSERT INTO a VALUES ('semi;colon');\n"
        "INSERT INTO a VALUES ('it''s; fine'); INSERT INTO \"A;B\" VALUES (1);\n"
        "COMMIT;\n"
        "SELECT 1 FROM rdb$database");
    const QStringList s = splitSqlScript(script);
    ASSERT_EQ(s.size(), 6);
    EXPECT_EQ(s[0], QStringLiteral("CREATE TABLE a (x VARCHAR(5))"));
    EXPECT_EQ(s[1], QStringLiteral("INSERT INTO a VALUES ('semi;colon')"));
    EXPECT_EQ(s[2], QStringLiteral("INSERT INTO a VALUES ('it''s; fine')"));
    EXPECT_EQ(s[3], QStringLiteral("INSERT INTO \"A;B\" VALUES (1)"));
    EXPECT_TRUE(isCommitStatement(s[4]));
    EXPECT_EQ(s[5], QStringLiteral("SELECT 1 FROM rdb$database"));
    EXPECT_FALSE(isCommitStatement(s[0]));
    EXPECT_TRUE(isCommitStatement(QStringLiteral("commit work")));
}

TEST(SqlScript, SetTermKeepsProcedureBodiesWhole) {
    const QString script = QStringLiteral(
        "SET TERM ^ ;\n"
        "CREATE PROCEDURE p RETURNS (x INTEGER) AS\nBEGIN\n  x = 1; -- end^ not here\n  x = 2;\nEND^\n"
        "SET TERM ; ^\n"
        "GRANT EXECUTE ON PROCEDURE p TO ROLE app;");
    const QStringList s = splitSqlScript(script);
    ASSERT_EQ(s.size(), 2);
    EXPECT_TRUE(s[0].startsWith(QStringLiteral("CREATE PROCEDURE p")));
    EXPECT_TRUE(s[0].endsWith(QStringLiteral("END")));
    EXPECT_TRUE(s[0].contains(QStringLiteral("x = 2;")));
    EXPECT_EQ(s[1], QStringLiteral("GRANT EXECUTE ON PROCEDURE p TO ROLE app"));
}

} // namespace
