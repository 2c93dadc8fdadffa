#pragma once

#include <QWidget>

class QLabel;
class TSloganPanel;

// The strip along the bottom of every page: the logo and the rights label at the left, the
// slogan panel at the right.
class TPageFooter : public QWidget {
public:
    TPageFooter(const QString& RightsName, const QString& SloganName, QWidget* Parent);

    QLabel* Logo;
    QLabel* Rights;
    TSloganPanel* Slogan;
};
