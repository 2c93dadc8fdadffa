#include "report/EditionPaper.h"

QPageSize EditionPaper(bool USEdition) {
    return QPageSize(USEdition ? QPageSize::Letter : QPageSize::A4);
}
