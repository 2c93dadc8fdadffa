#pragma once

#include "core/CoolerTypes.h"

#include "ui/PageWidget.h"

#include <QWidget>

#include <array>

class QGroupBox;
class QLabel;
class QRadioButton;
class TSloganPanel;

// One language radio button and the language it selects.
struct TLanguageButton {
    QRadioButton* Button;
    TLanguageType Language;
};

// Page 4: the choice of the user-interface language.
class TLanguagePage : public TPageWidget {
    Q_OBJECT

public:
    explicit TLanguagePage(QWidget* Parent);

    QGroupBox* gbLanguage;
    QRadioButton* rbEnglish;
    QRadioButton* rbDeutsch;
    QRadioButton* rbDutch;
    QRadioButton* rbFrance;
    QRadioButton* rbPolsky;
    QRadioButton* rbSwedish;
    QRadioButton* rbDanish;
    QRadioButton* rbFinnish;
    QRadioButton* rbItalian;
    QRadioButton* rbSpanish;
    QRadioButton* rbCheckish;
    QRadioButton* rbNorwegian;

    QLabel* lbPage5CpyRights;
    TSloganPanel* pnlEngineeringSuccessPage5;

    // The twelve buttons in the order of their caption keys 2 to 13.
    const std::array<TLanguageButton, 12>& Buttons() const { return LanguageButtons; }

    // The button of a stored language number; a number that names no button, or a language
    // without texts, gives rbEnglish.
    QRadioButton* ButtonFor(int LanguageNumber) const;

    // The European edition offers every language that has its texts; the US edition English
    // and Spanish only, in a group of its own fixed size and place.
    void ShowEditionLanguages(bool USEdition);

signals:
    // A button became selected, by the user or by the program.
    void LanguageSelected(TLanguageType Language);

private:
    void PlaceUSLanguageGroup();

    std::array<TLanguageButton, 12> LanguageButtons;
};
