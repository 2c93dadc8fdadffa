#include "ui/PageFooter.h"

#include "ui/Artwork.h"
#include "ui/SloganPanel.h"

#include <QHBoxLayout>
#include <QLabel>

TPageFooter::TPageFooter(const QString& RightsName, const QString& SloganName, QWidget* Parent)
    : QWidget(Parent), Logo(new QLabel(this)), Rights(new QLabel(this)),
      Slogan(new TSloganPanel(SloganName, this)) {
    Logo->setPixmap(LogoPixmap(QSize(132, 34)));
    Rights->setObjectName(RightsName);
    Rights->setTextFormat(Qt::PlainText);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(12);
    row->addWidget(Logo, 0, Qt::AlignVCenter);
    row->addWidget(Rights, 0, Qt::AlignVCenter);
    row->addStretch(1);
    row->addWidget(Slogan, 0, Qt::AlignBottom);
}
