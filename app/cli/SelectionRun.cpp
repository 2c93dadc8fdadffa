#include "app/cli/SelectionRun.h"

#include "core/EngineState.h"
#include "pages/selection/SelectionTexts.h"

#include <algorithm>

namespace {

const QList<TSelectionEntry> TypingOrder{TSelectionEntry::OilFlow, TSelectionEntry::MaxTemp,
                                         TSelectionEntry::AirTemp, TSelectionEntry::Altitude,
                                         TSelectionEntry::HeatDiss};

// A model as the list names it; a hydraulic-motor model may be named without the rpm word.
int ModelIndex(const QStringList& models, const QString& wanted) {
    for (int i = 0; i < models.size(); ++i) {
        if (models[i].compare(wanted, Qt::CaseInsensitive) == 0 ||
            models[i].startsWith(wanted + QLatin1Char(' '), Qt::CaseInsensitive))
            return i;
    }
    return -1;
}

} // namespace

TSelectionRun::TFreshEngineState::TFreshEngineState(const QString& IniFilePath) {
    ResetEngineState();
    EngineState().IniFilePath = IniFilePath;
}

TSelectionRun::TSelectionRun(const QString& IniFilePath, TLanguageType Language)
    : FreshEngineState(IniFilePath) {
    this->Language.SetLanguageType(Language);
    Page.Language = &this->Language;
    Page.OnApplyLanguageTexts = [this] { ApplySelectionTexts(Page); };
    Page.ApplyLanguageTexts();
    PageLogic.InitialisePage();
    PageLogic.LoadFixedTempMode();
    EngineState().ShowMessagesFLG = true; // as on entering the page
}

bool TSelectionRun::Enter(const TSelectRequest& Request, QString& Error) {
    // The user's steps: series, grade, units, model, then the entries one by one.
    Page.SetSelectedSeries(Request.Series);
    PageLogic.SeriesClick(Request.Series);
    Page.SetListIndex(TSelectionList::Oil, Request.OilGrade);
    PageLogic.cbOilCoolerDataChange();
    for (TSelectionEntry entry : TypingOrder) {
        Page.SetListIndex(UnitListOf(entry), Request.UnitIndex.value(entry));
        PageLogic.UnitChange(entry);
    }
    if (!Request.Model.isEmpty()) {
        const QStringList models = Page.ListItems(TSelectionList::Model);
        const int model = ModelIndex(models, Request.Model);
        if (model < 0) {
            Error = QStringLiteral("Unknown model \"%1\": the series has %2.")
                        .arg(Request.Model, models.join(", "));
            return false;
        }
        Page.SetListIndex(TSelectionList::Model, model);
        PageLogic.cbTypeCoolerDataChange();
    }
    for (TSelectionEntry entry : TypingOrder) {
        if (!Request.Typed.contains(entry))
            continue;
        const qsizetype shownBefore = Recorded.Shown.size();
        Page.SetEntryText(entry, Request.Typed.value(entry));
        PageLogic.EntryChange(entry);
        PageLogic.EntryExit(entry);
        if (Recorded.Shown.size() > shownBefore) {
            Error = Recorded.Shown.last().Text;
            return false;
        }
    }
    return true;
}

void TSelectionRun::Calculate(const TSelectRequest& Request) {
    if (Request.Model.isEmpty())
        PageLogic.btCalcNewCoolerClick();
    else
        PageLogic.btCalcSelectedCoolerClick();
}

int TSelectionRun::Status() const {
    const bool told =
        std::any_of(Recorded.Shown.cbegin(), Recorded.Shown.cend(),
                    [](const TShownMessage& m) { return m.Kind == TMessageKind::Error; });
    return PageLogic.PrintingEnabled() && !told ? 0 : 1;
}
