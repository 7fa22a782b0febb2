// The sales screen's receipt history: "History" on the Extra page, the admin console's
// "Receipt", and the tab a restart leaves on screen.
#include "sales/TMainForm.h"

#include "app/TMainDataModule.h"
#include "common/Mode.h"
#include "common/Prompter.h"
#include "payment/TRecForm.h"
#include "sales/LinePanel.h"
#include "ui/FormOpener.h"

#include <QLabel>

namespace pelora {

void TMainForm::openReceiptHistory(const std::function<void(TRecForm&)>& load) {
    if (auto form = makeFilledForm<TRecForm>(prompter_, [this, &load] {
            auto made = std::make_unique<TRecForm>(*this, prompter_, this);
            load(*made);
            return made;
        }))
        showModal(*form);
}

void TMainForm::btnTabHistClick() {
    const int tab = state_.currentTab;
    if (tab < 1) {
        prompter_.information(QStringLiteral("Select a Tab."));
        return;
    }
    const QString ref = pnlRight->lblTabRef->text();
    openReceiptHistory([tab, &ref](TRecForm& form) {
        form.setHistoryTab(tab, ref);
        form.LoadTabReceipts(tab);
    });
}

void TMainForm::OpenReceiptHistory() {
    openReceiptHistory([](TRecForm& form) { form.btnRefreshClick(); });
}

db::Connection& TMainForm::historyDatabase() { return module_->db1; }

db::ServerClock& TMainForm::historyClock() { return module_->clock(); }

ReceiptRestart::Till TMainForm::restartTill() {
    const Session& session = module_->session();
    // The console's Admin session login lets an older receipt be restarted.
    return {session.pcRef, session.staffRef, data_.settings.restartMins, session.adminSession, approver_};
}

void TMainForm::showRestartedTab(int tabId, const QString& tabRef) {
    leaveStocktake();
    selectTab(tabId, tabRef);
    if (rightPanelCollapsed_)
        btnLinkClick(); // the lines show beside the Item page
}

void TMainForm::stockMovedByReversal() {
    if (modeIs(data_.settings.countMode, '1'))
        ShowLink(state_.currentLink);
}

} // namespace pelora
