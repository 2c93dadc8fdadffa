#include "settings/Edition.h"

bool BuildIsUSEdition() {
    return true;
}
