#pragma once

class TLanguage;

// The report's labels in the engine state. The print setup loads all of them in the report
// language when it closes; the window's texts set the eight of the main group in the
// user-interface language whenever they are applied.

// Every label and both notes of the main group, the selection page and the dimensions page,
// in the store's current language; the heat and motor labels follow the calculation mode and
// the series. Leaves Page_3 loaded.
void LoadReportTexts(TLanguage& Store);

// The eight main-group texts, from the loaded MainGroup page.
void SetMainGroupReportTexts(const TLanguage& Store);
