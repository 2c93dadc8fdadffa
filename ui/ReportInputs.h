#pragma once

class TfKylvane;

// The report still reads the edition, the catalogue directory, the selection page's series and
// its calculation mode from the engine state; the window puts them there before the report's
// texts are loaded and before a report is written.
void ShareReportInputs(const TfKylvane& Window);
