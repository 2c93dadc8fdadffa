#pragma once

#include "ui/PageWidget.h"

#include <QWidget>

class QComboBox;
class QLabel;
class TSloganPanel;

// Page 0: the five product pictures, the framed title, the logo and the rights. It also holds
// the hidden list of catalogue section names that both model lists fill.
class TStartPage : public TPageWidget {
public:
    explicit TStartPage(QWidget* Parent);

    QComboBox* cbShadow;
    QLabel* lbMainPageRights;
    TSloganPanel* pnlEngineeringSuccessMain;
};
