#include "app/cli/HeadlessSelection.h"

#include "app/cli/CommandOptions.h"
#include "core/EngineState.h"
#include "core/VisibleText.h"
#include "engine/VerDep.h"
#include "pages/selection/SelectionTextKeys.h"
#include "pages/selection/SelectionTexts.h"

#include <algorithm>

namespace {

const QList<TSelectionEntry> TypingOrder{TSelectionEntry::OilFlow, TSelectionEntry::MaxTemp,
                                         TSelectionEntry::AirTemp, TSelectionEntry::Altitude,
                                         TSelectionEntry::HeatDiss};

// The words for rpm that end the hydraulic-motor model names, one for each language with texts.
const QStringList& RpmWords() {
    static const QStringList words = [] {
        QStringList found;
        TLanguage language;
        for (int i = 0; i < LanguageTypeCount; ++i) {
            language.SetLanguageType(static_cast<TLanguageType>(i));
            language.NewPageText(MainGroup);
            const QString word =
                language.GetTxt(SelectionTextKey::RpmText).left(RpmTextLength).trimmed();
            if (!word.isEmpty() && !found.contains(word))
                found.append(word);
        }
        return found;
    }();
    return words;
}

// A model name without the word for rpm it ends in, whichever language that word is in.
QString WithoutRpmWord(const QString& name) {
    for (const QString& word : RpmWords()) {
        if (name.endsWith(QLatin1Char(' ') + word, Qt::CaseInsensitive))
            return name.chopped(word.size() + 1);
    }
    return name;
}

// A model as the list names it in any language, with or without the word for rpm, or by the
// section of the catalogue that holds it ("VHM_500_1500").
int ModelIndex(const QStringList& models, const QStringList& sections, const QString& wanted) {
    const QString name = WithoutRpmWord(wanted);
    for (int i = 0; i < models.size(); ++i) {
        if (WithoutRpmWord(models[i]).compare(name, Qt::CaseInsensitive) == 0 ||
            sections.value(i).compare(wanted, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

} // namespace

THeadlessSelection::TFreshState::TFreshState() {
    ResetEngineState();
}

THeadlessSelection::THeadlessSelection(const QString& IniFilePath, TLanguageType Language) {
    TEngineState& s = EngineState();
    s.IniFilePath = IniFilePath;
    this->Language.SetLanguageType(Language);
    View.Language = &this->Language;
    View.OnApplyLanguageTexts = [this] { ApplySelectionTexts(View); };
    View.ApplyLanguageTexts();
    Controller.InitialisePage();
    Controller.LoadFixedTempMode();
}

bool THeadlessSelection::Enter(const TSelectRequest& Request, QString& Error) {
    // The user's steps: series, grade, units, model, then the entries one by one.
    View.SetSelectedSeries(Request.Series);
    Controller.SeriesClick(Request.Series);
    View.SetListIndex(TSelectionList::Oil, Request.OilGrade);
    Controller.cbOilCoolerDataChange();
    for (TSelectionEntry entry : TypingOrder) {
        View.SetListIndex(UnitListOf(entry), Request.UnitIndex.value(entry));
        Controller.UnitChange(entry);
    }
    if (!Request.Model.isEmpty()) {
        const QStringList models = View.ListItems(TSelectionList::Model);
        QStringList sections;
        for (const QString& catalogueName : Controller.ShadowList())
            sections.append(TVerDep().ChangeToSectionName(catalogueName));
        const int model = ModelIndex(models, sections, Request.Model);
        if (model < 0) {
            Error = QStringLiteral("Unknown model \"%1\": the series has %2.")
                        .arg(EchoedValue(Request.Model), models.join(", "));
            return false;
        }
        View.SetListIndex(TSelectionList::Model, model);
        Controller.cbTypeCoolerDataChange();
    }
    for (TSelectionEntry entry : TypingOrder) {
        if (!Request.Typed.contains(entry))
            continue;
        // The page reads the first 255 characters of an entry.
        const QString typed = Request.Typed.value(entry);
        Error = UnreadValueMessage(typed.left(255), EntryValueOption(entry));
        if (!Error.isEmpty())
            return false;
        const qsizetype shownBefore = Messages.Shown.size();
        View.SetEntryText(entry, typed);
        Controller.EntryChange(entry);
        Controller.EntryExit(entry);
        if (Messages.Shown.size() > shownBefore) {
            Error = Messages.Shown.last().Text;
            return false;
        }
    }

    return true;
}

void THeadlessSelection::Calculate(TCalculation Which) {
    // A step the page refused (a damaged data file) ends the selection: calculating could only
    // repeat its message.
    if (!Messages.Shown.isEmpty())
        return;
    if (Which == TCalculation::NewCooler)
        Controller.btCalcNewCoolerClick();
    else
        Controller.btCalcSelectedCoolerClick();
}

bool THeadlessSelection::Run(const TSelectRequest& Request, QString& Error) {
    if (!Enter(Request, Error))
        return false;
    Calculate(Request.Model.isEmpty() ? TCalculation::NewCooler : TCalculation::SelectedCooler);
    return true;
}

bool THeadlessSelection::Succeeded() const {
    const bool told =
        std::any_of(Messages.Shown.cbegin(), Messages.Shown.cend(),
                    [](const TShownMessage& m) { return m.Kind == TMessageKind::Error; });
    return Controller.PrintingEnabled() && !told;
}
