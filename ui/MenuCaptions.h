#pragma once

#include <QString>

class QMenu;
class QMenuBar;

// Menu captions with an accelerator letter that none of the item's siblings uses at that
// moment. The captions keep the "&" convention the language texts and Qt share: "&" marks the
// accelerator, so the letter chosen is the one Qt underlines.

// Item `Index` of `Menu`, compared against every other item of it, separators included.
void SetMenuCaptionWithHotkey(const QString& Text, QMenu* Menu, int Index);

// Top-level item `Index` of `MainMenu`, compared against the first `Count` top-level items.
void SetMainMenuCaptionWithHotkey(const QString& Text, QMenuBar* MainMenu, int Count, int Index);
