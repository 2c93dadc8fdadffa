#include "pages/dimensions/DimensionsTexts.h"

#include "core/EngineState.h"
#include "pages/dimensions/DimensionsTextKeys.h"
#include "pages/dimensions/HeadlessDimensionsView.h"
#include "texts/Language.h"

void ApplyDimensionsTexts(TLanguage& Language, THeadlessDimensionsView& View) {
    using namespace DimensionsTextKey;
    TEngineState& s = EngineState();
    Language.NewPageText(Page_3);
    View.KeptCaptions = {Language.GetTxt(FixMotorCapacity), Language.GetTxt(FixWeight),
                         Language.GetTxt(FixCoolArea), Language.GetTxt(FixOilVolume)};
    s.FreeSpaceText1Str = Language.GetTxt(FreeSpaceText1);
    s.FreeSpaceText2Str = Language.GetTxt(FreeSpaceText2);
    s.FanPowerTextStr = Language.GetTxt(FanPowerText);
    s.VhmFreeSpaceText1Str = Language.GetTxt(VhmFreeSpaceText1);
    s.VhmFreeSpaceText2Str = Language.GetTxt(VhmFreeSpaceText2);
}
