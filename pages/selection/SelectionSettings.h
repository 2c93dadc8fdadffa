#pragma once

#include "settings/StoredValues.h"

#include <QString>

// The subkeys of the page's stored values: its own, and the dimensions page's, which follows
// the series and model left on the selection page. The window keeps them in the user's
// settings store; the command-line tool and the tests keep them in memory, so they never touch
// a user's settings.
inline const QString Page1Key = QStringLiteral("\\Page1");
inline const QString Page3Key = QStringLiteral("\\Page3");
