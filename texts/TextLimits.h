#pragma once

#include <QtGlobal>

// Every text the store hands out or a helper returns is at most this long; longer ones are cut.
constexpr qsizetype MaxTextLength = 255;
