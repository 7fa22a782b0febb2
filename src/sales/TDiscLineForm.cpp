#include "sales/TDiscLineForm.h"

#include "sales/TDiscChoiceForm.h"
#include "ui/FormOpener.h"

namespace pelora {

TDiscLineForm::TDiscLineForm(DiscountTill& till, Prompter& prompter, int list, bool admin, QWidget* parent)
    : OneOrAllForm(QStringLiteral("DiscLineForm"), tr("Discount"), prompter, [this] { return openChooser(false); },
                   [this] { return openChooser(true); }, parent),
      till_(till), prompter_(prompter), list_(list), admin_(admin) {}

bool TDiscLineForm::openChooser(bool all) {
    const TDiscChoiceForm::Target target{list_, admin_, all ? LineDiscounts::Scope::All : LineDiscounts::Scope::One};
    hide();
    if (auto chooser = createForm<TDiscChoiceForm>(prompter_, till_, prompter_, target, parentWidget()))
        showModal(*chooser);
    return true;
}

} // namespace pelora
