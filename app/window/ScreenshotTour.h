#pragma once

class TfKylvane;

// For the user's guide: with AIRCOOLER_SCREENSHOT_DIR set, the program plays through the guide's
// worked example as a user would, saves a picture of the window or dialog at each step in that
// directory (start, selection, print-setup, heatload, dimensions, language and about, each a
// .png) and quits, with status 1 when a picture could not be saved or the program had a message
// for the user. Without the variable it does nothing.
void TakeScreenshotsIfAsked(TfKylvane& Window);
