#pragma once

#include "pages/printsetup/PrintLanguages.h"
#include "pages/printsetup/PrintSetupController.h"
#include "pages/printsetup/PrintSetupSettings.h"
#include "pages/printsetup/PrintSetupView.h"

#include <QDialog>

#include <array>

class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The print setup `TfPrePrint`: the report's language and the two references, as a small
// fixed modal dialog over the print setup's logic. Its stored values are the user's.
class TfPrePrint : public QDialog, public TPrintSetupView {
    Q_OBJECT

public:
    // Its stored values are in the settings store `Roots` names.
    TfPrePrint(QWidget* Parent, bool& FirstTimePrePrintFLG, const TSettingsRoots& Roots);

    TPrintSetupController& Controller() { return PrintSetup; }

    void SetReferenceCaptions(const QString& YourRef, const QString& OurRef) override;
    void SetLanguageGroupCaption(const QString& Caption) override;
    void SetLanguageButtonCaption(int Button, const QString& Caption) override;
    void CheckLanguageButton(int Button) override;
    std::optional<int> CheckedLanguageButton() const override;
    QString YourRefText() const override;
    void SetYourRefText(const QString& Text) override;
    QString OurRefText() const override;
    void SetOurRefText(const QString& Text) override;
    bool ShowModal() override;

    QGroupBox* gbYourRef;
    QLineEdit* edYourRef;
    QLineEdit* edYourComm; // never shown
    QGroupBox* gbOurRef;
    QLineEdit* edOurRef;
    QGroupBox* gbLanguage;
    std::array<QRadioButton*, PrintLanguageButtonCount> LanguageButtons;
    QPushButton* bbOkPrint;
    QPushButton* bbCancelPrint;

private:
    QWidget* NewReferenceColumn();
    QWidget* NewLanguageGroup();

    TRegPrintSetupSettings Settings;
    TPrintSetupController PrintSetup;
};
