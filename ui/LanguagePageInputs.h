#pragma once

#include "settings/RegRoutines.h"
#include "ui/PageInputs.h"

class TLanguagePage;

// The language page keeps nothing when it is left: a language is stored the moment it is
// chosen. Entering the page shows the stored language, and selects it when another instance
// of the program stored a different one meanwhile.
class TLanguagePageInputs : public TPageInputs {
public:
    TLanguagePageInputs(TLanguagePage& Page, const TSettingsRoots& Roots)
        : Page(Page), Reg(Roots) {}

    void StoreInputs() override {}
    void RestoreInputs() override;

private:
    TLanguagePage& Page;
    TRegRoutines Reg;
};
