#include "pages/heatload/HeatLoadTexts.h"

#include "pages/heatload/HeadlessHeatLoadView.h"
#include "pages/heatload/HeatLoadTextKeys.h"
#include "texts/Language.h"

void ApplyHeatLoadTexts(THeadlessHeatLoadView& View, TLanguage& Language) {
    Language.NewPageText(Page_2);
    for (THeatLoadEntry entry : HeatLoadEntries)
        View.SetGroupCaption(entry, Language.GetTxt(HeatLoadGroupKey(entry)));
}
