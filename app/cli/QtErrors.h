#pragma once

#include <QString>
#include <QtGlobal>

// The drawing commands' own messages are their whole word on the standard error; what Qt says
// while it draws (a missing runtime folder, say) is noise there, unless it is an error. A Qt
// message handler that passes on only Qt's errors.
void ShowOnlyQtErrors(QtMsgType Type, const QMessageLogContext& Context, const QString& Message);
