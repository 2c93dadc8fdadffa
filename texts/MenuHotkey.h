#pragma once

#include <QString>
#include <QStringList>

// The caption for a menu item that is to show Text, with "&" before the first character of
// Text that no sibling uses as its accelerator. The choice depends on the siblings' captions
// at that moment, so applying the same texts after another language can mark other letters.
//
// SiblingCaptions are the current captions of the other items the accelerator must not clash
// with: every other item of the same sub-menu (separators included), or, for a top-level item,
// the other items among the first Count top-level items. A sibling's accelerator is the
// character after its first "&"; a sibling without one takes nothing. A blank is never chosen,
// upper and lower case are different characters, and when every character of Text is taken
// the caption is Text without "&".
QString CaptionWithHotkey(const QString& Text, const QStringList& SiblingCaptions);
