#pragma once

class TfKylvane;

// For the documentation: with AIRCOOLER_SCREENSHOT_DIR set, the program shows each page in
// turn, saves a picture of the window as <dir>/page-<n>.png, one of the about box as
// <dir>/about.png, and quits.
void TakeScreenshotsIfAsked(TfKylvane& Window);
