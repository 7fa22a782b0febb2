#pragma once

#include "admin/AdminPermissions.h"

#include <QDialog>

#include <array>
#include <functional>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace pelora {

class Prompter;
class ReportLauncher;
class TMainDataModule;
class TMainForm;

// The admin console: the one door to the back office. A password login knows a full Admin and
// an Admin2; a full Admin grants each of the Admin2 buttons with the box beside it (written to
// `master` at once). The General group works without a login; Setup, Extras and Reports show
// once logged in. A button whose window is still to come stays visible and off.
class TAdminForm : public QDialog {
    Q_OBJECT
public:
    // What happens once a button's window has closed.
    enum class Afterwards {
        ConsoleCloses,        // the console ends with its window, back to the sales screen
        ConsoleClosesReset,   // ... and "Reset the application?" is offered
        LogoutQuestion,       // ... after "Logout Admin?"
        ConsoleStays          // the window opens over the console
    };

    TAdminForm(TMainForm& till, TMainDataModule& module, Prompter& prompter, QWidget* parent = nullptr);
    ~TAdminForm() override;

    AdminLevel level() const { return level_; }

    void btnLoginClick();
    // The on-screen keyboard for the password, for a till without a physical keyboard: its
    // Enter logs in with what was typed.
    void btnKeyboardClick();
    void btnHelpClick();

    // The help lines of the console.
    static QStringList helpLines();

    QPushButton* btnClose;
    QGroupBox* grpSecurity;
    QLineEdit* edtPassword;
    QCheckBox* chkSession;
    QPushButton* btnLogin;
    QPushButton* btnKeyboard;
    QPushButton* btnHelp;

    QGroupBox* grpGeneral;
    QPushButton* btnLayout;
    QPushButton* btnOrders;
    QPushButton* btnReceipt;
    QPushButton* btnSplit;
    QPushButton* btnStocktake;

    QGroupBox* grpSetup;
    QGroupBox* grpExtras;
    QGroupBox* grpReports;
    // The Admin2 buttons and their permission boxes, in the permission table's order.
    std::array<QPushButton*, AdminPermissions::kCount> permissionButtons{};
    std::array<QCheckBox*, AdminPermissions::kCount> permissionBoxes{};
    // "Admin2" over each column of permission boxes.
    std::vector<QLabel*> admin2Labels;

private:
    struct Action {
        std::function<void()> open; // empty: the window is still to come
        Afterwards afterwards = Afterwards::ConsoleStays;
        std::function<bool()> ready; // checked first: false stops with the console still up
    };

    void buildGroups();
    // The console takes the size of what it shows, centred on the sales screen.
    void fitAndCentre();
    void wireActions();
    void showLoggedIn(AdminLevel level);
    void logout();
    void loadPermissions();
    void permissionToggled(int index, bool on);
    void runPermitted(int index);
    void run(const Action& action);
    // The sales screen's tab has a line (in either list); the operator is told when it has not.
    bool tabHasLines(bool warn) const;

    // The windows the buttons open.
    void openIni();
    void openStaff();
    void openMops();
    void openDiscounts();
    void openLayouts();
    // The sales screen reads the maps again after the reset.
    void openMaps();
    void openLayoutChoice();
    // The button editor stays open over the sales screen after the console has closed.
    void openButtonEditor();
    void openTabMapEditor();
    // The reports open over the console.
    ReportLauncher reports();
    void openSplit(const QString& source);
    // The sales screen counts stock on the Item page, without the manual register.
    void startStocktake();
    void openStocktakeHistory();

    TMainForm& till_;
    TMainDataModule& module_;
    Prompter& prompter_;
    AdminLevel level_ = AdminLevel::None;
    std::vector<bool> granted_;
    std::array<Action, AdminPermissions::kCount> actions_{};
    bool loadingPermissions_ = false;
};

} // namespace pelora
