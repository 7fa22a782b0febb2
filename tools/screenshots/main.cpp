// Takes the user guide's pictures: starts the till on the demo venue in the current folder (its
// pelora.ini), walks a waiter's first sale through every main screen, and saves what the screen
// shows at each one as a PNG in the folder given. Printing goes into memory.
// Run: scripts/screenshots.sh (it makes the demo site and runs this under a virtual screen).

#include "ModalWatcher.h"
#include "admin/AdminConsole.h"
#include "admin/TAdminForm.h"
#include "admin/devices/TODForm.h"
#include "admin/items/TItemForm.h"
#include "admin/layouts/TLIForm.h"
#include "app/EventLog.h"
#include "app/PeloraApplication.h"
#include "app/TMainDataModule.h"
#include "print/MemorySpooler.h"
#include "sales/ExtraPage.h"
#include "sales/ItemGrid.h"
#include "sales/ItemPage.h"
#include "sales/LinePanel.h"
#include "sales/ManRegisterPanel.h"
#include "sales/TQtyForm.h"
#include "sales/OneOrAllForm.h"
#include "sales/TMainForm.h"
#include "sales/TOptChoiceForm.h"
#include "sales/TabPage.h"
#include "tabs/TMapForm.h"
#include "tabs/TTabForm.h"
#include "payment/TMopChoiceForm.h"
#include "payment/TTenderedForm.h"
#include "reports/PeriodPicker.h"
#include "reports/ReportPainter.h"
#include "reports/TDTRangeForm.h"
#include "reports/TReportPreviewForm.h"
#include "reports/TXForm.h"
#include "ui/GlyphButton.h"
#include "ui/QtPrompter.h"
#include "ui/TKeyBoardForm.h"

#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QScreen>
#include <QTextStream>
#include <QTimer>

#include <cstdio>
#include <stdexcept>

using namespace pelora;

namespace {

QString gFolder;
QStringList gTaken;

// Lets the screen catch up with what was done: events, paints and the X server's drawing.
void settle() {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 250)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

// The whole screen as the waiter sees it, windows over the sales screen included.
void shoot(const QString& name) {
    settle();
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0);
    const QString path = QDir(gFolder).filePath(name + QStringLiteral(".png"));
    if (shot.isNull() || !shot.save(path))
        throw std::runtime_error("could not save " + path.toStdString());
    gTaken << path;
}

// The next modal window of that name: pictured, then handed on.
void whenOpens(const char* objectName, const QString& picture, std::function<void(QWidget*)> then) {
    test::whenModalOpens(QString::fromLatin1(objectName), [picture, then = std::move(then)](QWidget* w) {
        if (!picture.isEmpty())
            shoot(picture);
        then(w);
    });
}

void closeDialog(QWidget* w) { static_cast<QDialog*>(w)->reject(); }

void touch(const std::vector<QPushButton*>& buttons, const QString& caption) {
    for (QPushButton* b : buttons)
        if (static_cast<GlyphButton*>(b)->caption() == caption) {
            b->click();
            settle();
            return;
        }
    throw std::runtime_error("no button " + caption.toStdString());
}

void typeOn(TKeyBoardForm& keyboard, const QString& keys) {
    for (const QChar c : keys)
        keyboard.key(QString(c))->click();
}

// A waiter's first sale at Table 1, from the login to the payment, and the table's history.
void tour(TMainForm& till) {
    shoot(QStringLiteral("tab-page"));

    std::vector<QPushButton*> tabs(till.pgeTab->tabButtons.begin(), till.pgeTab->tabButtons.end());
    touch(tabs, QStringLiteral("Table 1"));
    const auto items = [&] { return till.pgeItem->grid->buttons; };
    touch(items(), QStringLiteral("Burger"));
    touch(items(), QStringLiteral("Pale Ale"));
    // The steak asks how it is cooked, and then for its sauce.
    whenOpens("OptChoiceForm", QStringLiteral("option-chooser"), [](QWidget* w) {
        static_cast<TOptChoiceForm*>(w)->optButtons().at(1)->click();
        whenOpens("OptChoiceForm", QString(), [](QWidget* next) {
            static_cast<TOptChoiceForm*>(next)->optButtons().at(0)->click();
        });
    });
    touch(items(), QStringLiteral("Steak"));
    touch(items(), QStringLiteral("Pale Ale"));
    shoot(QStringLiteral("item-page"));

    whenOpens("QtyForm", QStringLiteral("quantity-keypad"), closeDialog);
    till.pnlRight->btnQtyInc->click();
    whenOpens("SplitChoiceForm", QStringLiteral("split-chooser"), closeDialog);
    till.pnlRight->btnSRef->click();
    whenOpens("CheckChoiceForm", QStringLiteral("check-window"), closeDialog);
    till.pnlRight->btnCheck->click();

    till.btnExtra->click();
    shoot(QStringLiteral("extra-page"));
    whenOpens("DiscLineForm", QString(), [](QWidget* w) {
        whenOpens("DiscChoiceForm", QStringLiteral("discount-chooser"), closeDialog);
        static_cast<OneOrAllForm*>(w)->btnAll->click();
        closeDialog(w);
    });
    till.pgeExtra->btnDiscount->click();
    whenOpens("OrderForm", QStringLiteral("order-window"), closeDialog);
    till.pgeExtra->btnTabOrder->click();

    whenOpens("MopChoiceForm", QStringLiteral("payment-methods"), [](QWidget* w) {
        whenOpens("TenderedForm", QString(), [](QWidget* t) {
            auto* tender = static_cast<TTenderedForm*>(t);
            tender->btnTnd100->click();
            shoot(QStringLiteral("tender-window"));
            tender->btnProcess->click();
        });
        static_cast<TMopChoiceForm*>(w)->mopButton(QStringLiteral("Cash"))->click();
    });
    till.pnlRight->btnTendered->click();
    shoot(QStringLiteral("after-payment"));

    // The table's history shows the sale just paid.
    std::vector<QPushButton*> tabsAgain(till.pgeTab->tabButtons.begin(), till.pgeTab->tabButtons.end());
    touch(tabsAgain, QStringLiteral("Table 1"));
    till.btnExtra->click();
    whenOpens("RecForm", QStringLiteral("receipt-history"), closeDialog);
    till.pgeExtra->btnTabHist->click();
}

// The reports over this week (last night's sales and the one just paid): the X window, the
// period dialog, the daily report's preview, also written as a PDF beside the till, and the
// exception log's report.
void reportTour(TAdminForm& console) {
    const auto periodDialog = [&console](const char* column, const std::function<void(TDTRangeForm&)>& then) {
        whenOpens("DTRangeForm", QString(), [then](QWidget* w) {
            auto* range = static_cast<TDTRangeForm*>(w);
            range->pickers->btnWeek->click();
            then(*range);
            closeDialog(range);
        });
        console.permissionButtons.at(AdminPermissions::indexOf(QString::fromLatin1(column)))->click();
    };
    periodDialog("admin2rptx", [](TDTRangeForm& range) {
        whenOpens("XForm", QStringLiteral("x-report"), [](QWidget* x) {
            static_cast<TXForm*>(x)->btnPrint->click();
            closeDialog(x);
        });
        range.btnSubmit->click();
    });
    periodDialog("admin2rptday", [](TDTRangeForm& range) {
        shoot(QStringLiteral("report-period"));
        whenOpens("DMYRptForm", QStringLiteral("daily-report"), [](QWidget* preview) {
            report::writePdf(static_cast<TReportPreviewForm*>(preview)->report(), QStringLiteral("daily-report.pdf"));
            closeDialog(preview);
        });
        range.btnSubmit->click();
    });
    periodDialog("admin2rptlog", [](TDTRangeForm& range) {
        whenOpens("ExceptionRptForm", QStringLiteral("exceptions-report"), closeDialog);
        range.btnSubmit->click();
    });
    periodDialog("admin2rpttranxline", [](TDTRangeForm& range) {
        whenOpens("ReclineRptForm", QStringLiteral("receipt-line-report"), [](QWidget* preview) {
            report::writePdf(static_cast<TReportPreviewForm*>(preview)->report(), QStringLiteral("receipt-lines.pdf"));
            closeDialog(preview);
        });
        range.btnSubmit->click();
    });
}

// An evening's exceptions for the report: lines deleted, a manager's discount, a refund, drawers
// opened and a receipt printed again.
void writeExceptions(db::Connection& db) {
    using eventlog::Kind;
    const auto money = [](double value) { return std::optional<Money>(Money::fromDouble(value)); };
    const QString bar = QStringLiteral("Bar"), alex = QStringLiteral("Alex"), sam = QStringLiteral("Sam");
    for (const eventlog::Event& event : std::initializer_list<eventlog::Event>{
             {.kind = Kind::Delete, .pcRef = bar, .staffRef = alex, .tabRef = QStringLiteral("Table 1"),
              .itemName = QStringLiteral("Burger"), .qty = 1, .amount = money(24), .detail = QStringLiteral("Sent")},
             {.kind = Kind::Delete, .pcRef = bar, .staffRef = sam, .tabRef = QStringLiteral("Table 3"),
              .itemName = QStringLiteral("Pale Ale"), .qty = 2, .amount = money(17.2), .detail = QStringLiteral("Not sent")},
             {.kind = Kind::Discount, .pcRef = bar, .staffRef = alex, .approver = AdminLevel::Admin,
              .tabRef = QStringLiteral("Table 2"), .itemName = QStringLiteral("Burger"), .qty = 1, .amount = money(24),
              .detail = QStringLiteral("Manager Comp 100%")},
             {.kind = Kind::Refund, .pcRef = bar, .staffRef = sam, .tabRef = QStringLiteral("Non Tab"),
              .amount = money(8.6), .detail = QStringLiteral("Receipt 12 by Cash, 1 line")},
             {.kind = Kind::NoSale, .pcRef = bar, .staffRef = alex},
             {.kind = Kind::NoSale, .pcRef = bar, .staffRef = sam, .approver = AdminLevel::Admin2},
             {.kind = Kind::Reprint, .pcRef = bar, .staffRef = sam, .tabRef = QStringLiteral("Non Tab"),
              .amount = money(-8.6), .detail = QStringLiteral("Receipt 12")}})
        eventlog::write(db, event);
}

// The manager's side: the console logged out, as Admin and as Admin2, and the staff editor.
void adminTour(TMainForm& till) {
    whenOpens("AdminForm", QStringLiteral("admin-console"), [](QWidget* w) {
        auto* console = static_cast<TAdminForm*>(w);
        const auto login = [console](const char* password) {
            console->edtPassword->setText(QString::fromLatin1(password));
            console->btnLogin->click();
        };
        login("pelora-demo1");
        shoot(QStringLiteral("admin-console-admin"));
        console->btnLogin->click(); // Logout
        login("pelora-demo2");
        shoot(QStringLiteral("admin-console-admin2"));
        console->btnLogin->click();
        login("pelora-demo1");
        reportTour(*console);
        whenOpens("StaffForm", QStringLiteral("staff-editor"), [](QWidget* staff) {
            // "Reset the application?" follows the editor: not now.
            test::whenModalOpens(closeDialog);
            closeDialog(staff);
        });
        console->permissionButtons.at(AdminPermissions::indexOf(QStringLiteral("admin2staff")))->click();
    });
    till.btnAdmin->click();
}

// The console again, logged in as Admin, for one of its windows.
void withConsole(TMainForm& till, std::function<void(TAdminForm&)> then) {
    whenOpens("AdminForm", QString(), [then = std::move(then)](QWidget* w) {
        auto* console = static_cast<TAdminForm*>(w);
        console->edtPassword->setText(QStringLiteral("pelora-demo1"));
        console->btnLogin->click();
        then(*console);
    });
    till.btnAdmin->click();
}

void clickPermitted(TAdminForm& console, const char* column) {
    console.permissionButtons.at(AdminPermissions::indexOf(QString::fromLatin1(column)))->click();
}

// The editors of the menu: layouts, items, and the buttons over the sales screen.
void editorTour(TMainForm& till) {
    withConsole(till, [](TAdminForm& console) {
        whenOpens("LayoutForm", QStringLiteral("layout-editor"), [](QWidget* layouts) {
            test::whenModalOpens(closeDialog); // no reset now
            closeDialog(layouts);
        });
        clickPermitted(console, "admin2layout");
    });
    withConsole(till, [](TAdminForm& console) {
        whenOpens("ItemForm", QString(), [](QWidget* w) {
            auto* items = static_cast<TItemForm*>(w);
            items->editor().locateNoCase(QStringLiteral("name"), QStringLiteral("House Red"));
            shoot(QStringLiteral("item-editor"));
            closeDialog(items);
        });
        clickPermitted(console, "admin2item");
    });
    withConsole(till, [](TAdminForm& console) { clickPermitted(console, "admin2link"); });
    settle();
    touch(till.pgeItem->grid->buttons, QStringLiteral("Lager"));
    auto* buttons = till.findChild<TLIForm*>(QStringLiteral("LIForm"));
    if (!buttons)
        throw std::runtime_error("the button editor did not open");
    shoot(QStringLiteral("button-editor"));
    buttons->close();
    settle();
}

// A table served shows occupied; the tab map editor over the Tab page, a table's button
// selected, the account editor, and the map editor.
void tabTour(TMainForm& till) {
    const auto tabButtons = [&till] {
        return std::vector<QPushButton*>(till.pgeTab->tabButtons.begin(), till.pgeTab->tabButtons.end());
    };
    touch(tabButtons(), QStringLiteral("Table 3"));
    touch(till.pgeItem->grid->buttons, QStringLiteral("Lager"));
    touch(till.pgeItem->grid->buttons, QStringLiteral("Lager"));
    till.btnTab->click();
    settle();
    shoot(QStringLiteral("tab-page-occupied"));
    withConsole(till, [](TAdminForm& console) { clickPermitted(console, "admin2tab"); });
    settle();
    touch(tabButtons(), QStringLiteral("Table 2"));
    auto* tabs = till.findChild<TTabForm*>(QStringLiteral("TabForm"));
    if (!tabs)
        throw std::runtime_error("the tab map editor did not open");
    shoot(QStringLiteral("tab-map-editor"));
    tabs->accounts().locateNoCase(QStringLiteral("ref"), QStringLiteral("Smith J"));
    whenOpens("TabEditForm", QStringLiteral("tab-account-editor"), closeDialog);
    tabs->btnEditClick();
    tabs->close();
    settle();
    withConsole(till, [](TAdminForm& console) {
        whenOpens("MapForm", QString(), [](QWidget* w) {
            auto* maps = static_cast<TMapForm*>(w);
            maps->btnNext->click(); // Dining
            shoot(QStringLiteral("map-editor"));
            test::whenModalOpens(closeDialog); // no reset now
            closeDialog(maps);
        });
        clickPermitted(console, "admin2map");
    });
}

// The terminals, the outputs and devices with one row's framing, and the pictures, each opened
// from the console and closed without the reset.
void setupTour(TMainForm& till) {
    const auto shootAndClose = [](const char* window, const char* picture, const char* column, TMainForm& t) {
        withConsole(t, [window, picture, column](TAdminForm& console) {
            whenOpens(window, QString::fromLatin1(picture), [](QWidget* w) {
                test::whenModalOpens(closeDialog); // no reset now
                w->close();
            });
            clickPermitted(console, column);
        });
    };
    shootAndClose("PCForm", "terminal-editor", "admin2pc", till);
    withConsole(till, [](TAdminForm& console) {
        whenOpens("ODForm", QStringLiteral("devices"), [](QWidget* w) {
            auto* devices = static_cast<TODForm*>(w);
            whenOpens("ODEditForm", QStringLiteral("output-device-row"), [](QWidget* row) { row->close(); });
            devices->btnODEdit->click();
            test::whenModalOpens(closeDialog); // no reset now
            devices->close();
        });
        clickPermitted(console, "admin2device");
    });
    shootAndClose("ImageForm", "picture-list", "admin2image", till);
}

void pressKeys(const std::vector<QPushButton*>& keys, const QString& text) {
    for (const QChar c : text)
        for (QPushButton* k : keys)
            if (k->text() == QString(c))
                k->click();
}

// The next message box: answered with the button given.
void answerNextBox(QMessageBox::StandardButton answer, std::function<void()> then = {}) {
    test::whenModalOpens([answer, then = std::move(then)](QWidget* w) {
        if (then)
            then();
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->button(answer))
            box->button(answer)->click();
        else
            closeDialog(w);
    });
}

// The manual register on Table 2, then a stocktake counted, processed and looked back on.
void countTour(TMainForm& till) {
    std::vector<QPushButton*> tabs(till.pgeTab->tabButtons.begin(), till.pgeTab->tabButtons.end());
    touch(tabs, QStringLiteral("Table 2"));
    till.btnLink->click();
    till.pgeItem->btnManual->click();
    ManRegisterPanel& manual = *till.pgeItem->manRegister;
    pressKeys(manual.keys, QStringLiteral("12.5"));
    manual.btnTimes->click();
    pressKeys(manual.keys, QStringLiteral("3"));
    shoot(QStringLiteral("manual-register"));
    manual.btnAdd->click();
    till.pgeItem->btnManual->click();

    withConsole(till, [](TAdminForm& console) { console.btnStocktake->click(); });
    settle();
    whenOpens("QtyForm", QString(), [](QWidget* w) {
        auto* keypad = static_cast<TQtyForm*>(w);
        pressKeys(keypad->keys, QStringLiteral("70"));
        keypad->btnOK->click();
    });
    touch(till.pgeItem->grid->buttons, QStringLiteral("Lager"));
    whenOpens("QtyForm", QString(), [](QWidget* w) {
        auto* keypad = static_cast<TQtyForm*>(w);
        pressKeys(keypad->keys, QStringLiteral("45"));
        keypad->btnOK->click();
    });
    touch(till.pgeItem->grid->buttons, QStringLiteral("Pale Ale"));
    shoot(QStringLiteral("stocktake"));
    till.btnExtra->click();
    answerNextBox(QMessageBox::Yes, [] { answerNextBox(QMessageBox::Ok); }); // process, then its receipt
    till.pgeExtra->btnStocktake->click();
    settle();

    withConsole(till, [](TAdminForm& console) {
        whenOpens("StocktakeForm", QStringLiteral("stocktake-history"), [](QWidget* history) {
            answerNextBox(QMessageBox::No); // "Logout Admin?"
            closeDialog(history);
        });
        clickPermitted(console, "admin2xstocktake");
    });
}

} // namespace

int main(int argc, char** argv) {
    PeloraApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc < 2) {
        err << "usage: " << argv[0] << " PICTURE-FOLDER   (run in a folder with the demo's pelora.ini)\n";
        return 2;
    }
    gFolder = QString::fromLocal8Bit(argv[1]);
    QtPrompter prompter;
    app.setPrompter(&prompter);
    TMainForm till(prompter);
    TMainDataModule module(till, prompter);
    plugInAdminConsole(till, module, prompter);
    auto spooler = std::make_unique<MemorySpooler>();
    spooler->installed = {QStringLiteral("Docket"), QStringLiteral("Kitchen"), QStringLiteral("BarPrinter")};
    module.setSpooler(std::move(spooler));

    int result = 0;
    // The login comes up as the till starts; Alex logs in with 1234.
    whenOpens("KeyBoardForm", QString(), [&](QWidget* w) {
        auto* keyboard = static_cast<TKeyBoardForm*>(w);
        typeOn(*keyboard, QStringLiteral("1234"));
        shoot(QStringLiteral("login"));
        keyboard->btnEnter->click();
        QTimer::singleShot(300, &till, [&] {
            try {
                tour(till);
                writeExceptions(module.db1);
                adminTour(till);
                editorTour(till);
                tabTour(till);
                setupTour(till);
                countTour(till);
            } catch (const std::exception& e) {
                err << "screenshots: " << e.what() << '\n';
                result = 1;
            }
            QCoreApplication::exit(result);
        });
    });
    if (!module.MainDataModuleCreate())
        return 1;
    const int loop = QCoreApplication::exec();
    for (const QString& path : gTaken)
        err << path << '\n';
    return loop != 0 ? loop : result;
}
