#pragma once

#include <QString>

#include <optional>

// The print setup dialog as its logic sees it. The window, the tests and the command-line tool
// each implement it. Checking a button or setting a text through this interface runs nothing;
// a click on a language button reaches the controller from the view.
class TPrintSetupView {
public:
    virtual ~TPrintSetupView() = default;

    // The captions of the groups `gbYourRef` and `gbOurRef`.
    virtual void SetReferenceCaptions(const QString& YourRef, const QString& OurRef) = 0;
    // The caption of `gbLanguage` and of the language buttons (PrintLanguageButtons order).
    virtual void SetLanguageGroupCaption(const QString& Caption) = 0;
    virtual void SetLanguageButtonCaption(int Button, const QString& Caption) = 0;

    // Checks one button, the others not.
    virtual void CheckLanguageButton(int Button) = 0;
    // None when no button is checked.
    virtual std::optional<int> CheckedLanguageButton() const = 0;

    // The entries `edYourRef` and `edOurRef`.
    virtual QString YourRefText() const = 0;
    virtual void SetYourRefText(const QString& Text) = 0;
    virtual QString OurRefText() const = 0;
    virtual void SetOurRefText(const QString& Text) = 0;

    // Runs the dialog until the user closes it; true for OK, false for Cancel or the close box.
    virtual bool ShowModal() = 0;
};
