#pragma once

#include <QString>

// Text with every "&" removed: a caption with its accelerator mark as plain text.
QString RemoveAmpersands(const QString& Text);

// The part of Text after its first blank ("KVAM 25" gives "25"); "" when Text has no blank.
// Text is taken up to its first 255 characters.
QString TextAfterFirstBlank(const QString& Text);
