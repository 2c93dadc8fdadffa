#include "Edition.h"

bool BuildIsUSEdition() {
    return true;
}
