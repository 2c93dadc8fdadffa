#pragma once

class TLanguage;
class THeadlessHeatLoadView;

// Puts the group captions of the store's language on the headless heat-load page, as the
// window does with its own; they name the inputs in the page's messages. Leaves the page's
// texts loaded.
void ApplyHeatLoadTexts(THeadlessHeatLoadView& View, TLanguage& Language);
