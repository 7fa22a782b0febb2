#include "TillFixture.h"

#include "ModalWatcher.h"
#include "admin/TAdminForm.h"
#include "app/EventLog.h"
#include "print/MemorySpooler.h"
#include "reports/PeriodPicker.h"
#include "reports/TDTRangeForm.h"
#include "reports/TReportPreviewForm.h"
#include "reports/TSplitRangeForm.h"
#include "reports/TXForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace pelora;
using test::TillTest;

namespace {

// Tonight's takings: receipt 900 on Table 1 (a burger and three pale ales with 2.70 off the
// three), and receipt 901, a reversed sale of one pale ale; the demo's older sales lie ten
// days back, and no tab has open lines.
class ReportScreen : public TillTest {
protected:
    void SetUp() override {
        TillTest::SetUp();
        sql(QStringLiteral("UPDATE layout SET logoutmode = '0'"));
        sql(QStringLiteral("DELETE FROM tabline1"));
        sql(QStringLiteral("DELETE FROM tabline2"));
        sql(QStringLiteral("UPDATE receipt SET istamp = DATEADD(-10 DAY TO istamp)"));
        sql(QStringLiteral("UPDATE recline SET istamp = DATEADD(-10 DAY TO istamp)"));
        sql(QStringLiteral("INSERT INTO receipt (id, pcref, staffref, tabid, tabref, total, tendered, mop, cr)"
                           " VALUES (900, 'Bar', 'Anna', 3, 'Table 1', 49.8, 50, 'Cash', 0)"));
        line(900, 900, "Burger", 1, 24, 10, 0, "No Discount");
        line(901, 900, "Pale Ale", 3, 25.8, 9, 2.7, "Happy Hour");
        sql(QStringLiteral("INSERT INTO receipt (id, pcref, staffref, tabid, tabref, total, tendered, mop, cr, revrecid)"
                           " VALUES (901, 'Bar', 'Anna', 1, 'Non Tab', -9.5, -9.5, 'Cash', 0, 899)"));
        line(902, 901, "Pale Ale", -1, -9.5, -3, 0, "No Discount");
        ASSERT_TRUE(start());
    }
    void line(int id, int recid, const char* item, double qty, double extprice, double extcost, double disc,
              const char* discname) {
        sql(QStringLiteral("INSERT INTO recline (id, pcref, staffref, recid, itemid, itemname, qty, price, extprice,"
                           " extcost, exttax, disc, discname, splitref) VALUES (?, 'Bar', 'Anna', ?, 2, ?, ?, ?, ?, ?,"
                           " 0, ?, ?, '')"),
            {id, recid, QString::fromLatin1(item), qty, extprice / qty, extprice, extcost, disc,
             QString::fromLatin1(discname)});
    }
    std::unique_ptr<TAdminForm> loggedInConsole() {
        auto console = std::make_unique<TAdminForm>(*form, *module, prompter, form.get());
        console->show();
        console->edtPassword->setText(test::admin1Password());
        console->btnLoginClick();
        return console;
    }
    static QPushButton* button(TAdminForm& console, const char* column) {
        return console.permissionButtons.at(AdminPermissions::indexOf(QString::fromLatin1(column)));
    }
    static QStringList rows(const QTableWidget* grid) {
        QStringList texts;
        for (int r = 0; r < grid->rowCount(); ++r)
            texts << grid->item(r, 0)->text() + u'=' + grid->item(r, 1)->text();
        return texts;
    }
};

TEST_F(ReportScreen, TheXReportOfTodayShowsTheNightsFiguresAndPrintsThem) {
    MemorySpooler& printers = printIntoMemory();
    auto console = loggedInConsole();
    const QDate today = module->clock().now().date();
    test::whenOpens<TDTRangeForm>(QStringLiteral("DTRangeForm"), [&](TDTRangeForm& range) {
        EXPECT_TRUE(range.pnlOptions->isVisibleTo(&range));
        EXPECT_EQ(range.pickers->dtpBeginDate->date(), today); // it opens on the server's today
        EXPECT_EQ(range.pickers->dtpEndDate->date(), today.addDays(1));
        range.chkOptions[static_cast<int>(Breakdown::Split)]->setChecked(false);
        range.cboOrders[static_cast<int>(Breakdown::Item)]->setCurrentIndex(2); // "abc"
        test::whenOpens<TXForm>(QStringLiteral("XForm"), [&](TXForm& x) {
            EXPECT_EQ(x.lblTitle->text(), QStringLiteral("X from ") + QLocale::system().toString(today, QLocale::ShortFormat) +
                                              QStringLiteral(" to ") +
                                              QLocale::system().toString(today.addDays(1), QLocale::ShortFormat));
            EXPECT_EQ(x.lblPrice->text(), QStringLiteral("Price: 40.30"));
            EXPECT_EQ(x.lblCost->text(), QStringLiteral("Cost: 16.00"));
            EXPECT_EQ(x.lblMargin->text(), QStringLiteral("Margin: 24.30"));
            EXPECT_EQ(x.lblDisc->text(), QStringLiteral("Disc: 2.70")); // the line's discount once, not per unit
            EXPECT_EQ(rows(x.grids[static_cast<int>(Breakdown::Item)]), QStringList({"Burger=24.00", "Pale Ale=16.30"}));
            EXPECT_EQ(rows(x.grids[static_cast<int>(Breakdown::Discount)]), QStringList({"Happy Hour=2.70"}));
            EXPECT_EQ(rows(x.grids[static_cast<int>(Breakdown::Tab)]), QStringList({"Table 1=49.80", "Non Tab=-9.50"}));
            EXPECT_EQ(x.grids[static_cast<int>(Breakdown::ItemCat)]->horizontalHeaderItem(0)->text(),
                      QStringLiteral("ITEMCAT"));
            EXPECT_FALSE(x.grids[static_cast<int>(Breakdown::Split)]->isEnabled());
            EXPECT_EQ(x.lblCount->text(), QStringLiteral("Tranx Count: 1 (Rev. Count: 1)"));
            x.btnPrint->click();
            x.reject();
        });
        range.btnSubmit->click();
        range.reject();
    });
    button(*console, "admin2rptx")->click();
    EXPECT_TRUE(console->isVisible()); // the console stays

    const QString paper = QString::fromLatin1(printers.bytesFor(QStringLiteral("Docket")));
    EXPECT_TRUE(paper.contains(QStringLiteral("X REPORT")));
    // The demo's X output is 42 characters wide: each amount line is right-aligned to it.
    EXPECT_TRUE(paper.contains(QStringLiteral("\r\n") + QString(26, u' ') + QStringLiteral("Price:     40.30\r\n")));
    EXPECT_TRUE(paper.contains(QStringLiteral("\r\n") + QString(27, u' ') + QStringLiteral("Disc:      2.70\r\n")));
    EXPECT_FALSE(paper.contains(QStringLiteral("Split"))); // not ticked, not printed
    EXPECT_TRUE(paper.contains(QStringLiteral("Tranx Count: 1 (Rev. Count: 1)\r\n")));
}

TEST_F(ReportScreen, AnActiveTabIsAskedAboutAndAFailedReadCannotOpenTheWindow) {
    auto console = loggedInConsole();
    touchTab(QStringLiteral("Table 2"));
    touchItem(QStringLiteral("Pale Ale"));
    prompter.expectConfirm(QStringLiteral("At least one tab is still active. Continue?"), false);
    button(*console, "admin2rptx")->click(); // No: nothing opens

    module->db1.setStatementHook([](const QString& statement) {
        if (statement.contains(QLatin1String("revrecid > 0")))
            throw std::runtime_error("connection lost");
    });
    prompter.expectConfirm(QStringLiteral("At least one tab is still active. Continue?"), true);
    prompter.expectError(QStringLiteral("Cannot open XForm."));
    test::whenOpens<TDTRangeForm>(QStringLiteral("DTRangeForm"), [](TDTRangeForm& range) {
        range.btnSubmit->click();
        range.reject();
    });
    button(*console, "admin2rptx")->click();
    module->db1.setStatementHook({});
}

TEST_F(ReportScreen, TheReceiptReportPreviewsAndExportsAsPdfSpreadsheetAndCsv) {
    QTemporaryDir folder;
    auto console = loggedInConsole();
    const QString pdf = folder.filePath(QStringLiteral("receipts.pdf"));
    const QString xlsx = folder.filePath(QStringLiteral("receipts.xlsx"));
    const QString csv = folder.filePath(QStringLiteral("receipts.csv"));
    test::whenOpens<TDTRangeForm>(QStringLiteral("DTRangeForm"), [&](TDTRangeForm& range) {
        EXPECT_FALSE(range.pnlOptions->isVisibleTo(&range)); // narrow
        test::whenOpens<TRecRptForm>(QStringLiteral("RecRptForm"), [&](TRecRptForm& preview) {
            EXPECT_TRUE(preview.report().title.startsWith(QStringLiteral("Receipts from ")));
            prompter.expectSaveFile(pdf).expectSaveFile(xlsx).expectSaveFile(csv).expectSaveFile(std::nullopt);
            preview.btnPdf->click();
            preview.btnXlsx->click();
            preview.btnCsv->click();
            preview.btnCsv->click(); // cancelled: nothing more
            EXPECT_EQ(preview.lblSaved->text(), QStringLiteral("Saved ") + csv);
            prompter.expectSaveFile(folder.filePath(QStringLiteral("no-such-folder/r.csv")));
            prompter.expectError(QStringLiteral("Cannot save ") + folder.filePath(QStringLiteral("no-such-folder/r.csv")) +
                                 QStringLiteral(".\n") + QStringLiteral("No such file or directory"));
            preview.btnCsv->click();
            preview.reject();
        });
        range.btnSubmit->click();
        range.reject();
    });
    button(*console, "admin2rpttranx")->click();

    QFile sheet(csv);
    ASSERT_TRUE(sheet.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(sheet.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("\r\n900,")));
    EXPECT_TRUE(text.contains(QStringLiteral("\r\nTotal,,16.00,40.30,0.00,24.30,2.70,")));
    QFile book(xlsx);
    ASSERT_TRUE(book.open(QIODevice::ReadOnly));
    EXPECT_EQ(book.read(2), QByteArray("PK"));
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    ASSERT_TRUE(pdftotext.waitForFinished(20000));
    const QString printed = QString::fromUtf8(pdftotext.readAllStandardOutput());
    EXPECT_TRUE(printed.contains(QStringLiteral("Receipts from"))) << printed.toStdString();
    EXPECT_TRUE(printed.contains(QStringLiteral("Page 1 of 1")));
    EXPECT_TRUE(printed.contains(QStringLiteral("40.30")));
}

TEST_F(ReportScreen, AccountsAreRecountedBeforeTheirReportAndCancelLeavesThemAlone) {
    sql(QStringLiteral("UPDATE tab SET balance = 0, crrecbal = 7, crrecid = 0 WHERE id = 3"));
    auto console = loggedInConsole();
    const QString question = QStringLiteral("Recalculate Accounts using every receipt?\n\n"
                                            "Yes: All receipts will be included.\n"
                                            "No: An incremental calculation will be used.");
    prompter.expectConfirmWithCancel(question, Prompter::Answer::Cancel);
    button(*console, "admin2rptac")->click();
    EXPECT_EQ(scalar(QStringLiteral("SELECT crrecbal FROM tab WHERE id = 3")), QStringLiteral("7"));

    prompter.expectConfirmWithCancel(question, Prompter::Answer::Yes);
    test::whenOpens<TTabCrRptForm>(QStringLiteral("TabCrRptForm"), [](TTabCrRptForm& preview) {
        EXPECT_TRUE(preview.report().title.startsWith(QStringLiteral("Account Balance Report : ")));
        EXPECT_EQ(preview.report().orientation, report::Orientation::Portrait);
        preview.reject();
    });
    button(*console, "admin2rptac")->click();
    EXPECT_EQ(scalar(QStringLiteral("SELECT crrecbal FROM tab WHERE id = 3")), QStringLiteral("0"));
}

TEST_F(ReportScreen, TheDailySplitAndInventoryReportsOpenFromTheConsole) {
    auto console = loggedInConsole();
    test::whenOpens<TDTRangeForm>(QStringLiteral("DTRangeForm"), [](TDTRangeForm& range) {
        range.pickers->btnMonth->click();
        EXPECT_EQ(range.pickers->dtpBeginDate->date().day(), 1);
        test::whenOpens<TDMYRptForm>(QStringLiteral("DMYRptForm"), [](TDMYRptForm& preview) {
            EXPECT_TRUE(preview.report().title.startsWith(QStringLiteral("Daily Report from ")));
            EXPECT_FALSE(preview.report().bands.empty());
            preview.reject();
        });
        range.btnSubmit->click();
        range.reject();
    });
    button(*console, "admin2rptday")->click();

    test::whenOpens<TSplitRangeForm>(QStringLiteral("SplitRangeForm"), [this](TSplitRangeForm& range) {
        EXPECT_EQ(range.cboCategory->itemText(0), QStringLiteral("All Categories"));
        test::whenOpens<TSplitRptForm>(QStringLiteral("SplitRptForm"), [](TSplitRptForm& preview) {
            EXPECT_TRUE(preview.report().title.startsWith(QStringLiteral("Split Summary from ")));
            EXPECT_TRUE(preview.report().title.endsWith(QStringLiteral(" : All Categories")));
            preview.reject();
        });
        range.btnSubmit->click();
        module->db1.setStatementHook([](const QString& statement) {
            if (statement.contains(QLatin1String("LEFT JOIN split")))
                throw std::runtime_error("connection lost");
        });
        prompter.expectInformation(QStringLiteral("Problem running query."));
        range.btnSubmit->click();
        module->db1.setStatementHook({});
        range.reject();
    });
    button(*console, "admin2rptsplit")->click();

    test::whenOpens<TInventoryRptForm>(QStringLiteral("InventoryRptForm"), [](TInventoryRptForm& preview) {
        EXPECT_TRUE(preview.report().title.startsWith(QStringLiteral("Inventory Report : ")));
        EXPECT_FALSE(preview.report().bands.empty());
        preview.btnNext->click(); // paging past the end stays on the last page
        preview.reject();
    });
    button(*console, "admin2rptinv")->click();
}

TEST_F(ReportScreen, TheExceptionsReportOpensFromTheConsoleOnTheDaysEntries) {
    eventlog::write(module->db1, {.kind = eventlog::Kind::Delete, .pcRef = QStringLiteral("Bar"),
                                  .staffRef = QStringLiteral("Anna"), .tabRef = QStringLiteral("Table 1"),
                                  .itemName = QStringLiteral("Burger"), .qty = 1, .amount = Money::fromDouble(24),
                                  .detail = QStringLiteral("sent to the kitchen")});
    eventlog::write(module->db1, {.kind = eventlog::Kind::NoSale, .pcRef = QStringLiteral("Bar"),
                                  .approver = AdminLevel::Admin});
    auto console = loggedInConsole();
    QTemporaryDir folder;
    const QString xlsx = folder.filePath(QStringLiteral("exceptions.xlsx"));
    const QString csv = folder.filePath(QStringLiteral("exceptions.csv"));
    test::whenOpens<TDTRangeForm>(QStringLiteral("DTRangeForm"), [&](TDTRangeForm& range) {
        EXPECT_FALSE(range.pnlOptions->isVisibleTo(&range));
        test::whenOpens<TExceptionRptForm>(QStringLiteral("ExceptionRptForm"), [&](TExceptionRptForm& preview) {
            const report::Report& r = preview.report();
            EXPECT_TRUE(r.title.startsWith(QStringLiteral("Exceptions from "))) << r.title.toStdString();
            QStringList shown;
            for (const report::Band& band : r.bands)
                for (const report::Cell& cell : band.cells)
                    if (!cell.exportOnly && !cell.text.isEmpty())
                        shown << cell.text;
            for (const char* text : {"Delete", "Anna", "Burger", "24.00", "sent to the kitchen", "No sale", "(none)",
                                     "Admin", "2 entries"})
                EXPECT_TRUE(shown.contains(QString::fromLatin1(text))) << text;
            prompter.expectSaveFile(xlsx).expectSaveFile(csv);
            preview.btnXlsx->click();
            preview.btnCsv->click();
            preview.reject();
        });
        range.btnSubmit->click();

        module->db1.setStatementHook([](const QString& statement) {
            if (statement.contains(QLatin1String("FROM eventlog")))
                throw std::runtime_error("connection lost");
        });
        prompter.expectError(QStringLiteral("Cannot open ExceptionRptForm."));
        range.btnSubmit->click();
        module->db1.setStatementHook({});
        range.reject();
    });
    button(*console, "admin2rptlog")->click();
    EXPECT_TRUE(console->isVisible());

    QFile sheet(csv);
    ASSERT_TRUE(sheet.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(sheet.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral(",Bar,,Table 1,Burger,1,24.00,sent to the kitchen\r\n"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("\r\nNo sale,(none),"))) << text.toStdString();
    QFile book(xlsx);
    ASSERT_TRUE(book.open(QIODevice::ReadOnly));
    EXPECT_EQ(book.read(2), QByteArray("PK"));
}

} // namespace
