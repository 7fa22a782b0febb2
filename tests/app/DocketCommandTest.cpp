#include "app/DocketCommand.h"
#include "print/MemorySpooler.h"

#include "GTestSupport.h"
#include "TestDatabase.h"

using namespace pelora;

namespace {

// `pelora --docket N` in the demo venue's folder, printing into memory.
class DocketCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        site.writeIni(QStringLiteral("Bar"), site.dbPath());
        spooler.installed << QStringLiteral("Docket");
    }
    int run(const QString& receipt) {
        said.clear();
        QTextStream out(&said);
        return printDocketCommand(out, receipt, spooler);
    }

    test::TestSite site;
    test::CurrentDirectory cwd{site.folder()};
    MemorySpooler spooler;
    QString said;
};

TEST_F(DocketCommandTest, LastNightsReceiptPrintsOnTheTerminalsDocketPrinter) {
    EXPECT_EQ(run(QStringLiteral("1")), 0);
    EXPECT_EQ(said, QStringLiteral("Docket of receipt 1 sent to Docket.\n"));
    ASSERT_EQ(spooler.documents.size(), 1u);
    const QString docket = QString::fromLatin1(spooler.documents[0].bytes);
    EXPECT_TRUE(docket.startsWith(QStringLiteral("\x1b@THE CORNER BAR\r\n12 Harbour Street\r\nDocket No.1 Tab:Table 2 PC:Bar\r\n")));
    EXPECT_TRUE(docket.contains(QStringLiteral("\r\n     Cooked: Medium + Sauce: Pep\r\n     per\r\n"))); // 42 wide
    EXPECT_TRUE(docket.contains(QStringLiteral(" Cash Tendered:    50.00 \r\n")));
    EXPECT_TRUE(docket.contains(QStringLiteral("Food: 34.00\r\nDrinks: 9.50\r\n")));
}

TEST_F(DocketCommandTest, ABadNumberAMissingReceiptOrPrinterIsSaid) {
    EXPECT_EQ(run(QStringLiteral("x")), 1);
    EXPECT_EQ(run(QStringLiteral("99")), 1);
    EXPECT_EQ(said, QStringLiteral("There is no receipt 99.\n"));
    spooler.installed.clear(); // no such printer and no default one
    EXPECT_EQ(run(QStringLiteral("2")), 3);
    EXPECT_EQ(said, QStringLiteral("Printer Docket not found\n"));
    EXPECT_TRUE(spooler.documents.empty());
}

} // namespace
