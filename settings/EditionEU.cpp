#include "Edition.h"

bool BuildIsUSEdition() {
    return false;
}
