#include "ui/StartPage.h"

#include "ui/Artwork.h"
#include "ui/Controls.h"
#include "ui/PageFooter.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QFrame* FramedTitle(QWidget* Parent) {
    auto* frame = new QFrame(Parent);
    frame->setFrameShape(QFrame::Box);
    frame->setLineWidth(1);
    auto* title = new QLabel(QStringLiteral("Air Oil Cooler Software"), frame);
    QFont font = title->font();
    font.setPointSizeF(font.pointSizeF() * 2.4);
    title->setFont(font);
    title->setStyleSheet(QStringLiteral("color: #1f5f8b;"));
    title->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(36, 14, 36, 14);
    layout->addWidget(title);
    return frame;
}

QWidget* Pictures(QWidget* Parent) {
    auto* band = new QWidget(Parent);
    auto* row = new QGridLayout(band);
    row->setHorizontalSpacing(22);
    for (int i = 0; i < ProductPictureCount; ++i) {
        row->addWidget(new TProductPictureView(TProductPicture(i), QSize(150, 124), band), 0, i,
                       Qt::AlignCenter);
    }
    return band;
}

} // namespace

TStartPage::TStartPage(QWidget* Parent)
    : TPageWidget(Parent), cbShadow(NewList(QStringLiteral("cbShadow"), {}, this)) {
    cbShadow->hide();
    auto* footer = new TPageFooter(QStringLiteral("lbMainPageRights"),
                                   QStringLiteral("pnlEngineeringSuccessMain"), this);
    lbMainPageRights = footer->Rights;
    pnlEngineeringSuccessMain = footer->Slogan;

    auto* page = new QVBoxLayout(this);
    page->addStretch(2);
    page->addWidget(FramedTitle(this), 0, Qt::AlignHCenter);
    page->addStretch(1);
    page->addWidget(Pictures(this), 0, Qt::AlignHCenter);
    page->addStretch(3);
    page->addWidget(footer);
}
