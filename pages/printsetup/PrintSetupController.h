#pragma once

#include "core/CoolerTypes.h"
#include "pages/printsetup/PrintSetupSettings.h"
#include "pages/printsetup/PrintSetupView.h"

class TLanguage;

// The logic of the print setup (`TfPrePrint`): the report's language and the two references
// the report prints. Closing it, by OK or not, loads the report's texts in the report language
// into the engine state, keeps the references there and stores the choices. It reaches the
// dialog only through TPrintSetupView and the stored values only through TPrintSetupSettings.
class TPrintSetupController {
public:
    // `FirstTimePrePrintFLG` is the window's: true until the dialog has been shown once in
    // this run, which starts with empty references.
    TPrintSetupController(TPrintSetupView& View, TPrintSetupSettings& Settings,
                          bool& FirstTimePrePrintFLG);

    // Shows the dialog modally and closes it; true for OK. Leaves the store in the report
    // language with Page_3 loaded.
    bool Execute(TLanguage& Store);

    // A language button was clicked.
    void LanguageClick(TLanguageType Language);

    // The user-interface language, handed in before the dialog is shown.
    TLanguageType ParentLanguageType = ENGLISH;
    // The language the report is written in.
    TLanguageType PrnLangue = ENGLISH;

private:
    void FormShow(TLanguage& Store);
    void FormClose(TLanguage& Store);

    TPrintSetupView& View;
    TPrintSetupSettings& Settings;
    bool& FirstTimePrePrintFLG;
};
