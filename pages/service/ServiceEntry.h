#pragma once

#include "core/Editions.h"
#include "settings/ServiceMargins.h"

#include <QtCore/qnamespace.h>

class TMessageService;
class TServiceView;
class TStoredValues;

// The hidden service entry on the selection page's logo: behind the edition's service password,
// the margins dialog, which edits the running program's `Margins` and stores them when it ends
// with OK. A wrong password is told through `Messages`.
class TServiceEntry {
public:
    TServiceEntry(TServiceView& View, TStoredValues& Settings, TMessageService& Messages,
                  TServiceMargins& Margins, TEdition Edition);

    // A mouse button released over the logo. Only the right button with Ctrl held opens the
    // entry; a wrong password may be tried again as often as the user wants. True when the
    // margins changed.
    bool Image2MouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Modifiers);

private:
    TServiceView& View;
    TStoredValues& Settings;
    TMessageService& Messages;
    TServiceMargins& Margins;
    TEdition Edition;
};
