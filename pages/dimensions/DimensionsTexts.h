#pragma once

class TLanguage;
class THeadlessDimensionsView;

// Puts the texts of the store's language that the dimensions page words its lines and notes
// with onto the headless page, as the window does with its own. The model names take their
// "rpm" word from the main group's texts, which the selection page's texts read: the caller
// sets the page's RpmText. Leaves the page's texts loaded.
void ApplyDimensionsTexts(TLanguage& Language, THeadlessDimensionsView& View);
