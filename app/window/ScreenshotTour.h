#pragma once

class TfKylvane;
class TRecordingMessages;

// Whether AIRCOOLER_SCREENSHOT_DIR asks for the tour below. A message box would stop the tour
// until someone closed it, so the window of a tour is given a recording message service.
bool ScreenshotsAsked();

// For the user's guide: with AIRCOOLER_SCREENSHOT_DIR set, the program plays through the guide's
// worked example as a user would, saves a picture of the window or dialog at each step in that
// directory (start, selection, print-setup, heatload, dimensions, language and about, each a
// .png) and quits, with status 1 when a picture could not be saved or the program had a message
// for the user. `Recorded` is the window's message service; what it holds is printed, at once
// when the window could not start. Without the variable it does nothing.
void TakeScreenshotsIfAsked(TfKylvane& Window, const TRecordingMessages& Recorded);
