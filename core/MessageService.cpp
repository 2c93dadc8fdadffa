#include "core/MessageService.h"

namespace {
TRecordingMessages& BuiltIn() {
    static TRecordingMessages recording;
    return recording;
}
TMessageService* Current = nullptr;
} // namespace

TMessageService& Messages() {
    return Current ? *Current : BuiltIn();
}

void SetMessageService(TMessageService* service) {
    Current = service;
}

TScopedMessageService::TScopedMessageService(TMessageService& service) : Previous(Current) {
    Current = &service;
}

TScopedMessageService::~TScopedMessageService() {
    Current = Previous;
}
