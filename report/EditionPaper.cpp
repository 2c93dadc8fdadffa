#include "report/EditionPaper.h"

#include "core/EngineState.h"

QPageSize EditionPaper() {
    return QPageSize(EngineState().USVersionFLG ? QPageSize::Letter : QPageSize::A4);
}
