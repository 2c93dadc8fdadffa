#pragma once

#include "pages/dimensions/DimensionsController.h"
#include "pages/dimensions/DimensionsSettings.h"
#include "pages/dimensions/DimensionsView.h"

#include <QObject>

class QRadioButton;
class TDimensionsPage;
class TfKylvane;
class TfVHMMotorData;

// The window's dimensions page as the view of the dimensions logic, and its widgets wired to
// that logic: the user's series clicks, model picks and buttons run their actions. What the
// logic sets runs nothing. It reads the oil grade and the energy unit from the selection page.
class TQtDimensionsView : public QObject, public TDimensionsView {
public:
    explicit TQtDimensionsView(TfKylvane& Window);
    ~TQtDimensionsView() override;

    TDimensionsController& Controller() { return DimensionsController; }

    std::optional<TCoolerType> SelectedSeries() const override;
    void SetSelectedSeries(TCoolerType series) override;

    int ModelIndex() const override;
    void SetModelIndex(int index) override;
    void SetModelItems(const QStringList& items) override;

    void SetLineText(TDimensionLine line, const QString& text) override;
    void SetNoteTexts(const QString& first, const QString& second) override;
    void SetCodeKeyVisible(bool visible) override;
    void SetMotorDataVisible(bool visible) override;

    QString SelectionOilGrade() const override;
    int SelectionEnergyUnit() const override;
    TDimensionCaptions Captions() const override;
    TEdition Edition() const override;
    QString IniFilePath() const override;

    bool OpenDocument(const QString& fileName) override;
    void ShowMotorData(const TMotorDataGrid& Grid) override;

    // The motor data window, made at its first showing and kept hidden in between.
    TfVHMMotorData& MotorDataWindow();

private:
    void ConnectControls();
    QRadioButton* SeriesButton(TCoolerType series) const;

    TfKylvane& Window;
    TDimensionsPage& Page;
    TRegDimensionsSettings Settings;
    TDimensionsController DimensionsController;
    TfVHMMotorData* MotorData = nullptr;
};
