#pragma once

#include "ui/PageWidget.h"

#include <QWidget>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTableView;
class TCandidateTableModel;
class QToolButton;
class TSelectionDiagramPanel;
class TSloganPanel;

// Page 1, where a cooler is sized: series, model and oil grade, the five inputs with their
// units, the two calculate buttons, the result panel and the candidates grid. The page holds
// the controls only; the selection logic drives them from outside.
class TSelectionPage : public TPageWidget {
public:
    explicit TSelectionPage(QWidget* Parent);

    QGroupBox* gbCoolerdata;
    QRadioButton* rbACCoolerData;
    QRadioButton* rbDCCoolerData;
    QRadioButton* rbCSCoolerData;
    QRadioButton* rbVCSCoolerData;
    QComboBox* cbTypeCoolerData;
    QPlainTextEdit* mmDisclamer;

    QGroupBox* gbOilType;
    QComboBox* cbOilCoolerData;

    QGroupBox* gbOilflowCoolerData;
    QLineEdit* edOilflowCoolerData;
    QComboBox* cbOilflowCoolerData;
    QGroupBox* gbMaxTempCoolerData;
    QLineEdit* edMaxTempCoolerData;
    QComboBox* cbMaxTempCoolerData;
    QGroupBox* gbAirTempCoolerData;
    QLineEdit* edAirTempCoolerData;
    QComboBox* cbAirTempCoolerData;
    QGroupBox* gbAlittudeCoolerData;
    QLineEdit* edAlittudeCoolerData;
    QComboBox* cbAlittudeCoolerData;
    QGroupBox* gbcbHeatDissCoolerData;
    QLineEdit* edHeatDissCoolerData;
    QComboBox* cbHeatDissCoolerData;

    QPushButton* btCalcSelectedCooler;
    QPushButton* btCalcNewCooler;
    QToolButton* sbPrint;

    // The calculation mode; the group is never shown in this product.
    QGroupBox* gbMode;
    QRadioButton* rbFixedPower;
    QRadioButton* rbFixedTemp;

    QGroupBox* gbOutputCoolerData;
    QLabel* lbOilInletTempCoolerText;
    QLabel* lbOilInletTempCoolerValue;
    QLabel* lbOilOutletTempCoolerText;
    QLabel* lbOilOutletTempCoolerValue;
    QLabel* lbAirOutletTempCoolerText;
    QLabel* lbAirOutletTempCoolerValue;
    QLabel* lbHeatLoadCoolerText;
    QLabel* lbHeatLoadCoolerValue;
    QLabel* lbOilPressureCoolerText;
    QLabel* lbOilPressureCoolerValue;
    QLabel* lbAirFlowCoolerText;
    QLabel* lbAirFlowCoolerValue;
    QLabel* lbMotorCapacityCoolerText;
    QLabel* lbMotorCapacityCoolerValue;
    QLabel* lbNoiseLevelCoolerText;
    QLabel* lbNoiseLevelCoolerValue;
    QLabel* lbProtectionStdCoolerText;
    QLabel* lbProtectionStdCoolerValue;

    QTableView* sgCoolerSamples;
    TCandidateTableModel* CandidateRows; // what sgCoolerSamples lists
    TSelectionDiagramPanel* pnlSelectionDiagram;

    QLabel* Image2; // the logo; the service entry listens on it
    QLabel* lbPage1CpyRights;
    TSloganPanel* pnlEngineeringSuccessPage1;

private:
    QWidget* NewSeriesColumn();
    QWidget* NewInputColumn();
    QWidget* NewResultColumn();
    // One result line: caption at the left, value right-aligned at the right.
    void AddResultLine(int Row, QLabel*& Caption, const QString& CaptionName, QLabel*& Value,
                       const QString& ValueName);
    void NewCandidatesGrid();
    QLayout* NewCandidatesRow();
};
