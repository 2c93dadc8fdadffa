#pragma once

#include "core/CoolerTypes.h"
#include "pages/dimensions/DimensionsSettings.h"
#include "pages/dimensions/DimensionsView.h"

#include <QString>
#include <QStringList>

#include <functional>

class TMessageService;

// The logic of the dimensions page: the models of a series, the technical data of the picked
// model, its drawing, the series' ordering key and the hydraulic-motor data. It reaches the
// window only through TDimensionsView, messages only through the TMessageService it is given
// and stored values only through TDimensionsSettings, so the window, the tests and the
// command-line tool run the same code.
class TDimensionsController {
public:
    TDimensionsController(TDimensionsView& View, TDimensionsSettings& Settings,
                          TMessageService& Messages);

    // A series radio button of the page, and the selection page's series change: the list of
    // the series, its notes and buttons, and the data of its first model.
    void ShowDimensionSeries(TCoolerType Series);
    // The user picks another model.
    void cbDimensionChange();
    // The data lines of the model at `ItemIndex`, read for the oil grade picked on the
    // selection page (ISO VG 22 while none is); nothing changes unless `All`.
    void RefreshScreenData(int ItemIndex, bool All);

    // The drawing of the picked model, the series' ordering key and the motor data window,
    // which shows the motor data file as it is read at the click, with what is wrong with it.
    void btPdfFileClick();
    void btCodeKeyClick();
    void btVhmMotorDataClick();

    // The page change: the series and model are stored when the page is left and restored when
    // it is entered.
    void StoreInputs();
    void RestoreInputs();

    // The catalogue names of the listed models, at the positions of the model list.
    const QStringList& ShadowList() const { return cbShadow; }
    // The series whose models the page lists.
    TCoolerType SeriesListed() const { return ListedSeries; }
    // The full file names of the drawing of the model at `ItemIndex` (empty when there is no
    // such model) and of the ordering key of the series whose button is selected.
    QString DrawingFileName(int ItemIndex) const;
    QString CodeKeyFileName() const;

    static const QString PdfReadingError;

private:
    void RunAction(const std::function<void()>& Body);
    void OpenDataSheet(const QString& FileName);

    TDimensionsView& View;
    TDimensionsSettings& Settings;
    TMessageService& Messages;
    QStringList cbShadow;
    // The series the page lists, its own: the selection page sizes a series of its own.
    TCoolerType ListedSeries = AC_Cooler;
};
