#include "admin/TAdminForm.h"

#include "admin/AdminLogin.h"
#include "admin/TDiscForm.h"
#include "admin/TImageForm.h"
#include "admin/TMopForm.h"
#include "admin/TStaffForm.h"
#include "admin/TStocktakeForm.h"
#include "admin/devices/TODForm.h"
#include "admin/layouts/TLayoutChoiceForm.h"
#include "admin/items/TItemForm.h"
#include "admin/layouts/TLIForm.h"
#include "admin/layouts/TLayoutForm.h"
#include "admin/terminals/TPCForm.h"
#include "app/TINIForm.h"
#include "app/TMainDataModule.h"
#include "common/Mode.h"
#include "common/Prompter.h"
#include "db/DbError.h"
#include "reports/ReportLauncher.h"
#include "sales/LineLists.h"
#include "sales/TMainForm.h"
#include "tabs/TMapForm.h"
#include "tabs/TTabForm.h"
#include "ui/BusyCursor.h"
#include "ui/FormOpener.h"
#include "ui/GeneralError.h"
#include "ui/THelpForm.h"
#include "ui/TKeyBoardForm.h"
#include "ui/TouchWidgets.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QVBoxLayout>

#include <type_traits>

namespace pelora {

namespace {

// The object names of the Admin2 buttons, in the permission table's order.
constexpr std::array<const char*, AdminPermissions::kCount> kButtonNames{
    "btnIni",    "btnPC",         "btnStaff",      "btnLayouts",       "btnImages",  "btnItems",
    "btnLinks",  "btnMaps",       "btnTabs",       "btnMops",          "btnDiscounts", "btnDevices",
    "btnXDelete", "btnXDiscount", "btnXRefund",    "btnXSplit",        "btnXStocktake", "btnXNoSale",
    "btnRptX",   "btnRptTranx",   "btnRptTranxLines", "btnRptDay",     "btnRptMonth", "btnRptYear",
    "btnRptSplit", "btnRptAccount", "btnRptInventory", "btnRptExceptions"};

template <typename EditorForm>
void openRecordEditor(Prompter& prompter, TMainDataModule& module, TMainForm& till,
                      const std::function<void(EditorForm&)>& position = {}, QWidget* over = nullptr) {
    if (auto form = makeFilledForm<EditorForm>(prompter, [&] {
            std::unique_ptr<EditorForm> made;
            // An editor of rows with a picture reads it from this terminal's image folder.
            if constexpr (std::is_constructible_v<EditorForm, db::Connection&, Prompter&, const QString&, QWidget*>)
                made = std::make_unique<EditorForm>(module.db1, prompter, till.settings().imagePath, over ? over : &till);
            else
                made = std::make_unique<EditorForm>(module.db1, prompter, over ? over : &till);
            made->open();
            if (position)
                position(*made);
            return made;
        }))
        showModal(*form);
}

// The item editor, from the console or from the button editor (`source`, which then follows a
// renamed item in its caption box). The sales screen takes what it changed.
void openItemEditor(Prompter& prompter, TMainDataModule& module, TMainForm& till, int itemId, TLIForm* source) {
    ItemEditorHooks hooks;
    hooks.buttonsChanged = [&till] {
        till.RebuildButtonCache();
        till.RedrawLink();
    };
    hooks.closedAfterEditing = [&till] {
        BusyCursor busy;
        till.RebuildOptionChoices();
        till.RebuildButtonCache();
        till.RedrawLink();
    };
    if (source)
        hooks.renamed = [source](const QString& oldName, const QString& newName) { source->itemRenamed(oldName, newName); };
    // Over the button editor, which stays on top of the sales screen, when it opened it.
    openRecordEditor<TItemForm>(
        prompter, module, till,
        [&](TItemForm& form) {
            form.setHooks(std::move(hooks));
            if (itemId > 0)
                form.openOn(itemId);
        },
        source);
}

} // namespace

TAdminForm::TAdminForm(TMainForm& till, TMainDataModule& module, Prompter& prompter, QWidget* parent)
    : QDialog(parent), till_(till), module_(module), prompter_(prompter) {
    setObjectName(QStringLiteral("AdminForm"));
    setWindowTitle(tr("Admin"));
    setModal(true);

    auto* logo = namedLabel(QStringLiteral("Pelora"), QStringLiteral("imgLogo"), this);
    logo->setStyleSheet(QStringLiteral("QLabel { font-size: 22pt; font-weight: bold; color: #e09f3e; }"));
    btnClose = touchButton(tr("Close"), QStringLiteral("btnClose"), this);
    auto* header = new QHBoxLayout;
    header->addWidget(logo);
    header->addStretch(1);
    header->addWidget(btnClose);

    grpSecurity = new QGroupBox(tr("Security"), this);
    grpSecurity->setObjectName(QStringLiteral("grpSecurity"));
    edtPassword = new QLineEdit(grpSecurity);
    edtPassword->setObjectName(QStringLiteral("edtPassword"));
    edtPassword->setEchoMode(QLineEdit::Password);
    edtPassword->setMinimumHeight(kTouchHeight - 8);
    chkSession = new QCheckBox(tr("Session Password"), grpSecurity);
    chkSession->setObjectName(QStringLiteral("chkSession"));
    chkSession->setMinimumHeight(kTouchHeight - 8);
    btnLogin = touchButton(tr("Login"), QStringLiteral("btnLogin"), grpSecurity);
    btnLogin->setDefault(true); // Enter in the password box logs in
    btnHelp = touchButton(tr("Help"), QStringLiteral("btnHelp"), grpSecurity);
    btnKeyboard = touchButton(tr("Keyboard"), QStringLiteral("btnKeyboard"), grpSecurity);
    auto* security = new QVBoxLayout(grpSecurity);
    security->addWidget(namedLabel(tr("Enter password"), QStringLiteral("lblPassword"), grpSecurity));
    security->addWidget(edtPassword);
    security->addWidget(chkSession);
    auto* securityButtons = new QHBoxLayout;
    securityButtons->addWidget(btnLogin);
    securityButtons->addWidget(btnHelp);
    security->addLayout(securityButtons);
    security->addWidget(btnKeyboard);

    grpGeneral = new QGroupBox(tr("General"), this);
    grpGeneral->setObjectName(QStringLiteral("grpGeneral"));
    btnLayout = touchButton(tr("Layout"), QStringLiteral("btnLayout"), grpGeneral);
    btnOrders = touchButton(tr("Orders"), QStringLiteral("btnOrders"), grpGeneral);
    btnReceipt = touchButton(tr("Receipt"), QStringLiteral("btnReceipt"), grpGeneral);
    btnSplit = touchButton(tr("Split"), QStringLiteral("btnSplit"), grpGeneral);
    btnStocktake = touchButton(tr("Stocktake"), QStringLiteral("btnStocktake"), grpGeneral);
    auto* general = new QVBoxLayout(grpGeneral);
    for (QPushButton* b : {btnLayout, btnOrders, btnReceipt, btnSplit, btnStocktake})
        general->addWidget(b);

    buildGroups();

    auto* left = new QVBoxLayout;
    left->addWidget(grpSecurity);
    left->addWidget(grpGeneral);
    left->addStretch(1);
    auto* middle = new QVBoxLayout;
    middle->addWidget(grpSetup);
    middle->addWidget(grpExtras);
    middle->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(grpReports);
    right->addStretch(1);
    auto* groups = new QHBoxLayout;
    groups->addLayout(left);
    groups->addLayout(middle);
    groups->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addLayout(groups, 1);

    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnLogin, &QPushButton::clicked, this, [this] { btnLoginClick(); });
    connect(btnKeyboard, &QPushButton::clicked, this, [this] { btnKeyboardClick(); });
    connect(btnHelp, &QPushButton::clicked, this, [this] { btnHelpClick(); });
    wireActions();

    // Opening: a session login carries on without a password; the General group follows the
    // terminal's settings.
    const Session& session = module_.session();
    if (session.adminSession)
        showLoggedIn(AdminLevel::Admin);
    else if (session.admin2Session)
        showLoggedIn(AdminLevel::Admin2);
    else
        logout();
    const TerminalSettings& s = till_.settings();
    btnOrders->setEnabled(!modeIs(s.ordMode, '0'));
    btnLayout->setEnabled(modeIs(s.layoutMode, '1'));
    btnStocktake->setEnabled(!modeIs(s.countMode, '0'));
}

TAdminForm::~TAdminForm() = default;

void TAdminForm::buildGroups() {
    grpSetup = new QGroupBox(tr("Setup"), this);
    grpSetup->setObjectName(QStringLiteral("grpSetup"));
    grpExtras = new QGroupBox(tr("Extras"), this);
    grpExtras->setObjectName(QStringLiteral("grpExtras"));
    grpReports = new QGroupBox(tr("Reports"), this);
    grpReports->setObjectName(QStringLiteral("grpReports"));
    // Setup and Extras lie in two columns of buttons, so that the console fits a small screen.
    struct Group {
        QGroupBox* box;
        int columns;
        QGridLayout* grid = nullptr;
        int count = 0;  // buttons in the group
        int placed = 0; // of them laid out so far
    };
    std::array<Group, 3> groups{{{grpSetup, 2}, {grpExtras, 2}, {grpReports, 1}}};
    const auto& entries = AdminPermissions::entries();
    for (const AdminPermissions::Entry& e : entries)
        ++groups[static_cast<int>(e.group)].count;
    for (Group& g : groups) {
        g.grid = new QGridLayout(g.box);
        for (int c = 0; c < g.columns; ++c) {
            auto* label = namedLabel(tr("Admin2"), QStringLiteral("lblAdmin2"), g.box);
            g.grid->addWidget(label, 0, 2 * c + 1);
            admin2Labels.push_back(label);
        }
    }
    // In the table's order: top to bottom, then the group's next column.
    for (int i = 0; i < AdminPermissions::kCount; ++i) {
        Group& g = groups[static_cast<int>(entries[i].group)];
        auto* button = touchButton(tr(entries[i].caption), QString::fromLatin1(kButtonNames[i]), g.box);
        button->setMinimumWidth(120);
        auto* permission = new QCheckBox(g.box);
        permission->setObjectName(QStringLiteral("chk") + QString::fromLatin1(entries[i].column));
        permission->setStyleSheet(QStringLiteral("QCheckBox::indicator { width: 28px; height: 28px; }"));
        const int perColumn = (g.count + g.columns - 1) / g.columns;
        const int row = 1 + g.placed % perColumn;
        const int column = 2 * (g.placed / perColumn);
        ++g.placed;
        g.grid->addWidget(button, row, column);
        g.grid->addWidget(permission, row, column + 1, Qt::AlignCenter);
        permissionButtons[i] = button;
        permissionBoxes[i] = permission;
        connect(button, &QPushButton::clicked, this, [this, i] { runPermitted(i); });
        connect(permission, &QCheckBox::toggled, this, [this, i](bool on) { permissionToggled(i, on); });
    }
    for (Group& g : groups)
        g.grid->setRowStretch(g.grid->rowCount(), 1);
}

void TAdminForm::fitAndCentre() {
    adjustSize();
    if (QWidget* over = parentWidget(); over && isVisible())
        move(over->geometry().center() - rect().center());
}

void TAdminForm::wireActions() {
    const auto at = [](const char* column) { return AdminPermissions::indexOf(QString::fromLatin1(column)); };
    using A = Afterwards;
    actions_[at("admin2master")] = {[this] { openIni(); }, A::ConsoleClosesReset, {}};
    actions_[at("admin2pc")] = {
        [this] { openPCForm(module_.db1, prompter_, till_.settings().imagePath, module_.session().pcRef, &till_); },
        A::ConsoleClosesReset, {}};
    actions_[at("admin2staff")] = {[this] { openStaff(); }, A::ConsoleClosesReset, {}};
    actions_[at("admin2mop")] = {[this] { openMops(); }, A::ConsoleClosesReset, {}};
    actions_[at("admin2disc")] = {[this] { openDiscounts(); }, A::ConsoleClosesReset, {}};
    actions_[at("admin2layout")] = {[this] { openLayouts(); }, A::ConsoleClosesReset, {}};
    actions_[at("admin2map")] = {[this] { openMaps(); }, A::ConsoleClosesReset, {}};
    actions_[at("admin2image")] = {[this] { openRecordEditor<TImageForm>(prompter_, module_, till_); },
                                   A::ConsoleClosesReset, {}};
    // A new od row is for this till's own PCRef, also while it runs as terminal 1 for want of it.
    actions_[at("admin2device")] = {[this] {
                                        openODForm(module_.db1, prompter_, module_.spooler(),
                                                   module_.session().configuredPcRef, &till_);
                                    },
                                    A::ConsoleClosesReset, {}};
    actions_[at("admin2item")] = {[this] { openItemEditor(prompter_, module_, till_, 0, nullptr); }, A::ConsoleCloses, {}};
    actions_[at("admin2link")] = {[this] { openButtonEditor(); }, A::ConsoleCloses, {}};
    actions_[at("admin2tab")] = {[this] { openTabMapEditor(); }, A::ConsoleCloses, {}};
    actions_[at("admin2xdelete")] = {[this] { till_.OpenDeleteLineForm(QStringLiteral("Admin")); },
                                     A::LogoutQuestion, [this] { return tabHasLines(false); }};
    actions_[at("admin2xdisc")] = {[this] { till_.OpenDiscLineForm(true); }, A::LogoutQuestion,
                                   [this] { return tabHasLines(true); }};
    actions_[at("admin2xrefund")] = {[this] { till_.btnRefundClick(); }, A::LogoutQuestion,
                                     [this] { return tabHasLines(true); }};
    actions_[at("admin2xsplit")] = {[this] { openSplit(QStringLiteral("Admin")); }, A::LogoutQuestion, {}};
    actions_[at("admin2xstocktake")] = {[this] { openStocktakeHistory(); }, A::LogoutQuestion, {}};
    actions_[at("admin2xnosale")] = {[this] { till_.btnNoSaleClick(); }, A::ConsoleStays, {}};
    actions_[at("admin2rptx")] = {[this] { reports().openXReport(); }, A::ConsoleStays, {}};
    const std::array<std::pair<const char*, ReportKind>, 6> periodReports{{{"admin2rpttranx", ReportKind::Receipt},
                                                                            {"admin2rpttranxline", ReportKind::Recline},
                                                                            {"admin2rptday", ReportKind::Day},
                                                                            {"admin2rptmonth", ReportKind::Month},
                                                                            {"admin2rptyear", ReportKind::Year},
                                                                            {"admin2rptlog", ReportKind::Exceptions}}};
    for (const auto& [column, kind] : periodReports)
        actions_[at(column)] = {[this, k = kind] { reports().openPeriodDialog(k); }, A::ConsoleStays, {}};
    actions_[at("admin2rptsplit")] = {[this] { reports().openSplitReport(); }, A::ConsoleStays, {}};
    actions_[at("admin2rptac")] = {[this] { reports().openAccountReport(); }, A::ConsoleStays, {}};
    actions_[at("admin2rptinv")] = {[this] { reports().openInventoryReport(); }, A::ConsoleStays, {}};

    connect(btnOrders, &QPushButton::clicked, this, [this] {
        run({[this] { till_.OpenUnprocessedOrders(); }, A::ConsoleCloses, {}});
    });
    connect(btnSplit, &QPushButton::clicked, this, [this] {
        run({[this] { openSplit(QString()); }, A::ConsoleCloses, {}});
    });
    connect(btnLayout, &QPushButton::clicked, this, [this] {
        run({[this] { openLayoutChoice(); }, A::ConsoleCloses, {}});
    });
    connect(btnReceipt, &QPushButton::clicked, this, [this] {
        run({[this] { till_.OpenReceiptHistory(); }, A::ConsoleCloses, {}});
    });
    connect(btnStocktake, &QPushButton::clicked, this, [this] {
        run({[this] { startStocktake(); }, A::ConsoleCloses, {}});
    });
}

QStringList TAdminForm::helpLines() {
    return {QStringLiteral("The password is the same as the database SYSDBA password."),
            QStringLiteral("Enable the session checkbox to save having to retype the password this session."),
            QStringLiteral("Once Admin tasks are complete, logout to prevent unauthorised access.")};
}

void TAdminForm::btnHelpClick() { showHelp(this, prompter_, helpLines()); }

void TAdminForm::btnKeyboardClick() {
    const QString mode = QStringLiteral("adminlogin");
    const KeyboardModes::Registration answer =
        till_.keyboardModes().addSearch(mode, [this](const QString& text) {
            edtPassword->setText(text);
            btnLoginClick();
        });
    openKeyboard(this, prompter_, till_.keyboardModes(), {mode, tr("Enter password"), QString(), true, true});
}

void TAdminForm::btnLoginClick() {
    if (level_ != AdminLevel::None) {
        logout();
        return;
    }
    const QString password = edtPassword->text();
    if (password.isEmpty()) {
        prompter_.information(QStringLiteral("Password cannot be blank."));
        return;
    }
    AdminLevel level = AdminLevel::None;
    {
        BusyCursor busy;
        level = adminLevelForPassword(module_.session().databasePath(), password);
    }
    if (level == AdminLevel::None) {
        prompter_.error(QStringLiteral("Cannot Login. Check password and try again."));
        return;
    }
    if (chkSession->isChecked()) {
        Session& session = module_.session();
        (level == AdminLevel::Admin ? session.adminSession : session.admin2Session) = true;
    }
    BusyCursor busy;
    showLoggedIn(level);
}

void TAdminForm::showLoggedIn(AdminLevel level) {
    level_ = level;
    runReportingFailures(prompter_, [this] { loadPermissions(); });
    grpSetup->show();
    grpExtras->show();
    grpReports->show();
    edtPassword->setEnabled(false);
    chkSession->setEnabled(false);
    btnKeyboard->setEnabled(false);
    btnLogin->setText(tr("Logout"));
    fitAndCentre();
}

void TAdminForm::logout() {
    level_ = AdminLevel::None;
    grpSetup->hide();
    grpExtras->hide();
    grpReports->hide();
    edtPassword->setEnabled(true);
    edtPassword->clear();
    edtPassword->setFocus();
    chkSession->setEnabled(true);
    btnKeyboard->setEnabled(true);
    btnLogin->setText(tr("Login"));
    module_.session().adminSession = false;
    module_.session().admin2Session = false;
    fitAndCentre();
}

void TAdminForm::loadPermissions() {
    // Until the grants are read, an Admin2 has none.
    granted_.assign(AdminPermissions::kCount, false);
    for (QPushButton* button : permissionButtons)
        button->setEnabled(false);
    const bool admin = level_ == AdminLevel::Admin;
    granted_ = AdminPermissions::load(module_.query1);
    loadingPermissions_ = true;
    for (QLabel* label : admin2Labels)
        label->setVisible(admin);
    for (int i = 0; i < AdminPermissions::kCount; ++i) {
        const bool wired = static_cast<bool>(actions_[i].open);
        permissionButtons[i]->setEnabled(wired && (admin || granted_[i]));
        permissionBoxes[i]->setChecked(granted_[i]);
        permissionBoxes[i]->setVisible(admin);
    }
    loadingPermissions_ = false;
}

void TAdminForm::permissionToggled(int index, bool on) {
    if (loadingPermissions_ || level_ != AdminLevel::Admin)
        return;
    try {
        AdminPermissions::write(module_.query1, index, on);
        granted_[index] = on;
    } catch (const std::exception& failure) {
        if (db::DbError::isConnectionLost(failure))
            reportFailure(prompter_, failure);
        else
            prompter_.information(QStringLiteral("Problem updating Admin2 permissions."));
    }
}

void TAdminForm::runPermitted(int index) {
    // However the button was reached, only a login that holds it runs it.
    const bool permitted = level_ == AdminLevel::Admin ||
                           (level_ == AdminLevel::Admin2 && index < static_cast<int>(granted_.size()) && granted_[index]);
    if (!permitted || !actions_[index].open || !permissionButtons[index]->isEnabled())
        return;
    run(actions_[index]);
}

bool TAdminForm::tabHasLines(bool warn) const {
    LineLists& lines = till_.lines();
    if (lines.hasLines(LineLists::kMain) || lines.hasLines(LineLists::kSplit))
        return true;
    if (warn)
        prompter_.warning(QStringLiteral("Add a line to the tab."));
    else
        prompter_.information(QStringLiteral("Add an item to the tab."));
    return false;
}

void TAdminForm::run(const Action& action) {
    // What the action does on the sales screen is logged as approved by this login.
    till_.setApprover(level_);
    const auto approved = qScopeGuard([this] { till_.setApprover(AdminLevel::None); });
    if (action.ready && !action.ready())
        return;
    if (action.afterwards == Afterwards::ConsoleStays) {
        runReportingFailures(prompter_, action.open);
        return;
    }
    hide(); // closing the window it opens returns to the sales screen
    runReportingFailures(prompter_, action.open);
    // With the database out of reach (said as the editor would not open) a reset could only fail.
    if (action.afterwards == Afterwards::ConsoleClosesReset && !module_.db1.isLost())
        runReportingFailures(prompter_, [this] { module_.ApplicationReset(); });
    if (action.afterwards == Afterwards::LogoutQuestion && prompter_.confirm(QStringLiteral("Logout Admin?")))
        logout();
    accept();
}

void TAdminForm::openIni() {
    if (auto form = makeFilledForm<TINIForm>(prompter_, [this] {
            auto made = std::make_unique<TINIForm>(module_, till_.settings().imagePath, prompter_, &till_);
            made->forbidWriting(); // this PC's file is not the console's business
            made->openMaster();
            return made;
        }))
        showModal(*form);
}

void TAdminForm::openStaff() {
    const QString staffRef = module_.session().staffRef;
    openRecordEditor<TStaffForm>(prompter_, module_, till_, [staffRef](TStaffForm& form) {
        form.editor().locateNoCase(QStringLiteral("ref"), staffRef);
    });
}

void TAdminForm::openMops() { openRecordEditor<TMopForm>(prompter_, module_, till_); }

void TAdminForm::openLayouts() {
    const int layoutId = till_.settings().layoutId;
    openRecordEditor<TLayoutForm>(prompter_, module_, till_,
                                  [layoutId](TLayoutForm& form) { form.editor().locateId(layoutId); });
}

void TAdminForm::openMaps() { openRecordEditor<TMapForm>(prompter_, module_, till_); }

void TAdminForm::openButtonEditor() {
    // One button editor at a time: a second "Links" brings the open one forward.
    if (auto* open = dynamic_cast<QWidget*>(till_.buttonEditor())) {
        open->raise();
        open->activateWindow();
        return;
    }
    auto* editor = new TLIForm(till_, module_.db1, prompter_, &till_);
    editor->setAttribute(Qt::WA_DeleteOnClose);
    const QPushButton* items = permissionButtons[AdminPermissions::indexOf(QStringLiteral("admin2item"))];
    editor->setItemEditingAllowed(items->isEnabled());
    // The button editor outlives the console: its item editor is the sales screen's business.
    editor->setItemEditorOpener([&prompter = prompter_, &module = module_, &till = till_, editor](int itemId) {
        openItemEditor(prompter, module, till, itemId, editor);
    });
    editor->openOverSalesScreen();
}

void TAdminForm::openTabMapEditor() {
    // One tab map editor at a time: a second "Tabs" brings the open one forward.
    if (auto* open = dynamic_cast<QWidget*>(till_.tabMapEditor())) {
        open->raise();
        open->activateWindow();
        return;
    }
    auto* editor = new TTabForm(till_, module_.db1, prompter_, &till_);
    editor->setAttribute(Qt::WA_DeleteOnClose);
    editor->openOverTabPage();
}

void TAdminForm::openLayoutChoice() {
    bool switched = false;
    if (auto form = makeFilledForm<TLayoutChoiceForm>(prompter_, [this] {
            return std::make_unique<TLayoutChoiceForm>(module_.db1, prompter_, module_.session().pcRef, &till_);
        })) {
        showModal(*form);
        switched = form->switched();
    }
    if (switched) {
        BusyCursor busy;
        till_.LoadTerminalSettings();
    }
}

void TAdminForm::startStocktake() {
    if (!till_.EnterStocktake())
        return;
    till_.btnLinkClick();
    till_.btnResetClick();
    till_.setManualAvailable(false);
}

void TAdminForm::openStocktakeHistory() {
    if (auto form = makeFilledForm<TStocktakeForm>(prompter_, [this] {
            auto made = std::make_unique<TStocktakeForm>(module_.db1, prompter_, &till_);
            made->load();
            return made;
        }))
        showModal(*form);
}

void TAdminForm::openDiscounts() { openRecordEditor<TDiscForm>(prompter_, module_, till_); }

ReportLauncher TAdminForm::reports() { return ReportLauncher({till_.printing(), module_.clock(), this}); }

void TAdminForm::openSplit(const QString& source) { till_.OpenSplitForm(source, QString(), QString()); }

} // namespace pelora
