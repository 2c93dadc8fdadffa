#pragma once

#include "pages/printsetup/PrintLanguages.h"
#include "pages/printsetup/PrintSetupView.h"

#include <array>
#include <functional>

// The print setup without a window: every control is a value. While the dialog is "shown",
// OnShowModal plays the user: it may type references or click a language through the
// controller, and answers OK (true) or Cancel.
class THeadlessPrintSetupView : public TPrintSetupView {
public:
    void SetReferenceCaptions(const QString& YourRef, const QString& OurRef) override;
    void SetLanguageGroupCaption(const QString& Caption) override {
        LanguageGroupCaption = Caption;
    }
    void SetLanguageButtonCaption(int Button, const QString& Caption) override;

    void CheckLanguageButton(int Button) override { Checked = Button; }
    std::optional<int> CheckedLanguageButton() const override { return Checked; }

    QString YourRefText() const override { return YourRef; }
    void SetYourRefText(const QString& Text) override { YourRef = Text; }
    QString OurRefText() const override { return OurRef; }
    void SetOurRefText(const QString& Text) override { OurRef = Text; }

    bool ShowModal() override;
    std::function<bool()> OnShowModal;

    QString YourRefCaption;
    QString OurRefCaption;
    QString LanguageGroupCaption;
    std::array<QString, PrintLanguageButtonCount> ButtonCaptions;
    std::optional<int> Checked;
    QString YourRef;
    QString OurRef;
    int Showings = 0;
};
