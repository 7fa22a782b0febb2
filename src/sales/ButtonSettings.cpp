#include "sales/ButtonSettings.h"

#include "app/TerminalSettings.h"
#include "common/Mode.h"

namespace pelora {

ButtonSettings ButtonSettings::from(const TerminalSettings& s) {
    auto is = [](const QString& mode, char code) { return modeIs(mode, code); };
    ButtonSettings b;
    b.qtyUpDown = !is(s.qtyMode, '0');
    b.manual = is(s.manRegMode, '1') || is(s.manRegMode, '2');
    b.option = is(s.optMode, '2') || is(s.optMode, '3');
    b.optionsColumn = is(s.optMode, '1') || is(s.optMode, '2');
    b.rightPanelWidth = s.normalRightPanelWidth();
    b.fastFind = is(s.findMode, '1') || is(s.findMode, '2');
    b.order = !is(s.ordMode, '0');
    b.process = is(s.processMode, '2');
    b.discount = is(s.discMode, '1');
    b.refund = is(s.refMode, '1');
    b.stocktake = !is(s.countMode, '0');
    b.noSale = !is(s.noSaleMode, '0');
    b.logoutCaption = is(s.logoutMode, '1') ? QStringLiteral("Logout") : QStringLiteral("Close");
    return b;
}

} // namespace pelora
