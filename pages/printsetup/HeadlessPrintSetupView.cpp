#include "pages/printsetup/HeadlessPrintSetupView.h"

void THeadlessPrintSetupView::SetReferenceCaptions(const QString& YourRef, const QString& OurRef) {
    YourRefCaption = YourRef;
    OurRefCaption = OurRef;
}

void THeadlessPrintSetupView::SetLanguageButtonCaption(int Button, const QString& Caption) {
    ButtonCaptions.at(Button) = Caption;
}

bool THeadlessPrintSetupView::ShowModal() {
    ++Showings;
    return OnShowModal ? OnShowModal() : false;
}
