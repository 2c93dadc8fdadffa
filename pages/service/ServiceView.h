#pragma once

#include "settings/ServiceMargins.h"

#include <QString>

// The two service dialogs as the hidden service entry sees them. The window shows its Qt
// dialogs; the tests answer in their place.
class TServiceView {
public:
    virtual ~TServiceView() = default;
    // Shows the password dialog modally with an empty entry. False when it ends other than with
    // OK; otherwise Password is what was typed.
    virtual bool ExecutePasswordDialog(QString& Password) = 0;
    // Shows the margins dialog modally for `Margins`; true when it ends with OK, `Margins` then
    // set from it.
    virtual bool ExecuteMarginsDialog(TServiceMargins& Margins) = 0;
};
