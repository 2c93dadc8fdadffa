#pragma once

class THeadlessSelectionView;

// Puts the texts of the view's language store on the headless selection page, as the window
// does with its own: the captions the results and messages are worded with, the message texts
// of the engine and of the entries, and the model-name and disclaimer texts. Leaves the page's
// texts loaded.
void ApplySelectionTexts(THeadlessSelectionView& View);
