#pragma once

#include "core/CoolerTypes.h"
#include "pages/printsetup/PrintSetupChoice.h"
#include "pages/printsetup/PrintSetupSettings.h"
#include "pages/printsetup/PrintSetupView.h"

#include <optional>

class TLanguage;

// The logic of the print setup (`TfPrePrint`): the report's language and the two references
// the report prints. Closing it, by OK or not, stores the choices; OK hands them over with the
// report's texts in the report language. It reaches the dialog only through TPrintSetupView and
// the stored values only through TPrintSetupSettings.
class TPrintSetupController {
public:
    // `FirstTimePrePrintFLG` is the window's: true until the dialog has been shown once in
    // this run, which starts with empty references.
    TPrintSetupController(TPrintSetupView& View, TPrintSetupSettings& Settings,
                          bool& FirstTimePrePrintFLG);

    // Shows the dialog modally and closes it; what the user chose for OK, nothing when the
    // dialog was cancelled. Leaves the store in the report language with Page_3 loaded.
    std::optional<TPrintSetupChoice> Execute(TLanguage& Store);

    // A language button was clicked.
    void LanguageClick(TLanguageType Language);

    // The user-interface language, handed in before the dialog is shown.
    TLanguageType ParentLanguageType = ENGLISH;
    // The language the report is written in.
    TLanguageType PrnLangue = ENGLISH;

private:
    void FormShow(TLanguage& Store);
    TPrintSetupChoice FormClose(TLanguage& Store);

    TPrintSetupView& View;
    TPrintSetupSettings& Settings;
    bool& FirstTimePrePrintFLG;
};
