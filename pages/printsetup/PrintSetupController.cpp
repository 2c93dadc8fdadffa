#include "pages/printsetup/PrintSetupController.h"

#include "pages/printsetup/PrintLanguages.h"
#include "report/ReportTextKeys.h"
#include "texts/Language.h"
#include "texts/PageTexts.h"

namespace {

QString WithoutColons(QString Caption) {
    return Caption.remove(QLatin1Char(':'));
}

// A stored number that names no language, or one without texts, writes the report in English
// rather than without any captions.
TLanguageType ReportLanguageOf(int32_t Stored) {
    if (Stored < 0 || Stored >= LanguageTypeCount)
        return ENGLISH;
    const auto language = static_cast<TLanguageType>(Stored);
    return HasTextTables(language) ? language : ENGLISH;
}

} // namespace

TPrintSetupController::TPrintSetupController(TPrintSetupView& View, TPrintSetupSettings& Settings,
                                             bool& FirstTimePrePrintFLG)
    : View(View), Settings(Settings), FirstTimePrePrintFLG(FirstTimePrePrintFLG) {}

std::optional<TPrintSetupChoice> TPrintSetupController::Execute(TLanguage& Store) {
    FormShow(Store);
    const bool ok = View.ShowModal();
    const TPrintSetupChoice choice = FormClose(Store);
    return ok ? std::optional(choice) : std::nullopt;
}

void TPrintSetupController::FormShow(TLanguage& Store) {
    // The reference captions in the user-interface language, the language names in the
    // language the window was in.
    Store.NewPageText(MainGroup);
    View.SetReferenceCaptions(WithoutColons(Store.GetTxt(ReportTextKey::YourRef)),
                              WithoutColons(Store.GetTxt(ReportTextKey::OurRef)));
    Store.SetLanguageType(ParentLanguageType);
    Store.NewPageText(Page_5);
    View.SetLanguageGroupCaption(Store.GetTxt(PrintSetupTextKey::LanguageGroup));
    for (int i = 0; i < PrintLanguageButtonCount; ++i)
        View.SetLanguageButtonCaption(i, Store.GetTxt(PrintLanguageButtons()[i].CaptionKey));

    PrnLangue = ReportLanguageOf(Settings.ReportLanguage().value_or(ENGLISH));
    View.CheckLanguageButton(PrintLanguageButtonOf(PrnLangue).value_or(0));

    // Each run starts with empty references; later showings offer the last ones again.
    if (FirstTimePrePrintFLG) {
        View.SetYourRefText(QString());
        View.SetOurRefText(QString());
    } else {
        // Cut as the report keeps them.
        View.SetYourRefText(TPrnStr(Settings.YourRef()));
        View.SetOurRefText(TPrnStr(Settings.OurRef()));
    }
    FirstTimePrePrintFLG = false;
}

void TPrintSetupController::LanguageClick(TLanguageType Language) {
    PrnLangue = Language;
}

TPrintSetupChoice TPrintSetupController::FormClose(TLanguage& Store) {
    TPrintSetupChoice choice;
    choice.References.OurRef = View.OurRefText();
    choice.References.YourRef = View.YourRefText();
    choice.ReportLanguage = PrnLangue;
    Store.SetLanguageType(PrnLangue);
    choice.Texts = ReadReportTexts(Store);
    const std::optional<int> checked = View.CheckedLanguageButton();
    const int32_t language = checked ? PrintLanguageButtons()[*checked].Language : ENGLISH;
    Settings.Store(language, choice.References.OurRef, choice.References.YourRef);
    return choice;
}
