#include "ui/LanguagePageInputs.h"

#include "ui/LanguagePage.h"

#include <QRadioButton>

void TLanguagePageInputs::RestoreInputs() {
    int32_t languageNumber = 0;
    // Selecting a button that was not selected runs its language selection.
    if (Reg.GetTextNo(languageNumber))
        Page.ButtonFor(languageNumber)->setChecked(true);
}
