#include "app/cli/QtErrors.h"

#include <cstdio>

void ShowOnlyQtErrors(QtMsgType Type, const QMessageLogContext&, const QString& Message) {
    if (Type == QtCriticalMsg || Type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(Message));
}
