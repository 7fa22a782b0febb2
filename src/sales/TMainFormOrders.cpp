// The sales screen's orders and drawer: "Process", "Order" and "No Sale".
#include "sales/TMainForm.h"

#include "app/TMainDataModule.h"
#include "common/Mode.h"
#include "common/Prompter.h"
#include "db/DbError.h"
#include "print/CashDrawer.h"
#include "print/OrderProcessing.h"
#include "print/Spooler.h"
#include "print/TOrderForm.h"
#include "sales/ItemPage.h"
#include "ui/BusyCursor.h"
#include "ui/FormOpener.h"
#include "ui/GeneralError.h"

#include <QPushButton>

namespace pelora {

Printing TMainForm::printing() {
    return {module_->db1, module_->spooler(), data_.outputDevices, prompter_};
}

void TMainForm::ProcessOrders() {
    BusyCursor busy;
    processOrders(printing(), {module_->session().pcRef, data_.settings.splitMode, data_.settings.countMode},
                  state_.currentTab);
}

bool TMainForm::processOrdersTelling() {
    try {
        ProcessOrders();
        return true;
    } catch (const PrintError& failure) {
        NormalCursor normal;
        prompter_.information(QStringLiteral("Problem printing Order.") + kLineBreak + failure.message());
    } catch (const db::DbError& failure) {
        // The database, not the printer: said as the database says it (a lost connection with
        // its one message).
        NormalCursor normal;
        reportFailure(prompter_, failure);
    } catch (const std::exception&) {
        NormalCursor normal;
        prompter_.information(QStringLiteral("Problem printing Order."));
    }
    return false;
}

void TMainForm::btnProcessClick() {
    if (state_.currentTab <= 0) {
        prompter_.information(QStringLiteral("Select a Tab."));
        return;
    }
    if (!processOrdersTelling())
        return;
    ReturnToStart();
}

void TMainForm::btnTabOrderClick() {
    if (state_.currentTab <= 0) {
        prompter_.information(QStringLiteral("Select a Tab."));
        return;
    }
    openOrderForm(state_.currentTab, true);
}

void TMainForm::OpenUnprocessedOrders() { openOrderForm(0, false); }

void TMainForm::openOrderForm(int tabId, bool all) {
    const TerminalSettings& s = data_.settings;
    std::unique_ptr<TOrderForm> form;
    {
        BusyCursor busy;
        form = createForm<TOrderForm>(prompter_, printing(),
                                      OrderWindowSettings{module_->session().pcRef, s.ordMode, s.countMode, s.splitMode},
                                      tabId, this);
        if (form && !all)
            form->btnRefresh1Click();
    }
    if (!form)
        return;
    showModal(*form);
    if (!form->linesChanged())
        return;
    ReadLineLists();
    if (modeIs(s.countMode, '1'))
        ShowLink(state_.currentLink);
}

void TMainForm::btnNoSaleClick() {
    // The drawer opens only once the no sale is on record.
    eventlog::write(module_->db1, actor().event(eventlog::Kind::NoSale));
    openDrawer(module_->spooler(), data_.outputDevices, data_.settings.drawerMode, prompter_);
}

} // namespace pelora
