#include "pages/selection/SelectionView.h"
