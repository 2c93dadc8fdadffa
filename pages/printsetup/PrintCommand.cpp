#include "pages/printsetup/PrintCommand.h"

#include "pages/printsetup/PrintSetupController.h"
#include "texts/Language.h"

namespace {

// Puts the store's language and loaded page back when it goes out of scope, however the
// scope is left.
class TRestoreLanguage {
public:
    explicit TRestoreLanguage(TLanguage& Store)
        : Store(Store), Language(Store.GetLanguageType()), Page(Store.GetLastLanguagePage()) {}
    ~TRestoreLanguage() {
        Store.SetLanguageType(Language);
        Store.NewPageText(Page);
    }
    TRestoreLanguage(const TRestoreLanguage&) = delete;
    TRestoreLanguage& operator=(const TRestoreLanguage&) = delete;

    TLanguageType SavedLanguage() const { return Language; }

private:
    TLanguage& Store;
    const TLanguageType Language;
    const TLanguagePageType Page;
};

} // namespace

void RunPrintCommand(TLanguage& Store, TPrintSetupController& PrintSetup,
                     const std::function<void(const TPrintSetupChoice&)>& WriteReport) {
    const TRestoreLanguage restore(Store);
    PrintSetup.ParentLanguageType = restore.SavedLanguage();
    if (const std::optional<TPrintSetupChoice> choice = PrintSetup.Execute(Store))
        WriteReport(*choice);
}
