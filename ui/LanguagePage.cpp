#include "ui/LanguagePage.h"

#include "texts/PageTexts.h"
#include "ui/Controls.h"
#include "ui/PageFooter.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

TLanguagePage::TLanguagePage(QWidget* Parent)
    : TPageWidget(Parent), gbLanguage(NewGroup(QStringLiteral("gbLanguage"), this)),
      rbEnglish(NewRadio(QStringLiteral("rbEnglish"), gbLanguage)),
      rbDeutsch(NewRadio(QStringLiteral("rbDeutsch"), gbLanguage)),
      rbDutch(NewRadio(QStringLiteral("rbDutch"), gbLanguage)),
      rbFrance(NewRadio(QStringLiteral("rbFrance"), gbLanguage)),
      rbPolsky(NewRadio(QStringLiteral("rbPolsky"), gbLanguage)),
      rbSwedish(NewRadio(QStringLiteral("rbSwedish"), gbLanguage)),
      rbDanish(NewRadio(QStringLiteral("rbDanish"), gbLanguage)),
      rbFinnish(NewRadio(QStringLiteral("rbFinnish"), gbLanguage)),
      rbItalian(NewRadio(QStringLiteral("rbItalian"), gbLanguage)),
      rbSpanish(NewRadio(QStringLiteral("rbSpanish"), gbLanguage)),
      rbCheckish(NewRadio(QStringLiteral("rbCheckish"), gbLanguage)),
      rbNorwegian(NewRadio(QStringLiteral("rbNorwegian"), gbLanguage)),
      LanguageButtons{{{rbEnglish, ENGLISH},
                       {rbDeutsch, GERMAN},
                       {rbDutch, DUTCH},
                       {rbFrance, FRANCE},
                       {rbPolsky, POLISH},
                       {rbSwedish, SWEDISH},
                       {rbDanish, DANISH},
                       {rbFinnish, FINNISH},
                       {rbItalian, ITALIAN},
                       {rbSpanish, SPANISH},
                       {rbCheckish, CHECKISH},
                       {rbNorwegian, NORWEGIAN}}} {
    // One column; a language the edition does not offer leaves no gap.
    auto* column = new QVBoxLayout(gbLanguage);
    column->setContentsMargins(32, 16, 48, 16);
    for (const TLanguageButton& entry : LanguageButtons) {
        column->addWidget(entry.Button);
        connect(entry.Button, &QRadioButton::toggled, this,
                [this, language = entry.Language](bool selected) {
                    if (selected)
                        emit LanguageSelected(language);
                });
    }

    auto* footer = new TPageFooter(QStringLiteral("lbPage5CpyRights"),
                                   QStringLiteral("pnlEngineeringSuccessPage5"), this);
    lbPage5CpyRights = footer->Rights;
    pnlEngineeringSuccessPage5 = footer->Slogan;

    auto* page = new QVBoxLayout(this);
    page->addStretch(2);
    page->addWidget(gbLanguage, 0, Qt::AlignHCenter);
    page->addStretch(3);
    page->addWidget(footer);
}

QRadioButton* TLanguagePage::ButtonFor(int LanguageNumber) const {
    for (const TLanguageButton& entry : LanguageButtons)
        if (entry.Language == LanguageNumber && HasTextTables(entry.Language))
            return entry.Button;
    return rbEnglish;
}

void TLanguagePage::ShowEditionLanguages(bool USEdition) {
    for (const TLanguageButton& entry : LanguageButtons) {
        const bool inEdition = !USEdition || entry.Button == rbEnglish || entry.Button == rbSpanish;
        entry.Button->setVisible(inEdition && HasTextTables(entry.Language));
    }
    if (USEdition)
        PlaceUSLanguageGroup();
}

void TLanguagePage::PlaceUSLanguageGroup() {
    // The US group has a fixed place on the page and fixed places for its two buttons, so it
    // leaves the layouts. The heights grow where the font needs more than the fixed 17 pixels.
    if (QLayout* column = gbLanguage->layout()) {
        layout()->removeWidget(gbLanguage);
        delete column;
    }
    const int buttonHeight = std::max(17, rbEnglish->sizeHint().height());
    rbEnglish->setGeometry(32, 40, 161, buttonHeight);
    rbSpanish->setGeometry(256, 40, 161, buttonHeight);
    gbLanguage->setGeometry(232, 258, 441, std::max(97, 40 + buttonHeight + 24));
    // Keep the page large enough that the footer stays clear of the group.
    const QWidget* footer = lbPage5CpyRights->parentWidget();
    setMinimumSize(gbLanguage->geometry().right() + 12,
                   gbLanguage->geometry().bottom() + 24 + footer->sizeHint().height());
}
