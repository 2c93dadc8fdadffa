#pragma once

#include "pages/dimensions/MotorDataTable.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;
class TfKylvane;

// The hydraulic-motor data window: the motor variants of every hydraulic-motor model in a grid
// with two heading rows, and a button that prints them. It is filled from the installed data
// file each time it is shown; a fault of the file stands above the grid, which is left out
// when no variant could be read.
class TfVHMMotorData : public QDialog {
public:
    explicit TfVHMMotorData(TfKylvane* Window);

    static constexpr QSize DesignedSize{741, 597};

    // Fills the window with `Grid` and shows it modally until the user closes it.
    void ShowModal(const TMotorDataGrid& Grid);
    // Fills the grid with `Grid`, sized to the grid's width, and tells its fault.
    void FillMotorData(const TMotorDataGrid& Grid);
    // The grid's content, heading rows first.
    QList<TMotorDataCells> GridRows() const;

    QTableWidget* sgVhmMotorData;
    QPushButton* bbPrintMotorData;
    QLabel* lbMotorDataFault;

private:
    void SetColumnWidths();
    void PlacePrintButton();
    void PrintClick();

    TfKylvane* Window;
};
