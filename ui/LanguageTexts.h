#pragma once

class TfKylvane;

// Puts the texts of the store's current language onto every page and menu of the window and
// into the text variables other parts read later, page by page: the main group, the
// selection, heat-load, dimensions and language pages. Each page's texts are loaded into the
// store first, so afterwards the language page's texts are the loaded ones.
//
// Runs when a language is selected, when the window is shown and when the calculation mode
// changes (the heat-load caption depends on it). Does nothing before the window's start-up
// has created the store.
void ApplyLanguageTexts(TfKylvane& Window);
