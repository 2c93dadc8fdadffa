#pragma once

#include "pages/dimensions/DimensionsView.h"

#include <QStringList>

#include <array>

// The dimensions page without a window: every control is a value that the command-line tool
// sets as a user would and reads back as the window would show it. Opening a data sheet and
// showing the motor data are recorded.
class THeadlessDimensionsView : public TDimensionsView {
public:
    std::optional<TCoolerType> SelectedSeries() const override { return Series; }
    void SetSelectedSeries(TCoolerType series) override { Series = series; }

    int ModelIndex() const override { return Index; }
    void SetModelIndex(int index) override;
    void SetModelItems(const QStringList& items) override;

    void SetLineText(TDimensionLine line, const QString& text) override;
    void SetNoteTexts(const QString& first, const QString& second) override;
    void SetCodeKeyVisible(bool visible) override { CodeKeyVisible = visible; }
    void SetMotorDataVisible(bool visible) override { MotorDataVisible = visible; }

    QString SelectionOilGrade() const override { return OilGrade; }
    int SelectionEnergyUnit() const override { return EnergyUnit; }
    TDimensionCaptions Captions() const override { return KeptCaptions; }
    TEdition Edition() const override { return ProgramEdition; }
    QString IniFilePath() const override { return CatalogueDirectory; }

    // Records the file and answers `DesktopAccepts`.
    bool OpenDocument(const QString& fileName) override;
    void ShowMotorData(const TMotorDataGrid& Grid) override;

    QString LineText(TDimensionLine line) const;

    std::optional<TCoolerType> Series;
    QStringList ModelItems;
    int Index = -1;
    std::array<QString, DimensionLineCount> Lines;
    std::array<QString, 2> Notes;
    bool CodeKeyVisible = true;
    bool MotorDataVisible = false;

    QString OilGrade;   // as the selection page's list shows it; empty when none is picked
    int EnergyUnit = 1; // kW
    TDimensionCaptions KeptCaptions;
    TEdition ProgramEdition = TEdition::European;
    QString CatalogueDirectory; // ends in a directory separator

    bool DesktopAccepts = true;
    QStringList OpenedDocuments;
    int MotorDataShown = 0;
    TMotorDataGrid MotorData; // as last shown
};
