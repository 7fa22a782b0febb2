#include "common/DateTimeText.h"
#include "db/StoredProc.h"
#include "print/OrderLines.h"
#include "print/OrderPapers.h"
#include "print/OrderProcessing.h"

#include "PrintFixture.h"

using namespace pelora;

namespace {

const QDateTime kEight(QDate(2026, 12, 9), QTime(20, 0, 0));

class OrderProcessingTest : public test::PrintTest {
protected:
    void SetUp() override {
        PrintTest::SetUp();
        exec(QStringLiteral("INSERT INTO tab (id, ref) VALUES (3, 'Table 1')"));
        exec(QStringLiteral("INSERT INTO item (id, name, qty, outputid) VALUES (11, 'Steak', 20, 1)"));
        exec(QStringLiteral("INSERT INTO item (id, name, qty, outputid) VALUES (12, 'Beer', 50, 1)"));
        addOutput(5, QStringLiteral("Kitchen"), QStringLiteral("KitchenPrinter"), {{QStringLiteral("bcpl"), 20}});
        addOutput(6, QStringLiteral("Bar"), QStringLiteral("BarPrinter"), {{QStringLiteral("bcpl"), 32}});
    }
    // An open line; `seconds` after eight o'clock.
    void line(const char* table, int id, int tabId, int itemId, const char* name, double qty, const char* output,
              int seconds, const char* pcRef = "Bar", const char* processed = "F") {
        exec(QStringLiteral("INSERT INTO %1 (id, pcref, tabid, itemid, itemname, qty, outputname, processed, istamp)"
                            " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)")
                 .arg(QString::fromLatin1(table)),
             {id, pcRef, tabId, itemId, name, qty, output, processed, kEight.addSecs(seconds)});
    }
    void process(int tabId, const char* splitMode = "1", const char* countMode = "0") {
        const QString split = QString::fromLatin1(splitMode), count = QString::fromLatin1(countMode);
        processOrders(printing(), {QStringLiteral("Bar"), split, count}, tabId);
    }
    QString unprocessed(const char* table = "tabline1") {
        return scalar(QStringLiteral("SELECT LIST(id, ',') FROM (SELECT id FROM %1 WHERE processed = 'F' ORDER BY id)")
                          .arg(QString::fromLatin1(table)));
    }
    QString paperFor(const QString& printer) { return QString::fromLatin1(spooler.bytesFor(printer)); }
    static QString head(const char* tab, const char* output, int seconds) {
        return QStringLiteral("Order for Tab:%1 PC:Bar\r\nOutput:%2\r\n").arg(QString::fromLatin1(tab), QString::fromLatin1(output)) +
               dateTimeDisplay(kEight.addSecs(seconds)) + QStringLiteral("\r\n");
    }
};

TEST_F(OrderProcessingTest, EachOutputGetsOnePaperOfItsOwnLinesInTimeOrder) {
    line("tabline1", 1, 3, 11, "Steak", 1, "Kitchen", 0);
    exec(QStringLiteral("UPDATE tabline1 SET opt1caption = 'Cooked', opt1choice = 'Medium Rare',"
                        " opt2caption = 'Chips', opt2choice = 'T', optmsg = 'No salt' WHERE id = 1"));
    line("tabline1", 2, 3, 12, "Beer", 2, "Bar", 5);
    line("tabline2", 3, 3, 11, "Steak", 1, "Kitchen", 3);
    exec(QStringLiteral("UPDATE tabline2 SET splitref = 'A', splitmsg = 'Birthday' WHERE id = 3"));
    line("tabline1", 4, 3, 11, "Steak", 1, "Kitchen", 1, "Bar", "T"); // sent before
    line("tabline1", 6, 3, 12, "Beer", 1, "Bar", 0, "Bar", "F");
    exec(QStringLiteral("UPDATE tabline1 SET tabid = 1 WHERE id = 6")); // the NonTab's: not this tab's

    process(3);
    ASSERT_EQ(spooler.documents.size(), 2u);
    EXPECT_EQ(paperFor(QStringLiteral("KitchenPrinter")),
              head("Table 1", "Kitchen", 0) +
                  QStringLiteral("1    Steak\r\n"
                                 "     Cooked: Medium \r\n" // options in pieces of 20 - 5
                                 "     Rare + Chips\r\n"
                                 "     No salt\r\n"
                                 "1    Steak\r\n"
                                 "     A > Birthday\r\n"));
    EXPECT_EQ(paperFor(QStringLiteral("BarPrinter")), head("Table 1", "Bar", 5) + QStringLiteral("2    Beer\r\n"));
    // Every line printed is marked; the other tab's line is untouched.
    EXPECT_EQ(unprocessed(), QStringLiteral("6"));
    EXPECT_EQ(unprocessed("tabline2"), QString());

    spooler.documents.clear();
    process(3); // nothing new: nothing printed
    EXPECT_TRUE(spooler.documents.empty());
}

// A till without a printer for a line's output (a second till set up with only its docket)
// must not pass the dish as sent: the kitchen would never cook it. Lines of output 1, which
// goes nowhere, and lines without an output are sent as ever, without paper.
TEST_F(OrderProcessingTest, ALineWhoseOutputHasNoPrinterOnThisTillStaysNewAndIsSaid) {
    exec(QStringLiteral("INSERT INTO output (id, name) VALUES (120, 'Dessert')"));
    line("tabline1", 1, 3, 11, "Steak", 1, "Kitchen", 0);
    line("tabline1", 2, 3, 12, "Cake", 1, "Dessert", 1);
    line("tabline2", 3, 3, 12, "Tart", 2, "Dessert", 2);
    line("tabline1", 4, 3, 12, "Water", 1, "None", 3); // output 1
    line("tabline1", 5, 3, 1, "Manual", 1, "", 4);     // a manual line of a till without an output
    try {
        process(3, "1", "1");
        ADD_FAILURE() << "no failure";
    } catch (const PrintError& failure) {
        EXPECT_EQ(failure.message(), QStringLiteral("Dessert has no printer on this till (Till1)."));
    }
    EXPECT_TRUE(paperFor(QStringLiteral("KitchenPrinter")).contains(QStringLiteral("Steak")));
    EXPECT_EQ(spooler.documents.size(), 1u);
    EXPECT_EQ(unprocessed(), QStringLiteral("2"));
    EXPECT_EQ(unprocessed("tabline2"), QStringLiteral("3"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT qty FROM item WHERE id = 12")), QStringLiteral("49")); // the water

    // Said again at every "Process" until the till has a printer for it, and then sent once.
    spooler.documents.clear();
    EXPECT_THROW(process(3, "1", "1"), PrintError);
    EXPECT_TRUE(spooler.documents.empty());
    addOutput(7, QStringLiteral("Dessert"), QStringLiteral("PastryPrinter"));
    process(3, "1", "1");
    ASSERT_EQ(spooler.documents.size(), 1u);
    EXPECT_TRUE(paperFor(QStringLiteral("PastryPrinter")).contains(QStringLiteral("1    Cake\r\n2    Tart\r\n")));
    EXPECT_EQ(unprocessed() + unprocessed("tabline2"), QString());
    EXPECT_EQ(scalar(QStringLiteral("SELECT qty FROM item WHERE id = 12")), QStringLiteral("46"));

    // The order window's "Print" says the same of a tab it shows.
    line("tabline1", 6, 3, 11, "Steak", 1, "Soup Bar", 5);
    exec(QStringLiteral("INSERT INTO output (id, name) VALUES (121, 'Soup Bar')"));
    const std::vector<OrderPaperFailure> failures =
        printOrders(printing(), loadOrderLines(db, {false, 3, kTill, u"1"}), {3, QStringLiteral("Table 1"), false});
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].message, QStringLiteral("Soup Bar has no printer on this till (Till1)."));
}

TEST_F(OrderProcessingTest, TheSecondListStaysOutWhenSplittingIsOff) {
    line("tabline1", 1, 3, 11, "Steak", 1, "Kitchen", 0);
    line("tabline2", 2, 3, 11, "Steak", 1, "Kitchen", 1);
    process(3, "0");
    EXPECT_FALSE(paperFor(QStringLiteral("KitchenPrinter")).contains(QStringLiteral("Steak\r\n1    Steak")));
    EXPECT_EQ(unprocessed(), QString());
    EXPECT_EQ(unprocessed("tabline2"), QStringLiteral("2"));
}

TEST_F(OrderProcessingTest, EachTerminalsNonTabIsATabOfItsOwn) {
    line("tabline1", 1, 1, 12, "Beer", 1, "Bar", 0, "Bar");
    line("tabline1", 2, 1, 12, "Beer", 3, "Bar", 1, "Patio");
    const std::vector<OrderLine> all = loadOrderLines(db, {false, 0, kTill, u"1"});
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].tabCaption(), QStringLiteral("Bar"));
    EXPECT_EQ(all[1].tabCaption(), QStringLiteral("Patio"));
    EXPECT_FALSE(all[0].belongsTo(1, QStringLiteral("Patio")));

    process(1); // this terminal is "Bar"
    EXPECT_EQ(paperFor(QStringLiteral("BarPrinter")), head("Bar", "Bar", 0) + QStringLiteral("1    Beer\r\n"));
    EXPECT_EQ(unprocessed(), QStringLiteral("2"));
}

TEST_F(OrderProcessingTest, SecondListLinesFallIntoPlaceByTheSecond) {
    line("tabline1", 1, 3, 11, "A", 1, "Kitchen", 10);
    line("tabline1", 2, 3, 11, "B", 1, "Kitchen", 20);
    line("tabline2", 3, 3, 11, "C", 1, "Kitchen", 5);
    line("tabline2", 4, 3, 11, "D", 1, "Kitchen", 20); // same second as B: after it
    line("tabline2", 5, 3, 11, "E", 1, "Kitchen", 30);
    QStringList names;
    for (const OrderLine& l : loadOrderLines(db, {true, 3, kTill, u"1"}))
        names << l.itemName;
    EXPECT_EQ(names, (QStringList{"C", "A", "B", "D", "E"}));
}

// A spooler that lets another till act while the papers go out.
class MeanwhileSpooler : public MemorySpooler {
public:
    std::function<void()> meanwhile;
    std::unique_ptr<SpoolJob> open(const QString& printer) override {
        if (meanwhile)
            std::exchange(meanwhile, nullptr)();
        return MemorySpooler::open(printer);
    }
};

TEST_F(OrderProcessingTest, ALineAddedOnAnotherTillMeanwhileStaysNewAndStockMovesOnce) {
    MeanwhileSpooler tills;
    tills.installed = spooler.installed;
    line("tabline1", 1, 3, 11, "Steak", 2, "Kitchen", 0);
    line("tabline1", 2, 3, 12, "Beer", 3, "Bar", 1);
    db::Connection other;
    other.connect(database.admin1());
    tills.meanwhile = [&] {
        // The other till adds a steak and sends the beer itself, stock and all.
        other.run(QStringLiteral("INSERT INTO tabline1 (id, pcref, tabid, itemid, itemname, qty, outputname, processed)"
                                 " VALUES (7, 'Patio', 3, 11, 'Steak', 1, 'Kitchen', 'F')"));
        other.run(QStringLiteral("UPDATE tabline1 SET processed = 'T' WHERE id = 2"));
        other.run(QStringLiteral("UPDATE item SET qty = qty - 3 WHERE id = 12"));
    };
    processOrders({db, tills, outputs, prompter}, {QStringLiteral("Bar"), u"1", u"1"}, 3);
    EXPECT_EQ(tills.documents.size(), 2u);
    EXPECT_EQ(unprocessed(), QStringLiteral("7")); // never printed, so still to be sent
    EXPECT_EQ(scalar(QStringLiteral("SELECT qty FROM item WHERE id = 11")), QStringLiteral("18"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT qty FROM item WHERE id = 12")), QStringLiteral("47")); // not 44
}

// "Processed" on the order window and "PP" mark one line: the stock moves by the line's quantity
// as it stands, and never twice for a line another till sent or paid meanwhile.
TEST_F(OrderProcessingTest, ALineMarkedByHandMovesItsStockOnceByItsQuantityAsItStands) {
    line("tabline1", 1, 3, 11, "Steak", 1, "Kitchen", 0);
    line("tabline2", 2, 3, 12, "Beer", 2, "Bar", 1);
    line("tabline1", 3, 3, 1, "Manual", 4, "Bar", 2); // the manual register's item keeps no stock
    exec(QStringLiteral("UPDATE item SET qty = 7 WHERE id = 1"));
    db::StoredProc proc(db);
    const auto stock = [&](int itemId) {
        return scalar(QStringLiteral("SELECT qty FROM item WHERE id = ?"), {itemId});
    };

    // Another till raised the steak to 3 after this window read it.
    exec(QStringLiteral("UPDATE tabline1 SET qty = 3 WHERE id = 1"));
    EXPECT_TRUE(markLineProcessed(db, proc, QStringLiteral("tabline1"), 1, u"1"));
    EXPECT_EQ(stock(11), QStringLiteral("17"));
    EXPECT_EQ(unprocessed(), QStringLiteral("3"));
    // Touched again, or on a second kitchen screen: already sent.
    EXPECT_FALSE(markLineProcessed(db, proc, QStringLiteral("tabline1"), 1, u"1"));
    EXPECT_EQ(stock(11), QStringLiteral("17"));

    EXPECT_TRUE(markLineProcessed(db, proc, QStringLiteral("tabline1"), 3, u"1"));
    EXPECT_EQ(stock(1), QStringLiteral("7"));
    EXPECT_TRUE(markLineProcessed(db, proc, QStringLiteral("tabline2"), 2, u"0")); // no stock counting
    EXPECT_EQ(stock(12), QStringLiteral("50"));
    EXPECT_EQ(unprocessed("tabline2"), QString());

    // Sent with "Process" on another till, or paid there, while this window showed it.
    line("tabline1", 4, 3, 11, "Steak", 1, "Kitchen", 3);
    line("tabline1", 5, 3, 11, "Steak", 1, "Kitchen", 4);
    db::Connection other;
    other.connect(database.admin1());
    other.run(QStringLiteral("UPDATE tabline1 SET processed = 'T' WHERE id = 4"));
    other.run(QStringLiteral("UPDATE item SET qty = qty - 1 WHERE id = 11"));
    other.run(QStringLiteral("DELETE FROM tabline1 WHERE id = 5"));
    EXPECT_FALSE(markLineProcessed(db, proc, QStringLiteral("tabline1"), 4, u"1"));
    EXPECT_FALSE(markLineProcessed(db, proc, QStringLiteral("tabline1"), 5, u"1"));
    EXPECT_EQ(stock(11), QStringLiteral("16"));
}

// A failure that stops one output must neither lose its order nor send the others' twice.
TEST_F(OrderProcessingTest, APrinterThatFailsKeepsOnlyItsOwnOutputsLinesToSendAgain) {
    const auto failureOf = [&] {
        try {
            process(3, "1", "1");
        } catch (const PrintError& failure) {
            return failure.message();
        }
        return QStringLiteral("no failure");
    };
    line("tabline1", 1, 3, 11, "Steak", 1, "Kitchen", 0);
    line("tabline1", 2, 3, 12, "Beer", 1, "Bar", 1);
    spooler.installed.removeAll(QStringLiteral("BarPrinter"));
    EXPECT_EQ(failureOf(), QStringLiteral("Printer BarPrinter not found"));
    EXPECT_EQ(unprocessed(), QStringLiteral("2"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT qty FROM item WHERE id = 11")), QStringLiteral("19"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT qty FROM item WHERE id = 12")), QStringLiteral("50"));
    EXPECT_TRUE(paperFor(QStringLiteral("KitchenPrinter")).contains(QStringLiteral("Steak")));

    // The bar's printer is back: only the beer goes, and the kitchen is not sent the steak again.
    spooler.installed << QStringLiteral("BarPrinter");
    spooler.documents.clear();
    process(3, "1", "1");
    ASSERT_EQ(spooler.documents.size(), 1u);
    EXPECT_EQ(spooler.documents[0].printer, QStringLiteral("BarPrinter"));
    EXPECT_EQ(unprocessed(), QString());

    // A paper the spooler refuses counts as not sent, or the kitchen would never see an order
    // the till shows as sent; both printers failing leave everything to send again.
    line("tabline1", 4, 3, 11, "Steak", 1, "Kitchen", 3);
    line("tabline1", 5, 3, 12, "Beer", 1, "Bar", 4);
    spooler.refusing << QStringLiteral("KitchenPrinter");
    EXPECT_EQ(failureOf(), QStringLiteral("Printer KitchenPrinter did not take the order for Kitchen."));
    EXPECT_EQ(unprocessed(), QStringLiteral("4"));
    spooler.refusing.clear();
    spooler.failingSend = 3; // every paper's first line
    line("tabline1", 6, 3, 12, "Beer", 1, "Bar", 5);
    EXPECT_EQ(failureOf(), QStringLiteral("Printer KitchenPrinter did not take the order for Kitchen.\n"
                                          "Printer BarPrinter did not take the order for Bar."));
    EXPECT_EQ(unprocessed(), QStringLiteral("4,6"));
}

// The connection goes just after the papers are out: the lines are marked on the connection
// made afresh, so the kitchen is never sent the same order twice, and the stock moves once.
TEST_F(OrderProcessingTest, AConnectionLostAfterThePapersIsMadeAgainAndTheLinesMarkedOnce) {
    line("tabline1", 1, 3, 11, "Steak", 1, "Kitchen", 0);
    line("tabline1", 2, 3, 12, "Beer", 2, "Bar", 1);
    const long long attachment = test::attachmentId(db);
    bool dropped = false;
    db.setStatementHook([&](const QString& sql) {
        if (!dropped && sql.startsWith(QStringLiteral("UPDATE tabline1 SET processed"))) {
            dropped = true;
            test::endAttachment(database.path(), attachment);
        }
    });
    process(3, "1", "1");
    db.setStatementHook({});
    EXPECT_TRUE(dropped);
    EXPECT_EQ(unprocessed(), QString());
    EXPECT_EQ(spooler.documents.size(), 2u);
    EXPECT_EQ(scalar(QStringLiteral("SELECT qty FROM item WHERE id = 11")), QStringLiteral("19"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT qty FROM item WHERE id = 12")), QStringLiteral("48"));
    process(3, "1", "1");
    EXPECT_EQ(spooler.documents.size(), 2u);
}

TEST_F(OrderProcessingTest, TheStocktakeTabIsNeverSent) {
    line("tabline1", 1, 2, 11, "Steak", 4, "Kitchen", 0);
    line("tabline1", 2, 3, 11, "Steak", 1, "Kitchen", 1);
    process(2, "1", "1");
    EXPECT_TRUE(spooler.documents.empty());
    EXPECT_EQ(unprocessed(), QStringLiteral("1,2"));
}

} // namespace
