#pragma once

#include "common/Money.h"
#include "print/CheckPaper.h"
#include "print/Printing.h"

#include <QDialog>
#include <QStringList>

#include <optional>
#include <vector>

class QLabel;
class QPushButton;
class QScrollArea;

namespace pelora {

class PaymentTill;

namespace db {
class ServerClock;
}

// The tab the check window prints for and how the terminal prints checks: `splitmode` "0"
// offers no split checks, `checkmode` and `drawermode` decide what a pre-tender prints.
struct CheckWindowSettings {
    CheckTab tab;
    QString splitMode;
    QString checkMode;
    QString drawerMode;
};

// The check window: a check for each split of the tab ("Unsplit" for the lines in none) with
// "+ Pre-Tender" beside each named split, "Add all to Check" for the whole tab, "+ Pre-Tender"
// for the whole tab, and "Close". A pre-tender takes the amount in the tender window, keeps it
// on the split or the tab, and prints the check with what was tendered and the change. The
// amount stays with the window, so a check printed afterwards shows it too.
class TCheckChoiceForm : public QDialog {
    Q_OBJECT
public:
    TCheckChoiceForm(PaymentTill& till, const Printing& printing, db::ServerClock& clock,
                     CheckWindowSettings settings, QWidget* parent = nullptr);

    // The tab's split references, and a check button for each with "+ Pre-Tender" beside the
    // named ones.
    void CollectSplits();
    void BuildSplitButtons();
    const QStringList& splits() const { return splits_; }

    void buttontag_1(QPushButton* button); // a split's check; the window stays
    void buttontag_2(QPushButton* button); // a split's pre-tender; the window stays
    void btnAllClick();                    // "Add all to Check"; the window closes
    void btnChgClick();                    // "+ Pre-Tender" for the whole tab; closes once taken

    // The check of a split or the whole tab, kept until the next one is loaded.
    void LoadCheckLines(const CheckScope& scope);
    const CheckLines& checkLines() const { return check_; }
    void PrintCheck();
    void SavePreTender(Money amount);
    void PrintPreTenderCheck();
    // The amount of the last pre-tender taken in this window.
    std::optional<Money> tendered() const { return tendered_; }

    QLabel* lblTabRef;
    QScrollArea* scrSplits;
    std::vector<QPushButton*> splitButtons;     // one per split, in list order
    std::vector<QPushButton*> preTenderButtons; // beside each named split
    QPushButton* btnAll;
    QPushButton* btnChg;
    QPushButton* btnClose;

private:
    // The tender window over the loaded check; true when it handed an amount back, which is
    // then kept, stored and printed.
    bool takePreTender();
    CheckHeading heading() const;

    PaymentTill& till_;
    Printing printing_;
    db::ServerClock& clock_;
    CheckWindowSettings settings_;
    QStringList splits_;
    CheckLines check_;
    std::optional<Money> tendered_;
};

} // namespace pelora
