#pragma once

namespace pelora {

class Prompter;
class TMainDataModule;
class TMainForm;

// Puts the admin console behind the sales screen's "Admin" button.
void plugInAdminConsole(TMainForm& till, TMainDataModule& module, Prompter& prompter);

} // namespace pelora
