#pragma once

#include <functional>

class TLanguage;
class TPrintSetupController;
struct TPrintSetupChoice;

// The print command of the menu and of the selection page's print button: the print setup,
// then, after OK, `WriteReport` with what the user chose there. Afterwards the store is back in the
// user-interface language with the page it had loaded, whether the dialog was cancelled, the report
// was written or writing it failed.
void RunPrintCommand(TLanguage& Store, TPrintSetupController& PrintSetup,
                     const std::function<void(const TPrintSetupChoice&)>& WriteReport);
