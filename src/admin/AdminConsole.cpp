#include "admin/AdminConsole.h"

#include "admin/TAdminForm.h"
#include "sales/TMainForm.h"

namespace pelora {

void plugInAdminConsole(TMainForm& till, TMainDataModule& module, Prompter& prompter) {
    till.setAdminConsole([&module, &prompter](TMainForm& main) -> std::unique_ptr<QDialog> {
        return std::make_unique<TAdminForm>(main, module, prompter, &main);
    });
}

} // namespace pelora
