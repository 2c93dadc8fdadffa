#pragma once

#include "ui/PageInputs.h"

class TLanguagePage;

// The language page keeps nothing when it is left: a language is stored the moment it is
// chosen. Entering the page shows the stored language, and selects it when another instance
// of the program stored a different one meanwhile.
class TLanguagePageInputs : public TPageInputs {
public:
    explicit TLanguagePageInputs(TLanguagePage& Page) : Page(Page) {}

    void StoreInputs() override {}
    void RestoreInputs() override;

private:
    TLanguagePage& Page;
};
