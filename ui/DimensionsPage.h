#pragma once

#include "ui/PageWidget.h"

#include <QWidget>

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class TSloganPanel;

// Page 3: the technical data of one model of one series, with the buttons for its drawing,
// the series' ordering key and, for the hydraulic-motor series, the motor data. The page holds
// the controls only; the dimensions logic drives them from outside.
class TDimensionsPage : public TPageWidget {
public:
    explicit TDimensionsPage(QWidget* Parent);

    QGroupBox* gbDimensionChoice;
    QRadioButton* rbACCooler;
    QRadioButton* rbDCCooler;
    QRadioButton* rbCoolerSystem;
    QRadioButton* rbVCSCooler;
    QComboBox* cbDimension;

    QGroupBox* gbDimensionData;
    QLabel* lbEnginPower;
    QLabel* lbWeight;
    QLabel* lbCoolerArea; // kept up to date but never shown
    QLabel* lbOilVolume;  // kept up to date but never shown
    QLabel* lbDimensionText1;
    QLabel* lbDimensionText2;
    QLabel* lbDimensionText3;

    QFrame* plDimTg;
    QPushButton* btPdfFile;
    QPushButton* btCodeKey;
    QPushButton* btVhmMotorData; // shown for the hydraulic-motor series only

    QLabel* lbPage3CpyRights;
    TSloganPanel* pnlEngineeringSuccessPage3;

private:
    void NewChoice();
    void NewData();
    void NewButtons();
};
