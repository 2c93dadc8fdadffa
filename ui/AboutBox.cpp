#include "ui/AboutBox.h"

#include "texts/Language.h"
#include "texts/TextHelpers.h"
#include "ui/Artwork.h"
#include "ui/Controls.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {
const QString ProductName = QStringLiteral("Air Oil Cooler Software");
// The about box names the release it belongs to, whatever number the window title carries.
const QString AboutVersionNumber = QStringLiteral("2.03");
} // namespace

TAboutBox::TAboutBox(QWidget* Parent)
    : QDialog(Parent), plAbout(new QFrame(this)), ProgramIcon(new QLabel(plAbout)),
      lbAboutProductName(NewLabel(QStringLiteral("lbAboutProductName"), plAbout)),
      lbAboutVersion(NewLabel(QStringLiteral("lbAboutVersion"), plAbout)),
      lbAboutCopyright(NewLabel(QStringLiteral("lbAboutCopyright"), plAbout)),
      lbAboutComments1(NewLabel(QStringLiteral("lbAboutComments1"), plAbout)),
      lbAboutComments2(NewLabel(QStringLiteral("lbAboutComments2"), plAbout)),
      OKButton(NewButton(QStringLiteral("OKButton"), this)) {
    setObjectName(QStringLiteral("AboutBox"));
    setModal(true);
    plAbout->setObjectName(QStringLiteral("plAbout"));
    plAbout->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    plAbout->setLineWidth(2);
    // The panel is white whatever its parent's colour.
    QPalette white = plAbout->palette();
    white.setColor(QPalette::Window, Qt::white);
    plAbout->setPalette(white);
    plAbout->setAutoFillBackground(true);

    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setPixmap(LogoPixmap(QSize(220, 56)));
    ProgramIcon->setAlignment(Qt::AlignCenter);
    for (QLabel* label : {lbAboutProductName, lbAboutVersion, lbAboutCopyright, lbAboutComments1,
                          lbAboutComments2}) {
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
    }
    lbAboutComments1->setWordWrap(true);
    lbAboutComments2->setWordWrap(true);

    auto* panel = new QVBoxLayout(plAbout);
    panel->setContentsMargins(24, 20, 24, 20);
    panel->setSpacing(8);
    panel->addWidget(ProgramIcon);
    panel->addSpacing(8);
    for (QLabel* label :
         {lbAboutProductName, lbAboutVersion, lbAboutCopyright, lbAboutComments1, lbAboutComments2})
        panel->addWidget(label);

    OKButton->setText(QStringLiteral("OK"));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(plAbout);
    layout->addWidget(OKButton, 0, Qt::AlignHCenter);
    // A fixed border: the box takes the size its contents need and cannot be resized.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TAboutBox::PrepareToShow(TLanguage& TheLanguage) {
    TheLanguage.NewPageText(AboutSec);
    setWindowTitle(RemoveAmpersands(TheLanguage.GetTxt("1")));
    lbAboutProductName->setText(ProductName);
    lbAboutVersion->setText(TheLanguage.GetTxt("3") + QLatin1Char(' ') + AboutVersionNumber);
    lbAboutCopyright->setText(TheLanguage.GetTxt("5"));
    lbAboutComments1->clear();
    lbAboutComments2->clear();
}

void TAboutBox::ShowModal(TLanguage& TheLanguage) {
    PrepareToShow(TheLanguage);
    adjustSize();
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    OKButton->setFocus();
    exec();
}
