#include "app/cli/CommandLineSelection.h"

#include "app/cli/CommandOptions.h"
#include "core/VisibleText.h"
#include "engine/ModelLists.h"
#include "engine/VerDep.h"
#include "pages/selection/SelectionPageItems.h"
#include "settings/Edition.h"
#include "texts/Language.h"

#include <algorithm>

namespace {

const QList<TSelectionEntry> TypingOrder{TSelectionEntry::OilFlow, TSelectionEntry::MaxTemp,
                                         TSelectionEntry::AirTemp, TSelectionEntry::Altitude,
                                         TSelectionEntry::HeatDiss};

// The words for rpm that end the hydraulic-motor model names, one for each language with texts.
const QStringList& RpmWords() {
    static const QStringList words = [] {
        QStringList found;
        for (int i = 0; i < LanguageTypeCount; ++i) {
            const QString word = CaptionsIn(static_cast<TLanguageType>(i)).RpmWord.trimmed();
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
int ModelIndex(const ListedModels& models, TCoolerType series, const QString& wanted) {
    const QString name = WithoutRpmWord(wanted);
    const TVerDep names;
    for (int i = 0; i < models.Names.size(); ++i) {
        if (WithoutRpmWord(models.Names[i]).compare(name, Qt::CaseInsensitive) == 0 ||
            names.ChangeToSectionName(models.CatalogueNames[i], series)
                    .compare(wanted, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

} // namespace

QString CommandLineSelection::PumpFlowText() const {
    return Outcome.EntryTexts[static_cast<int>(TSelectionEntry::OilFlow)] + QLatin1Char(' ') +
           UnitItems(TSelectionEntry::OilFlow).value(Request.Units.Flow);
}

SelectionCaptions CaptionsIn(TLanguageType Language) {
    TLanguage texts;
    texts.SetLanguageType(Language);
    return SelectionCaptions::Read(texts);
}

bool RunCommandLineSelection(const TSelectRequest& Request, bool NewCooler,
                             const SelectionCaptions& Captions, const CatalogueSource& Catalogue,
                             CommandLineSelection& Run, QString& Error, SelectionDetail Detail) {
    Run.Captions = &Captions;
    const SeriesModelList& list = Captions.ModelsOf(Request.Series);
    Run.Models = {list.Names, list.CatalogueNames};

    SelectionRequest& request = Run.Request;
    request.Series = Request.Series;
    request.OilGrade = Request.OilGrade;
    const auto unit = [&](TSelectionEntry entry) { return Request.UnitIndex.value(entry); };
    request.Units = {unit(TSelectionEntry::OilFlow), unit(TSelectionEntry::MaxTemp),
                     unit(TSelectionEntry::AirTemp), unit(TSelectionEntry::Altitude),
                     unit(TSelectionEntry::HeatDiss)};
    request.NewCooler = NewCooler;
    request.USEdition = BuildIsUSEdition();
    request.WithCandidateRows = Detail != SelectionDetail::ShownResult;
    request.WithDiagram = Detail == SelectionDetail::GridAndDiagram;
    if (!Request.Model.isEmpty()) {
        request.Model = ModelIndex(Run.Models, Request.Series, Request.Model);
        if (request.Model < 0) {
            Error = QStringLiteral("Unknown model \"%1\": the series has %2.")
                        .arg(EchoedValue(Request.Model), Run.Models.Names.join(", "));
            return false;
        }
    }
    for (TSelectionEntry entry : TypingOrder) {
        if (!Request.Typed.contains(entry))
            continue;
        // The page reads the first 255 characters of an entry.
        const QString typed = Request.Typed.value(entry);
        Error = UnreadValueMessage(typed.left(255), EntryValueOption(entry),
                                   Captions.ThousandsReadings);
        if (!Error.isEmpty())
            return false;
        request.Typed[static_cast<int>(entry)] = typed;
    }
    Run.Outcome = RunScriptedSelection(request, Captions, Run.Models, Catalogue);
    return true;
}
