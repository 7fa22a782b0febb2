#include "print/CashDrawer.h"
#include "print/CodeString.h"
#include "print/PrintFrame.h"

#include "PrintFixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace pelora;

namespace {

TEST(CodeStringTest, DecimalBytesWithOrWithoutTheLeadingHash) {
    const QByteArray kick("\x1b\x70\x00\x00\x00", 5);
    EXPECT_EQ(decodeCodes(QStringLiteral("#27#112#00#00#00")), kick);
    EXPECT_EQ(decodeCodes(QStringLiteral("27#112#00#00#00")), kick);
    EXPECT_EQ(decodeCodes(QStringLiteral("#29#86##01")), QByteArray("\x1d\x56\x01"));
    EXPECT_EQ(decodeCodes(QStringLiteral("#300")), QByteArray(1, 44)); // modulo 256
    EXPECT_TRUE(decodeCodes(QString()).isEmpty());
    for (const char* bad : {"#27#", "27#x", "#1B", "-1", "27 #5", "#"})
        EXPECT_THROW(decodeCodes(QString::fromLatin1(bad)), PrintError) << bad;
}

TEST(PrinterResolutionTest, InstalledInAnyCaseElseTheDefaultElseAnError) {
    MemorySpooler spooler;
    spooler.installed = {QStringLiteral("Kitchen"), QStringLiteral("Docket")};
    spooler.defaultName = QStringLiteral("Docket");
    EXPECT_EQ(resolvePrinter(spooler, QStringLiteral("KITCHEN")), QStringLiteral("Kitchen"));
    EXPECT_EQ(resolvePrinter(spooler, QStringLiteral("Upstairs")), QStringLiteral("Docket"));
    spooler.defaultName.clear();
    EXPECT_EQ(resolvePrinter(spooler, QString()), QString()); // no device, no printer: nothing prints
    try {
        resolvePrinter(spooler, QStringLiteral("Upstairs"));
        ADD_FAILURE() << "an unknown printer with no default went unreported";
    } catch (const PrintError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Printer Upstairs not found"));
    }
}

class PaperTest : public test::PrintTest {
protected:
    void addFramedDocket() {
        addOutput(1, QStringLiteral("Docket"), QStringLiteral("Front"),
                  {{QStringLiteral("begincode1"), "#27#64"},
                   {QStringLiteral("begincode2"), "27#33#16"},
                   {QStringLiteral("hfont"), "H"},
                   {QStringLiteral("htext"), "THE BAR\r\nHarbour St"},
                   {QStringLiteral("bfont"), "B"},
                   {QStringLiteral("bcpl"), 40},
                   {QStringLiteral("ffont"), "F"},
                   {QStringLiteral("ftext"), "Thanks"},
                   {QStringLiteral("ejectlines"), 3},
                   {QStringLiteral("endcode1"), "#29#86#66#0"},
                   {QStringLiteral("endcode2"), "#7"}});
    }
    void print(std::initializer_list<const char*> body) {
        const OutputFrame frame = OutputFrame::of(outputs, outputs.find(QStringLiteral("Docket")), spooler);
        printPaper(spooler, frame, [&](Paper& paper) {
            for (const char* line : body)
                paper.line(QString::fromLatin1(line));
        });
    }
};

TEST_F(PaperTest, ThePaperIsFramedByTheOutputsCodesFontsTextsAndLineFeeds) {
    addFramedDocket();
    print({"one", "two"});
    ASSERT_EQ(spooler.documents.size(), 1u);
    const MemorySpooler::Document& paper = spooler.documents.front();
    EXPECT_EQ(paper.printer, QStringLiteral("Front"));
    EXPECT_EQ(paper.name, QStringLiteral("MyDocument"));
    EXPECT_TRUE(paper.closed);
    EXPECT_EQ(paper.bytes, QByteArray("\x1b@\x1b!\x10H") + "THE BAR\r\nHarbour St\r\n" + "B" + "one\r\ntwo\r\n" +
                               "F" + "Thanks\r\n" + "\n\n\n" + QByteArray("\x1dVB\x00\x07", 5));
}

TEST_F(PaperTest, ARefusedSendOrStartEndsThePaperQuietlyAndReleasesThePrinter) {
    addFramedDocket();
    spooler.failingSend = 4; // codes 0 and 1, header font 2, header text 3, body font 4 (untested), "one" 5
    print({"one", "two"});
    spooler.failingSend = 5;
    print({"one", "two"});
    ASSERT_EQ(spooler.documents.size(), 2u);
    // A font is sent untested: the paper goes on without it.
    EXPECT_EQ(spooler.documents[0].bytes, QByteArray("\x1b@\x1b!\x10H") + "THE BAR\r\nHarbour St\r\n" +
                                              "one\r\ntwo\r\n" + "F" + "Thanks\r\n" + "\n\n\n" +
                                              QByteArray("\x1dVB\x00\x07", 5));
    // A body line is tested: the paper ends there, with no end block.
    EXPECT_EQ(spooler.documents[1].bytes, QByteArray("\x1b@\x1b!\x10HTHE BAR\r\nHarbour St\r\nB"));
    EXPECT_TRUE(spooler.documents[1].closed);

    spooler.failingSend = -1;
    spooler.refuseStart = true;
    print({"one"});
    EXPECT_EQ(spooler.documents.size(), 2u);
}

TEST_F(PaperTest, WidthZeroPrintsNothingAndTheFirstOfTwoRowsIsUsed) {
    addOutput(1, QStringLiteral("Docket"), QStringLiteral("Front"), {{QStringLiteral("bcpl"), 0}});
    addOutput(2, QStringLiteral("Docket"), QStringLiteral("Back"), {{QStringLiteral("bcpl"), 40}});
    print({"one"});
    EXPECT_TRUE(spooler.documents.empty());
    exec(QStringLiteral("UPDATE od SET bcpl = NULL WHERE id = 1"));
    outputs.load(db, kTill);
    print({"one"});
    EXPECT_TRUE(spooler.documents.empty());
    exec(QStringLiteral("UPDATE od SET bcpl = 32 WHERE id = 1"));
    outputs.load(db, kTill);
    print({"one"});
    ASSERT_EQ(spooler.documents.size(), 1u);
    EXPECT_EQ(spooler.documents[0].printer, QStringLiteral("Front"));
}

TEST_F(PaperTest, AnUninstalledDeviceGoesToTheDefaultAndAnUnopenablePrinterIsReported) {
    addOutput(1, QStringLiteral("Docket"), QStringLiteral("Front"));
    spooler.installed.clear();
    spooler.installed << QStringLiteral("Spare");
    spooler.defaultName = QStringLiteral("Spare");
    print({"one"});
    ASSERT_EQ(spooler.documents.size(), 1u);
    EXPECT_EQ(spooler.documents[0].printer, QStringLiteral("Spare"));

    spooler.unopenable << QStringLiteral("Spare");
    EXPECT_THROW(print({"one"}), PrintError);
}

class DrawerTest : public test::PrintTest {
protected:
    QTemporaryDir folder{QStringLiteral("/tmp/dXXXXXX")}; // the port's name has room for 25
    QString port() const { return folder.filePath(QStringLiteral("drawer")); }
};

TEST_F(DrawerTest, ModeOneKicksThroughTheDrawerPrinterAndIsSilentWithoutOne) {
    openDrawer(spooler, outputs, u"1", prompter); // no "Drawer" output: nothing, no message
    EXPECT_TRUE(spooler.documents.empty());
    addOutput(3, QStringLiteral("Drawer"), QStringLiteral("Front"),
              {{QStringLiteral("begincode1"), "#27#112#0"}, {QStringLiteral("begincode2"), "#25#250"},
               {QStringLiteral("bcpl"), 0}});
    openDrawer(spooler, outputs, u"1", prompter);
    ASSERT_EQ(spooler.documents.size(), 1u);
    EXPECT_EQ(spooler.documents[0].bytes, QByteArray("\x1bp\x00\x19\xfa", 5));
    openDrawer(spooler, outputs, u"0", prompter);
    EXPECT_EQ(spooler.documents.size(), 1u);
}

TEST_F(DrawerTest, ModeTwoWritesTheCodeToThePortOrSaysItCannot) {
    prompter.expectError(QStringLiteral("Error opening cash drawer.")); // no "Drawer" output names a port
    openDrawer(spooler, outputs, u"2", prompter);

    addOutput(3, QStringLiteral("Drawer"), QStringLiteral("Front"),
              {{QStringLiteral("begincode1"), "#27#112"}, {QStringLiteral("begincode2"), port()}});
    QFile old(port());
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("left over from before");
    old.close();
    openDrawer(spooler, outputs, u"2", prompter);
    QFile written(port());
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), QByteArray("#27#112\r\n")); // as stored, not decoded
    EXPECT_TRUE(spooler.documents.empty());

    exec(QStringLiteral("UPDATE od SET begincode2 = ? WHERE id = 3"), {folder.path()}); // a folder, not a port
    outputs.load(db, kTill);
    prompter.expectError(QStringLiteral("Error opening cash drawer."));
    openDrawer(spooler, outputs, u"2", prompter);
}

} // namespace
