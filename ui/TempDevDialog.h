#pragma once

#include "pages/service/TempDevController.h"
#include "pages/service/TempDevView.h"

#include <QDialog>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// The service margins dialog: the two margins in whole kelvin, a button for the program's
// defaults, OK and Cancel. Its logic is TTempDevController; the dialog is its view. A refused
// entry is told through `Messages`.
class TdlgTempDev : public QDialog, public TTempDevView {
public:
    TdlgTempDev(QWidget* Parent, TMessageService& Messages);

    void SetCaption(const QString& caption) override;
    void SetStaticText(TMarginText text, const QString& value) override;
    QString EntryText(TMarginEntry entry) const override;
    void SetEntryText(TMarginEntry entry, const QString& text) override;
    void SelectEntryText(TMarginEntry entry) override;
    void SetEntryFocus(TMarginEntry entry) override;

    // Shows the dialog modally for `Margins`; true when it ends with OK, `Margins` then set
    // from it.
    bool Execute(TServiceMargins& Margins);

    QFrame* Frame;
    QLabel* stTempDev;
    QLabel* stAirOutOilOutDiff;
    QLineEdit* edAirOutOilOutDiff;
    QLineEdit* edUnitAirOutOilOutDiff;
    QLabel* stOilMaxOilOutDiff;
    QLineEdit* edOilMaxOilOutDiff;
    QLineEdit* edUnitOilMaxOilOutDiff;
    QPushButton* btDefaultValues;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

protected:
    void showEvent(QShowEvent* Event) override;

private:
    QLineEdit* EntryOf(TMarginEntry entry) const;

    TTempDevController Controller;
    TServiceMargins Shown; // what the next showing starts from
};
