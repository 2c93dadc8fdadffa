#pragma once

#include "core/CoolerTypes.h"
#include "core/Editions.h"
#include "pages/dimensions/MotorDataTable.h"

#include <QString>
#include <QStringList>

#include <optional>

// The dimensions page as its logic sees it. The window, the tests and the command-line tool
// each implement this; the controller reaches the page through nothing else.
//
// Setting a list, a line or a radio button through this interface runs nothing: the
// controller runs the change actions itself. Only the user's picks and clicks reach the
// controller from the view.

// The technical-data lines: motor (or fan) power, weight, and the cooling-area and oil-volume
// lines, which are kept up to date but never shown.
enum class TDimensionLine { EnginPower, Weight, CoolerArea, OilVolume };
constexpr int DimensionLineCount = 4;

// The captions of the data lines and the page's notes, which the window keeps from the texts
// of its language.
struct TDimensionCaptions {
    TPrnStr FixMotorCapacity;
    TPrnStr FixWeight;
    TPrnStr FixCoolArea;
    TPrnStr FixOilVolume;
    // The free-space notes of the series with electric motors and of the hydraulic-motor ones.
    QString FreeSpaceText1;
    QString FreeSpaceText2;
    QString VhmFreeSpaceText1;
    QString VhmFreeSpaceText2;
    TPrnStr FanPowerText; // the power line's caption for hydraulic motors
    QString RpmText;      // ends the hydraulic-motor model names
};

class TDimensionsView {
public:
    virtual ~TDimensionsView() = default;

    // The series radio buttons; none is selected before the page is first entered.
    virtual std::optional<TCoolerType> SelectedSeries() const = 0;
    virtual void SetSelectedSeries(TCoolerType series) = 0;

    // The model list `cbDimension`; -1 when nothing is picked.
    virtual int ModelIndex() const = 0;
    virtual void SetModelIndex(int index) = 0;
    virtual void SetModelItems(const QStringList& items) = 0;

    virtual void SetLineText(TDimensionLine line, const QString& text) = 0;
    // The two free-space notes `lbDimensionText2` and `lbDimensionText3`.
    virtual void SetNoteTexts(const QString& first, const QString& second) = 0;
    virtual void SetCodeKeyVisible(bool visible) = 0;
    virtual void SetMotorDataVisible(bool visible) = 0;

    // What the selection page has picked: the oil grade's text (empty when none) and the
    // position of the required-cooling unit list, the energy unit of the power line.
    virtual QString SelectionOilGrade() const = 0;
    virtual int SelectionEnergyUnit() const = 0;

    virtual TDimensionCaptions Captions() const = 0;

    // What the page takes from the program: its edition and the catalogue directory (ending in
    // a directory separator), which also holds the data sheets.
    virtual TEdition Edition() const = 0;
    virtual QString IniFilePath() const = 0;

    // Hands an existing, readable data sheet to the desktop's viewer; false when the desktop
    // refuses it. What the viewer does afterwards is outside the program.
    virtual bool OpenDocument(const QString& fileName) = 0;
    // The hydraulic-motor data window, modally, with `Grid`; a fault of the data file is told
    // in the window, above whatever variants could be read.
    virtual void ShowMotorData(const TMotorDataGrid& Grid) = 0;
};
