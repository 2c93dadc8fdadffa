#pragma once

#include "core/MessageService.h"

// The program's messages as modal message boxes over the active window: an error or an
// information icon with one OK button, or an error offering another attempt with Yes and No.
class TQtMessageService : public TMessageService {
public:
    void Error(const QString& text) override;
    void Information(const QString& text) override;
    bool YesNo(const QString& text) override;
};
