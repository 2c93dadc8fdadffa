#pragma once

#include "ui/PageWidget.h"

#include <QWidget>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TSloganPanel;

// Page 2: the required cooling from a measured temperature rise of the oil. The page holds
// the controls only; the heat-load logic drives them from outside.
class THeatLoadPage : public TPageWidget {
public:
    explicit THeatLoadPage(QWidget* Parent);

    QGroupBox* gbTextFrameHeatDissi;
    QLabel* lbFreeTextHeatDissi1;
    QLabel* lbFreeTextHeatDissi2;
    QLabel* lbFreeTextHeatDissi3;
    QLabel* lbFreeTextHeatDissi4;
    QLabel* lbFreeTextHeatDissi5;
    QLabel* lbFreeTextHeatDissi6;

    QGroupBox* gbOilVolumeHeatDissi;
    QLineEdit* edValueOilVolumeHeatDissi;
    QComboBox* cbUnitOilVolumeHeatDissi;
    QGroupBox* gbDensityHeatDissi;
    QLineEdit* edValueDensityHeatDissi;
    QComboBox* cbUnitDensitylHeatDissi;
    QGroupBox* gbHeatCapacitivityHeatDissi;
    QLineEdit* edValueHeatCapcitivityHeatDissi;
    QComboBox* cbUnitHeatCapacitivityHeatDissi;
    QGroupBox* gbStartTempHeatDissi;
    QLineEdit* edValueStartTempHeatDissi;
    QComboBox* cbUnitStartTemplHeatDissi;
    QGroupBox* gbEndTempHeatDissi;
    QLineEdit* edValueEndTempHeatDissi;
    QComboBox* cbUnitlEndTempHeatDissi;
    QGroupBox* gbTimeIntervalHeatDissi;
    QLineEdit* edValueTimeIntervalHeatDissi;
    QComboBox* cbUnitTimeIntervalHeatDissi;
    QGroupBox* gbResultlHeatDissi;
    QLineEdit* edValueResultHeatDissi;
    QComboBox* cbUnitlResultHeatDissi;

    QPushButton* btCalculateHeatDissi;
    QPushButton* bbtReset;

    QLabel* lbPage2CpyRights;
    TSloganPanel* pnlEngineeringSuccessPage2;

private:
    void NewDescription();
};
