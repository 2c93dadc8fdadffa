#include "core/EngineState.h"

namespace {
TEngineState& Instance() {
    static TEngineState state;
    return state;
}
} // namespace

TEngineState& EngineState() {
    return Instance();
}

void ResetEngineState() {
    Instance() = TEngineState{};
}
