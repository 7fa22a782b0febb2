#include "sales/TMainForm.h"

#include "app/TMainDataModule.h"
#include "common/Mode.h"
#include "common/Prompter.h"
#include "sales/LineLists.h"
#include "tabs/TSplitForm.h"
#include "ui/FormOpener.h"
#include "ui/GeneralError.h"

#include <optional>

namespace pelora {

QString TMainForm::OpenSplitForm(const QString& source, const QString& search, const QString& selectRef,
                                 std::function<void(const QString&)> copiedToTab) {
    TSplitForm::Options options;
    options.source = source;
    // The console's own mark offers every discount; elsewhere the layout decides whether
    // splits carry discounts, and restricted ones stay with the console.
    const bool admin = source == QStringLiteral("Admin");
    options.allDiscounts = admin;
    options.discountShown = admin || modeIs(data_.settings.discMode, '1');
    options.imagePath = data_.settings.imagePath;
    std::unique_ptr<TSplitForm> form = createForm<TSplitForm>(prompter_, module_->db1, module_->storedProc1,
                                                              prompter_, keyboardModes_, options, this);
    if (!form)
        return {};
    // The lists stay on their lines: the split chooser may be working on the current one.
    form->setLinesChanged([this] {
        lines_->reread();
        ShowTotals();
    });
    std::optional<QString> copied;
    if (copiedToTab)
        form->setCopiedToTab([&copied](const QString& ref) { copied = ref; });
    try {
        if (search.isEmpty())
            form->showAll(selectRef);
        else
            form->find(search);
    } catch (const std::exception& failure) {
        reportFailureAs(prompter_, failure, cannotOpenMessage(TSplitForm::staticMetaObject.className()));
        return {};
    }
    showModal(*form);
    const QString ref = form->currentRef();
    form.reset();
    // The editor is out of the way before its opener goes on with the copied split.
    if (copied)
        copiedToTab(*copied);
    return ref;
}

} // namespace pelora
