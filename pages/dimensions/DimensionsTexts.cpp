#include "pages/dimensions/DimensionsTexts.h"

#include "pages/dimensions/DimensionsTextKeys.h"
#include "pages/dimensions/HeadlessDimensionsView.h"
#include "texts/Language.h"

void ApplyDimensionsTexts(TLanguage& Language, THeadlessDimensionsView& View) {
    using namespace DimensionsTextKey;
    Language.NewPageText(Page_3);
    View.KeptCaptions = {Language.GetTxt(FixMotorCapacity),  Language.GetTxt(FixWeight),
                         Language.GetTxt(FixCoolArea),       Language.GetTxt(FixOilVolume),
                         Language.GetTxt(FreeSpaceText1),    Language.GetTxt(FreeSpaceText2),
                         Language.GetTxt(VhmFreeSpaceText1), Language.GetTxt(VhmFreeSpaceText2),
                         Language.GetTxt(FanPowerText),      View.KeptCaptions.RpmText};
}
