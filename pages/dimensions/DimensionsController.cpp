#include "pages/dimensions/DimensionsController.h"

#include "core/DataFault.h"
#include "core/MessageService.h"
#include "engine/CoolerCatalogue.h"
#include "engine/ModelLists.h"
#include "engine/OilGrade.h"
#include "engine/VerDep.h"
#include "units/QuantityTexts.h"
#include "units/Units.h"

#include <QFileInfo>

#include <algorithm>

const QString TDimensionsController::PdfReadingError = QStringLiteral("PDF reading ERROR!");

TDimensionsController::TDimensionsController(TDimensionsView& View, TDimensionsSettings& Settings,
                                             TMessageService& Messages)
    : View(View), Settings(Settings), Messages(Messages) {}

void TDimensionsController::RunAction(const std::function<void()>& Body) {
    try {
        Body();
    } catch (const EDataFault& e) {
        Messages.Error(e.Message());
    }
}

void TDimensionsController::ShowDimensionSeries(TCoolerType Series) {
    const TDimensionCaptions texts = View.Captions();
    View.SetNoteTexts(texts.FreeSpaceText1, texts.FreeSpaceText2);
    View.SetCodeKeyVisible(true);
    // The selection page changes the series too; the buttons always show the listed one.
    View.SetSelectedSeries(Series);

    QStringList models;
    FillSeriesModelList(Series, texts.RpmText, models, cbShadow);
    ListedSeries = Series;
    View.SetModelItems(models);
    View.SetModelIndex(0);

    const bool hydraulic = Series == Cooler_System;
    if (hydraulic)
        View.SetNoteTexts(texts.VhmFreeSpaceText1, texts.VhmFreeSpaceText2);
    View.SetMotorDataVisible(hydraulic);
    RefreshScreenData(View.ModelIndex(), true);
}

void TDimensionsController::cbDimensionChange() {
    RefreshScreenData(View.ModelIndex(), true);
}

void TDimensionsController::RefreshScreenData(int ItemIndex, bool All) {
    if (!All || ItemIndex < 0 || ItemIndex >= cbShadow.size())
        return;
    RunAction([&] {
        // The lines of the model picked before must not stand beside this one when its data
        // cannot be read.
        for (int line = 0; line < DimensionLineCount; ++line)
            View.SetLineText(static_cast<TDimensionLine>(line), QString());

        const QString grade =
            View.SelectionOilGrade().isEmpty() ? DefaultOilGrade : View.SelectionOilGrade();
        const TVerDep names;
        // The grade the selection page sizes with is read first, though no line here depends
        // on it: a damaged oil file is told on this page too, before the model's data.
        OilGrade::Read(names.ChangeToValidFilename(grade), View.IniFilePath());
        // The listed models are read from their own series' file.
        const ModelRecord value =
            ReadModelRecord(names.ChangeToSectionName(cbShadow[ItemIndex], ListedSeries),
                            View.IniFilePath(), names.ChangeToCoolerIniFilename(ListedSeries));
        const TDimensionCaptions captions = View.Captions();
        const QString gap = QStringLiteral("  ");
        const QString powerCaption = ListedSeries == Cooler_System
                                         ? captions.FanPowerText.str()
                                         : captions.FixMotorCapacity.str();
        // The US catalogue gives the power in HP and the weight in pounds.
        const bool us = View.Edition() == TEdition::US;
        const int powerUnit = us ? Ord(THeatDissi::HP) : View.SelectionEnergyUnit();
        const int weightUnit = us ? Ord(TWeight::lb) : Ord(TWeight::kg);
        View.SetLineText(TDimensionLine::EnginPower,
                         powerCaption + gap +
                             MotorPowerText(value[Catalogue::MotorPower], powerUnit));
        View.SetLineText(TDimensionLine::Weight,
                         captions.FixWeight.str() + gap +
                             WeightText(value[Catalogue::Weight], weightUnit));
        View.SetLineText(TDimensionLine::CoolerArea,
                         captions.FixCoolArea.str() + gap +
                             CoolingAreaText(value[Catalogue::CoolArea]));
        View.SetLineText(TDimensionLine::OilVolume, captions.FixOilVolume.str() + gap +
                                                        OilVolumeText(value[Catalogue::OilVolume]));
    });
}

QString TDimensionsController::DrawingFileName(int ItemIndex) const {
    if (ItemIndex < 0 || ItemIndex >= cbShadow.size())
        return QString();
    return View.IniFilePath() + TVerDep().ChangeToImageFileName(
                                    cbShadow[ItemIndex], QStringLiteral(".pdf"), ListedSeries);
}

QString TDimensionsController::CodeKeyFileName() const {
    const char* name = "VCS_key.pdf";
    switch (View.SelectedSeries().value_or(VCS_Cooler)) {
    case AC_Cooler:
        name = "VAM_key.pdf";
        break;
    case DC_Cooler:
        name = "VDM_key.pdf";
        break;
    case Cooler_System:
        name = "VHM_key.pdf";
        break;
    default:
        break;
    }
    return View.IniFilePath() + QLatin1String(name);
}

void TDimensionsController::OpenDataSheet(const QString& FileName) {
    // The desktop's opener accepts a missing file as readily as a present one, so the file is
    // looked at first.
    const QFileInfo file(FileName);
    if (!file.isFile() || !file.isReadable() || !View.OpenDocument(file.absoluteFilePath()))
        Messages.Error(PdfReadingError);
}

void TDimensionsController::btPdfFileClick() {
    const QString fileName = DrawingFileName(View.ModelIndex());
    if (fileName.isEmpty()) {
        Messages.Error(PdfReadingError);
        return;
    }
    OpenDataSheet(fileName);
}

void TDimensionsController::btCodeKeyClick() {
    OpenDataSheet(CodeKeyFileName());
}

void TDimensionsController::btVhmMotorDataClick() {
    View.ShowMotorData(InstalledMotorDataGrid(View.IniFilePath(), View.Edition()));
}

void TDimensionsController::StoreInputs() {
    Settings.Store(View.SelectedSeries().value_or(AC_Cooler), View.ModelIndex());
}

void TDimensionsController::RestoreInputs() {
    const TCoolerType stored = Settings.StoredSeries();
    if (View.SelectedSeries() != stored) {
        View.SetSelectedSeries(stored);
        ShowDimensionSeries(stored);
    }
    const int last = static_cast<int>(cbShadow.size()) - 1;
    View.SetModelIndex(std::clamp(Settings.StoredModel(), 0, std::max(last, 0)));
    cbDimensionChange();
}
