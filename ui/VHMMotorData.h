#pragma once

#include "engine/MotorVariants.h"

#include <QDialog>

class QPushButton;
class QTableWidget;
class TfKylvane;

// The hydraulic-motor data window: the motor variants of every hydraulic-motor model in a grid
// with two heading rows, and a button that prints them. It fills itself from the installed
// data file each time it is shown.
class TfVHMMotorData : public QDialog {
public:
    explicit TfVHMMotorData(TfKylvane* Window);

    static constexpr QSize DesignedSize{741, 597};

    // Fills the window and shows it modally until the user closes it.
    void ShowModal();
    // Fills the grid from the installed data file, sized to the grid's width.
    void FillMotorData();
    // The grid's content, heading rows first.
    QList<TMotorDataCells> GridRows() const;

    QTableWidget* sgVhmMotorData;
    QPushButton* bbPrintMotorData;

private:
    void SetColumnWidths();
    void PlacePrintButton();
    void PrintClick();

    TfKylvane* Window;
};
